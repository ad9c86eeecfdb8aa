#include "tarot_numerology/modTarotNumerology.h"

#include "platform/Forms.h"
#include "tarot_numerology/TarotNumerologyState.h"
#include "tarot_numerology/TarotNumerologyTables.h"
#include "tarot_numerology/frmTarotNumerologyDisplay.h"

namespace modTarotNumerology {
namespace {

using Page = TarotNumerologyState::Page;

void showReading(Page page, qint16 n) {
  const TarotNumerologyTables::NumberRow* row = TarotNumerologyTables::numberRow(n);
  if (!row) return;
  frmTarotNumerologyDisplay* w = platform::Forms::get<frmTarotNumerologyDisplay>();
  w->showNumberValues(page, n);
  tnState().pointPageAt(page, n);
  LoadCardsForNumber(n);
}

}  // namespace

void ShowLifePathReading(qint16 n) { showReading(Page::LifePath, n); }

void ShowDestinyReading(qint16 n) { showReading(Page::Destiny, n); }

void LoadCardsForNumber(qint16 n) {
  TarotNumerologyState& s = tnState();
  if (!s.loadCardsForNumber(n)) return;
  for (Page page : {Page::LifePath, Page::Destiny})
    if (s.takePendingFirstCard(page))
      platform::Forms::get<frmTarotNumerologyDisplay>()->showCard(page, n, 0);
}

}  // namespace modTarotNumerology

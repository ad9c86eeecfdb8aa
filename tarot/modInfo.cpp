#include "tarot/modInfo.h"

#include "platform/Forms.h"
#include "platform/RichTextBox.h"
#include "shell/Site.h"
#include "shell/frmMDI.h"
#include "shell/modHelp.h"
#include "tarot/TarotCardTable.h"
#include "tarot/TarotSpreadTable.h"

namespace {

const QString kCrLf = QStringLiteral("\r\n");

// The report's rule: a run of underlined spaces on a line of its own.
const QString& ruleSpaces() {
  static const QString spaces(512, QLatin1Char(' '));
  return spaces;
}

// The main window's report box; touching it loads the main window.
platform::RichTextBox* reportBox() { return platform::Forms::get<frmMDI>()->RTB; }

void writeBold(platform::RichTextBox* box, const QString& text) {
  box->setSelBold(true);
  box->setSelText(text);
  box->setSelBold(false);
}

void writeUnderlined(platform::RichTextBox* box, const QString& text) {
  box->setSelUnderline(true);
  box->setSelText(text);
  box->setSelUnderline(false);
}

}  // namespace

bool IsArrayDimensioned(const CardList& arr) { return arr.hasBounds(); }

bool IsInArray(int value, const CardList& arr) {
  if (!IsArrayDimensioned(arr)) return false;
  for (int i = 0; i <= arr.ubound(); ++i)
    if (arr.at(i) == value) return true;
  return false;
}

void WriteSpreadHeader(const QString& name) {
  platform::RichTextBox* box = reportBox();
  box->setSelStart(box->Text().size());

  writeBold(box, shell::siteDomain() +
                     QStringLiteral(" the most popular online discussion forum. A place to learn, "
                                    "to share and to make new friends.") +
                     kCrLf + kCrLf);

  // The invitation: three centred bold lines, each ending in a space.
  box->setSelBold(true);
  box->setSelAlignment(2);
  box->setSelText(QStringLiteral("Visit ") + kCrLf);
  box->setSelBold(false);
  writeBold(box, shell::siteBase() + QStringLiteral(" ") + kCrLf);
  box->setSelBold(true);
  box->setSelText(QStringLiteral("Now ") + kCrLf);
  box->setSelAlignment(0);
  box->setSelBold(false);

  writeUnderlined(box, ruleSpaces() + kCrLf);

  // The name is compared as it stands: a heading or a name in other letter
  // case is no spread, and the header ends with the first rule.
  const int index = TarotSpreadTable::findByName(name);
  if (index < 0) return;
  const TarotSpreadTable::Spread& spread = TarotSpreadTable::row(index);

  writeBold(box, spread.heading);
  switch (spread.headerBreak) {
    case TarotSpreadTable::HeaderBreak::None:
      box->setSelText(kCrLf + spread.description);
      break;
    case TarotSpreadTable::HeaderBreak::AfterDescription:
      box->setSelText(kCrLf + spread.description + kCrLf);
      break;
    case TarotSpreadTable::HeaderBreak::BetweenHeadingAndDescription:
      box->setSelText(kCrLf);
      box->setSelText(kCrLf + spread.description);
      break;
  }
  box->setSelText(kCrLf);
  writeUnderlined(box, ruleSpaces() + kCrLf + kCrLf);
}

void WriteReadingCards(const CardList& cards, const CardList& reversed) {
  TarotReadingState& st = tarotState();
  st.strReportSpread = st.strSpreadName;
  if (st.strReportSpread.isEmpty()) st.strReportSpread = st.strOpenedSpreadName;

  // A list without bounds has no cards to write, and no closing line either.
  if (!IsArrayDimensioned(cards)) return;
  // Only a manual reading's list is all cards; the lists of an automatic deal
  // and of an opened saved reading end in a spare element.
  const int last = (st.blnManualMode && !st.blnOpenedReading) ? cards.ubound() : cards.ubound() - 1;

  platform::RichTextBox* box = reportBox();
  for (int i = 0; i <= last; ++i) {
    const int c = cards.at(i);
    if (TarotCardTable::isCard(c)) {
      const bool rev = IsInArray(c, reversed);
      WritePositionMeaning(i);
      // The reversed Death follows its position's text without an empty line.
      if (rev && c == 0)
        writeBold(box, kCrLf + TarotCardTable::reversedName(c));
      else
        writeBold(box, kCrLf + kCrLf +
                           (rev ? TarotCardTable::reversedName(c) : TarotCardTable::name(c)));
      box->setSelText(kCrLf + (rev ? TarotCardTable::reversedMeaning(c)
                                   : TarotCardTable::uprightMeaning(c)));
    }
    writeUnderlined(box, kCrLf + ruleSpaces() + kCrLf);
  }

  writeBold(box, kCrLf +
                     QStringLiteral("Thank You for using Auravane. Come spend some time with us "
                                    "online at ") +
                     shell::siteBase() +
                     QStringLiteral(". The best online discussion forum for every esoteric.") +
                     kCrLf);
}

void WritePositionMeaning(int i) {
  platform::RichTextBox* box = reportBox();
  const int index = TarotSpreadTable::findByName(tarotState().strReportSpread);
  if (index < 0) return;
  const TarotSpreadTable::Spread& spread = TarotSpreadTable::row(index);
  if (i < 0 || i >= spread.positions || i >= int(spread.positionTexts.size())) return;
  const TarotSpreadTable::Position& pos = spread.positionTexts[std::size_t(i)];
  writeBold(box, pos.title);
  box->setSelText(spread.inlineForm ? pos.meaning : kCrLf + pos.meaning);
}

void UnloadAllForms() { QuitProgram(); }

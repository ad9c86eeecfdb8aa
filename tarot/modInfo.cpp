#include "tarot/modInfo.h"

#include "platform/RichTextBox.h"
#include "shell/ReportWriter.h"
#include "shell/Site.h"
#include "shell/modHelp.h"
#include "tarot/TarotCardTable.h"
#include "tarot/TarotSpreadTable.h"

namespace modInfo {

using shell::kCrLf;
using shell::ruleSpaces;

bool IsArrayDimensioned(const CardList& arr) { return arr.hasBounds(); }

bool IsInArray(int value, const CardList& arr) {
  if (!IsArrayDimensioned(arr)) return false;
  for (int i = 0; i <= arr.ubound(); ++i)
    if (arr.at(i) == value) return true;
  return false;
}

void WriteSpreadHeader(platform::RichTextBox* box, const QString& name) {
  shell::ReportWriter out(box);

  out.bold(shell::siteDomain() +
           QStringLiteral(" the most popular online discussion forum. A place to learn, "
                          "to share and to make new friends.") +
           kCrLf + kCrLf);

  // The invitation: three centred bold lines, each ending in a space.
  out.setBold(true).setCentred(true).plain(QStringLiteral("Visit ") + kCrLf).setBold(false);
  out.bold(shell::siteBase() + QStringLiteral(" ") + kCrLf);
  out.setBold(true).plain(QStringLiteral("Now ") + kCrLf).setCentred(false).setBold(false);

  out.underlined(ruleSpaces() + kCrLf);

  // The name is compared as it stands: a heading or a name in other letter
  // case is no spread, and the header ends with the first rule.
  const int index = TarotSpreadTable::findByName(name);
  if (index < 0) return;
  const TarotSpreadTable::Spread& spread = TarotSpreadTable::row(index);

  out.bold(spread.heading);
  switch (spread.headerBreak) {
    case TarotSpreadTable::HeaderBreak::None:
      out.plain(kCrLf + spread.description);
      break;
    case TarotSpreadTable::HeaderBreak::AfterDescription:
      out.plain(kCrLf + spread.description + kCrLf);
      break;
    case TarotSpreadTable::HeaderBreak::BetweenHeadingAndDescription:
      out.plain(kCrLf);
      out.plain(kCrLf + spread.description);
      break;
  }
  out.plain(kCrLf);
  out.underlined(ruleSpaces() + kCrLf + kCrLf);
}

void WriteReadingCards(platform::RichTextBox* box, const CardList& cards, const CardList& reversed) {
  TarotReadingState& st = tarotState();
  st.beginReport();

  // A list without bounds has no cards to write, and no closing line either.
  if (!IsArrayDimensioned(cards)) return;
  const int last = st.listedCards(cards) - 1;

  // The cards follow the header at the insertion point, wherever the
  // header left it.
  shell::ReportWriter out = shell::ReportWriter::atInsertionPoint(box);
  for (int i = 0; i <= last; ++i) {
    const int c = cards.at(i);
    if (TarotCardTable::isCard(c)) {
      const bool rev = IsInArray(c, reversed);
      WritePositionMeaning(box, i);
      // The reversed Death follows its position's text without an empty line.
      if (rev && c == 0)
        out.bold(kCrLf + TarotCardTable::reversedName(c));
      else
        out.bold(kCrLf + kCrLf + (rev ? TarotCardTable::reversedName(c) : TarotCardTable::name(c)));
      out.plain(kCrLf + (rev ? TarotCardTable::reversedMeaning(c) : TarotCardTable::uprightMeaning(c)));
    }
    out.ReportRuleLine();
  }

  out.bold(kCrLf +
                QStringLiteral("Thank You for using Auravane. Come spend some time with us "
                               "online at ") +
                shell::siteBase() +
                QStringLiteral(". The best online discussion forum for every esoteric.") + kCrLf);
}

void WritePositionMeaning(platform::RichTextBox* box, int i) {
  const int index = TarotSpreadTable::findByName(tarotState().strReportSpread);
  if (index < 0) return;
  const TarotSpreadTable::Spread& spread = TarotSpreadTable::row(index);
  if (i < 0 || i >= spread.positions || i >= int(spread.positionTexts.size())) return;
  const TarotSpreadTable::Position& pos = spread.positionTexts[std::size_t(i)];
  shell::ReportWriter::atInsertionPoint(box).bold(pos.title).plain(
      spread.inlineForm ? pos.meaning : kCrLf + pos.meaning);
}

void UnloadAllForms() { modHelp::QuitProgram(); }

}  // namespace modInfo

#include "tarot_numerology/NumerologySpreadReport.h"

#include "platform/RichTextBox.h"
#include "shell/ReportWriter.h"
#include "shell/Site.h"
#include "tarot_numerology/NumerologySpreadCards.h"
#include "tarot_numerology/modNumerologySpread.h"

namespace modNumerologySpread {
namespace {

using shell::kCrLf;

// Palette colours of the report.
constexpr int kBlack = 0;
constexpr int kCyan = 3;
constexpr int kRed = 4;
constexpr int kMagenta = 5;

}  // namespace

void WriteNumerologySpreadReport(platform::RichTextBox* box, const QList<int>& cards,
                                 const LayCard& layCard) {
  box->setText(QString());
  shell::ReportWriter w(box);

  // The invitation to the forum, centred between the opening line and the
  // rule.
  w.setColour(kRed).setBold(true).plain(
      shell::siteDomain() +
      QStringLiteral(" the most popular online discussion forum. A place to learn, to share "
                     "and to make new friends.") +
      kCrLf + kCrLf);
  w.setColour(kBlack).setCentred(true).plain(QStringLiteral("Visit ") + kCrLf);
  w.plain(shell::siteBase() + QStringLiteral(" ") + kCrLf);
  w.plain(QStringLiteral("Now ") + kCrLf);
  w.setBold(false).setCentred(false).underlined(shell::ruleSpaces() + kCrLf);

  w.setColour(kCyan).setBold(true).plain(kCrLf + QStringLiteral("Spread Name: ") + kCrLf);
  w.setColour(kMagenta).plain(QStringLiteral("Numerology Grid") + kCrLf);
  w.setBold(false).plain(NSSpreadDescription() + kCrLf + kCrLf);

  const int count = qMin(int(cards.size()), kPositionCount);
  for (int k = 0; k < count; ++k) {
    const int n = cards[k];
    if (!NSCardTable::isCard(n)) continue;
    if (layCard) layCard(k, n);
    w.setColour(kCyan).setBold(true).plain(kCrLf + QStringLiteral("Position ") +
                                           QString::number(k + 1) + QStringLiteral(": ") + kCrLf);
    w.setColour(kBlack).setBold(false).plain(NSPositions(k));
    w.setColour(kCyan).setBold(true).plain(kCrLf + QStringLiteral("Card Name: ") + kCrLf);
    w.setColour(kBlack).setBold(false).plain(NSCardTable::name(n));
    w.setColour(kCyan).setBold(true).plain(kCrLf + QStringLiteral("Keywords: "));
    w.setColour(kBlack).setBold(false).plain(kCrLf + NSCardTable::keywords(n));
    w.setColour(kCyan).setBold(true).plain(kCrLf + QStringLiteral("Description: "));
    w.setColour(kBlack).setBold(false).plain(kCrLf + NSCardTable::description(n) + kCrLf + kCrLf);
  }

  w.setColour(kBlack).setBold(false).ReportRuleLine();
  w.setColour(kRed).setBold(true).plain(
      kCrLf +
      QStringLiteral("Thank You for using Sylvaric Software. Come spend some time with us "
                     "online at ") +
      shell::siteBase() +
      QStringLiteral(". The best online discussion forum for every esoteric."));
  w.setColour(kBlack).setBold(false);
}

std::optional<QList<int>> DrawNumerologySpread(int spread, platform::RichTextBox* box,
                                               const LayCard& layCard) {
  std::optional<QList<int>> cards = DrawSpreadCards(spread);
  if (cards) WriteNumerologySpreadReport(box, *cards, layCard);
  return cards;
}

}  // namespace modNumerologySpread

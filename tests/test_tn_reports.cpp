#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>

#include "platform/RichTextBox.h"
#include "shell/ReportWriter.h"
#include "shell/Site.h"
#include "tarot_numerology/NumerologySpreadCards.h"
#include "tarot_numerology/NumerologySpreadReport.h"
#include "tarot_numerology/TarotNumerologyReport.h"
#include "tarot_numerology/modNumerologySpread.h"
#include "reportmarkup.h"
#include "testsupport.h"

namespace {

using reportmarkup::compareLines;

// The box's document as lines of formatted runs (reportmarkup.h).
QStringList markup(const platform::RichTextBox& box) { return reportmarkup::colourLines(box.document()); }

// The spread of the fixed reading: Justice and Strength where this deck
// puts them, the first and the last card, and cards whose keyword lines
// are out of the ordinary.
const QList<int> kSpread = {8, 11, 0, 22, 77, 39, 70, 2, 46};

// The expected lines of one position block of the spread report: an empty
// line, the position and its text, the card's name, keywords and
// description, and the empty line that parts it from the next.
QStringList spreadBlock(int position, int card) {
  const QString name = NSCardTable::name(card);
  const QString head = QStringLiteral("{3b}Position %1: ").arg(position);
  return {QString(), head,
          QStringLiteral("{0}") + modNumerologySpread::NSPositions(position - 1),
          QStringLiteral("{3b}Card Name: "), QStringLiteral("{0}") + name,
          QStringLiteral("{3b}Keywords: "), QStringLiteral("{0}") + NSCardTable::keywords(card),
          QStringLiteral("{3b}Description: "),
          QStringLiteral("{0}") + NSCardTable::description(card), QString()};
}

}  // namespace

class TestTarotNumerologyReports : public QObject {
  Q_OBJECT
 private slots:
  void init() { testsupport::resetProgram(); }

  // The spread report of a fixed spread, whole: texts, colours, weights,
  // underlines and alignment, line by line.
  void spreadReportWhole() {
    platform::RichTextBox box;
    box.setText(QStringLiteral("an earlier report"));
    modNumerologySpread::WriteNumerologySpreadReport(&box, kSpread);

    QStringList want = {
        "{4b}" + shell::siteDomain() +
            " the most popular online discussion forum. A place to learn, to share and to make "
            "new friends.",
        "",
        "^{0b}Visit ",
        "^{0b}" + shell::siteBase() + " ",
        "^{0b}Now ",
        "{0u}<512>",
        "",
        "{3b}Spread Name: ",
        "{5b}Numerology Grid",
        "{5}" + modNumerologySpread::NSSpreadDescription(),
        "",
    };
    // The first block, written out.
    want << "" << "{3b}Position 1: " << "{0}Card 1 - You see yourself as an Innovator."
         << "{3b}Card Name: " << "{0}Justice" << "{3b}Keywords: "
         << "{0}Balance, Justice, Fairness, Aspirations, Decision, Balance, Cause & Effect."
         << "{3b}Description: " << "{0}" + NSCardTable::description(8) << "";
    for (int k = 1; k < 9; ++k) want << spreadBlock(k + 1, kSpread[k]);
    want << "" << "{0u}<512>" << ""
         << "{4b}Thank You for using Sylvaric Software. Come spend some time with us "
            "online at " + shell::siteBase() +
                ". The best online discussion forum for every esoteric.";
    compareLines(markup(box), want);
    QVERIFY(box.Text().startsWith(shell::siteDomain()));
    QVERIFY(!box.Text().contains(QStringLiteral("an earlier report")));
  }

  // Writing again replaces the report, and what the box keeps for typing
  // afterwards is black and regular.
  void spreadReportReplacesTheLast() {
    platform::RichTextBox box;
    modNumerologySpread::WriteNumerologySpreadReport(&box, {1, 2, 3, 4, 5, 6, 7, 8, 9});
    modNumerologySpread::WriteNumerologySpreadReport(&box, kSpread);
    platform::RichTextBox fresh;
    modNumerologySpread::WriteNumerologySpreadReport(&fresh, kSpread);
    QCOMPARE(markup(box), markup(fresh));
    QCOMPARE(box.Text().count(QStringLiteral("Position ")), 9);
    QCOMPARE(box.Text().count(QStringLiteral("Thank You for using")), 1);
    QVERIFY(!box.SelBold());
    QCOMPARE(box.SelColor(), shell::paletteColour(0));
  }

  // Each card is laid in its grid place just before its block is written,
  // and the block names the card laid.
  void cardsAreLaidBeforeTheirBlocks() {
    platform::RichTextBox box;
    QList<QPair<int, int>> laid;
    modNumerologySpread::WriteNumerologySpreadReport(&box, kSpread, [&](int k, int card) {
      QVERIFY(!box.Text().contains(QStringLiteral("Position %1: ").arg(k + 1)));
      if (k > 0) QVERIFY(box.Text().contains(QStringLiteral("Position %1: ").arg(k)));
      laid.append({k, card});
    });
    QCOMPARE(laid.size(), 9);
    const QString text = box.Text();
    for (int k = 0; k < 9; ++k) {
      QCOMPARE(laid[k], qMakePair(k, kSpread[k]));
      const int at = text.indexOf(QStringLiteral("Position %1: ").arg(k + 1));
      QVERIFY(text.indexOf(NSCardTable::name(kSpread[k]) + QStringLiteral("\r\nKeywords: "), at) >
              at);
    }
  }

  // The report writes the positions it has cards for and no further; a
  // number that names no card is left out.
  void spreadReportReadsOnlyTheCardsGiven() {
    platform::RichTextBox box;
    int laid = 0;
    modNumerologySpread::WriteNumerologySpreadReport(&box, {3, 78, 5},
                                                     [&](int, int) { ++laid; });
    QCOMPARE(laid, 2);
    const QString text = box.Text();
    QVERIFY(text.contains(QStringLiteral("Position 1: ")));
    QVERIFY(!text.contains(QStringLiteral("Position 2: ")));
    QVERIFY(text.contains(QStringLiteral("Position 3: ")));
    QVERIFY(!text.contains(QStringLiteral("Position 4: ")));
    QVERIFY(text.contains(QStringLiteral("Thank You for using")));

    modNumerologySpread::WriteNumerologySpreadReport(&box, QList<int>(12, 0) << 1);
    QCOMPARE(box.Text().count(QStringLiteral("Position ")), 9);
  }

  // Drawing reports the drawn cards; another spread number leaves the box
  // as it was.
  void drawAndReport() {
    platform::RichTextBox box;
    for (int n : {5, 70, 12, 0, 77, 40, 41, 42, 43}) testsupport::fakes().rnd.push_back((n + 0.5) / 78);
    QList<int> laid;
    const auto cards = modNumerologySpread::DrawNumerologySpread(
        14, &box, [&](int, int card) { laid.append(card); });
    QVERIFY(cards.has_value());
    QCOMPARE(*cards, QList<int>({5, 70, 12, 0, 77, 40, 41, 42, 43}));
    QCOMPARE(laid, *cards);
    platform::RichTextBox fresh;
    modNumerologySpread::WriteNumerologySpreadReport(&fresh, *cards);
    QCOMPARE(markup(box), markup(fresh));

    const QString before = box.Text();
    QVERIFY(!modNumerologySpread::DrawNumerologySpread(6, &box, [&](int, int) { QFAIL("laid"); }));
    QCOMPARE(box.Text(), before);
  }

  // The whole reading's report for one fixed reading, whole.
  void readingReportWhole() {
    using namespace TarotNumerologyReport;
    Reading r;
    r.name = QStringLiteral("Sylvaric");
    r.birthDate = QStringLiteral("January 1, 1970");
    r.lifePath = {QStringLiteral("Life path explanation."), QStringLiteral("8"),
                  QStringLiteral("Saturn"), QStringLiteral("Saturday"),
                  QStringLiteral("8, 17, 26"), QStringLiteral("Dark Gray, Black"),
                  QStringLiteral("Amethyst"), QStringLiteral("Number text,\r\nsecond line."),
                  QStringLiteral("Planet text."),
                  {{QStringLiteral("Strength - Major Arcana"), QStringLiteral("Strength text."),
                    QStringLiteral("Courage.")},
                   {QStringLiteral("The Eights - Minor Arcana"), QStringLiteral("Eights text."),
                    QStringLiteral("Passion.")}}};
    r.destiny = {QStringLiteral("Destiny explanation."), QStringLiteral("11"),
                 QStringLiteral("Moon"), QStringLiteral("Monday"), QStringLiteral("2, 11 "),
                 QStringLiteral("Silver"), QStringLiteral("Pearl"), QStringLiteral("Eleven."),
                 QStringLiteral("Moon text."),
                 {{QStringLiteral("Justice - Major Arcana"), QStringLiteral("Justice text."),
                   QStringLiteral("Balance.")}}};
    r.spreadCards = kSpread;

    platform::RichTextBox box;
    box.setText(QStringLiteral("something older"));
    WriteTarotNumerologyReport(&box, r);

    QStringList want = {
        "{3b}Name: {0}Sylvaric",
        "",
        "{3b}Date of Birth: {0}January 1, 1970",
        "",
        "{5b}Tarot & Life Path Number",
        "{5}Life path explanation.",
        "{3b}Life Path Number: {0}8",
        "{0}Number text,",
        "{0}second line.",
        "{3b}Associated Planet: {0}Saturn",
        "{0}Planet text.",
        "{3b}Lucky Day: {0}Saturday",
        "{3b}Best Day: {0}8, 17, 26",
        "{3b}Best Colors: {0}Dark Gray, Black",
        "{3b}Lucky Stones: {0}Amethyst",
        "",
        "{3b}Cards Use: ",
        "{2b}Card Name: {0}Strength - Major Arcana",
        "{2b}Card Description: {0}Strength text.",
        "{2b}Card Keywords: {0}Courage.",
        "",
        "{2b}Card Name: {0}The Eights - Minor Arcana",
        "{2b}Card Description: {0}Eights text.",
        "{2b}Card Keywords: {0}Passion.",
        "",
        "{5b}Tarot & Destiny Number",
        "{5}Destiny explanation.",
        "{3b}Destiny Number: {0}11",
        "{0}Eleven.",
        "{3b}Associated Planet: {0}Moon",
        "{0}Moon text.",
        "{3b}Lucky Day: {0}Monday",
        "{3b}Best Day: {0}2, 11 ",
        "{3b}Best Colors: {0}Silver",
        "{3b}Lucky Stones: {0}Pearl",
        "",
        "{3b}Cards Use: ",
        "{2b}Card Name: {0}Justice - Major Arcana",
        "{2b}Card Description: {0}Justice text.",
        "{2b}Card Keywords: {0}Balance.",
        "",
        "{5b}Numerology Spread",
        "{5b}" + modNumerologySpread::NSSpreadDescription(),
    };
    for (int k = 0; k < 9; ++k) {
      const int c = kSpread[k];
      want << "" << QStringLiteral("{3b}Position %1: ").arg(k + 1)
           << "{0}" + modNumerologySpread::NSPositions(k) << "{3b}Card Name: "
           << "{0}" + NSCardTable::name(c) << "{3b}Keywords: " << "{0}" + NSCardTable::keywords(c)
           << "{3b}Description: " << "{0}" + NSCardTable::description(c);
    }
    want << "";
    compareLines(markup(box), want);
    // No rule, no thank-you line, nothing centred or underlined.
    QVERIFY(!box.Text().contains(reportmarkup::rule()));
    QVERIFY(!box.Text().contains(QStringLiteral("Thank You")));
  }

  // A block without cards lists none; a spread of fewer cards lists those.
  void readingReportWithFewerCards() {
    using namespace TarotNumerologyReport;
    Reading r;
    r.spreadCards = {4, 5};
    platform::RichTextBox box;
    WriteTarotNumerologyReport(&box, r);
    const QString text = box.Text();
    QVERIFY(text.startsWith(QStringLiteral("Name: \r\n\r\nDate of Birth: \r\n\r\n")));
    QCOMPARE(text.count(QStringLiteral("Cards Use: \r\n")), 2);
    QVERIFY(!text.contains(QStringLiteral("Card Name: \r\n") + NSCardTable::name(4) +
                           QStringLiteral("\r\nCard")));
    QVERIFY(text.contains(QStringLiteral("Cards Use: \r\nTarot & Destiny Number")));
    QCOMPARE(text.count(QStringLiteral("Position ")), 2);
    QVERIFY(text.endsWith(NSCardTable::description(5) + QStringLiteral("\r\n")));
  }
};

AURAVANE_TEST_MAIN(TestTarotNumerologyReports)
#include "test_tn_reports.moc"

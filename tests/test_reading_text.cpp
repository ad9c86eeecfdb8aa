#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>

#include "platform/Forms.h"
#include "shell/Site.h"
#include "shell/frmMDI.h"
#include "tarot/TarotCardTable.h"
#include "tarot/TarotSpreadTable.h"
#include "tarot/modInfo.h"
#include "reportmarkup.h"
#include "testsupport.h"

namespace {

using reportmarkup::closingLine;
using reportmarkup::invitation;
using reportmarkup::markup;

const QString kRule = reportmarkup::rule();

platform::RichTextBox* rtb() { return platform::Forms::get<frmMDI>()->RTB; }

void compareReport(const QStringList& expected) { reportmarkup::compareReport(rtb(), expected); }

QString desc(int spread) { return TarotSpreadTable::row(spread).description; }
QString up(int card) { return TarotCardTable::uprightMeaning(card); }
QString rev(int card) { return TarotCardTable::reversedMeaning(card); }

CardList list(std::initializer_list<int> values) {
  CardList l;
  for (int v : values) l.append(v);
  return l;
}

}  // namespace

class TestReadingText : public QObject {
  Q_OBJECT
 private slots:
  void init() {
    testsupport::resetProgram();
    rtb()->setText(QString());
  }

  void arrayHelpers_data() {
    QTest::addColumn<int>("shape");  // 0 never dimensioned, 1 erased, 2 re-created 0..2, 3 filled
    QTest::addColumn<int>("value");
    QTest::addColumn<bool>("dimensioned");
    QTest::addColumn<bool>("found");
    QTest::newRow("never, 0") << 0 << 0 << false << false;
    QTest::newRow("erased, 0") << 1 << 0 << false << false;
    QTest::newRow("unfilled, 0") << 2 << 0 << true << true;
    QTest::newRow("unfilled, 5") << 2 << 5 << true << false;
    QTest::newRow("filled, first") << 3 << 14 << true << true;
    QTest::newRow("filled, last") << 3 << 77 << true << true;
    QTest::newRow("filled, absent") << 3 << 0 << true << false;
    QTest::newRow("filled, negative") << 3 << -1 << true << false;
  }
  void arrayHelpers() {
    QFETCH(int, shape);
    QFETCH(int, value);
    QFETCH(bool, dimensioned);
    QFETCH(bool, found);
    CardList l;
    if (shape == 1) {
      l.redim(3);
      l.erase();
    } else if (shape == 2) {
      l.redim(2);
    } else if (shape == 3) {
      l = list({14, 3, 77});
    }
    QCOMPARE(modInfo::IsArrayDimensioned(l), dimensioned);
    QCOMPARE(modInfo::IsInArray(value, l), found);
  }

  // A name that is no list text, compared whole and case-sensitively: the
  // header gets the opening lines and the first rule only, and no position
  // has a text.
  void unknownSpreadName_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("empty") << "";
    QTest::newRow("reset value") << "-1";
    QTest::newRow("trailing blank") << "Celtic Cross ";
    QTest::newRow("small letters") << "celtic cross";
    QTest::newRow("heading") << "Spread Type - Celtic Cross Spread";
    QTest::newRow("heading form of row 7") << "Four Seasons Spread";
  }
  void unknownSpreadName() {
    QFETCH(QString, name);
    QCOMPARE(TarotSpreadTable::findByName(name), -1);
    modInfo::WriteSpreadHeader(rtb(), name);
    compareReport(invitation() << "");
    rtb()->setText(QString());
    tarotState().strReportSpread = name;
    modInfo::WritePositionMeaning(rtb(), 0);
    QCOMPARE(rtb()->Text(), QString());
  }

  // The three ways a description is framed.
  void headerOfKnownSpread_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("tail");
    QTest::newRow("celtic") << "Celtic Cross"
                            << QStringList{"*Spread Type - Celtic Cross Spread*", desc(0), "_{512}_", "", ""};
    QTest::newRow("one card") << "One Card"
                              << QStringList{"*Spread Type - One Card*", desc(1), "", "_{512}_", "", ""};
    QTest::newRow("wheel") << "Ulvarin Wheel Spread(Tarlen)"
                           << QStringList{"*Spread Type - Ulvarin Wheel Spread(Tarlen)*", "", desc(4),
                                          "_{512}_", "", ""};
    QTest::newRow("seasons") << "Four Seasons Spread(Mavrine/Yorv)"
                             << QStringList{"*Spread Type - Four Seasons Spread*", desc(7), "_{512}_", "", ""};
  }
  void headerOfKnownSpread() {
    QFETCH(QString, name);
    QFETCH(QStringList, tail);
    modInfo::WriteSpreadHeader(rtb(), name);
    compareReport(invitation() << tail);
    // The insertion point waits at the end for the card entries.
    QCOMPARE(rtb()->SelStart(), rtb()->Text().size());
  }

  // The header goes after whatever the box holds.
  void headerAppends() {
    rtb()->setText(QStringLiteral("earlier"));
    rtb()->setSelStart(0);
    modInfo::WriteSpreadHeader(rtb(), QStringLiteral("-1"));
    compareReport(QStringList{"earlier" + invitation().first()} << invitation().mid(1) << "");
  }

  // A whole automatic One Card report: inline position text, spare element
  // skipped, no reversed list; in the box's own font and colour.
  void oneCardReport() {
    TarotReadingState& st = tarotState();
    st.strSpreadName = QStringLiteral("One Card");
    modInfo::WriteSpreadHeader(rtb(), st.strSpreadName);
    CardList cards;
    cards.redim(1);
    cards[0] = 14;
    modInfo::WriteReadingCards(rtb(), cards, CardList());
    compareReport(invitation() << QStringList{
                      "*Spread Type - One Card*", desc(1), "", "_{512}_", "",
                      "*Card 1:  *This represents the most important factor that affects the issue in hand.",
                      "", "*The Lovers*", up(14), "_{512}_", "", closingLine(), ""});
    QCOMPARE(st.strReportSpread, QStringLiteral("One Card"));

    const QFont boxFont = rtb()->document()->defaultFont();
    for (QTextBlock b = rtb()->document()->begin(); b.isValid(); b = b.next())
      for (auto it = b.begin(); !it.atEnd(); ++it) {
        const QTextCharFormat f = it.fragment().charFormat();
        QVERIFY(!f.hasProperty(QTextFormat::ForegroundBrush));
        QCOMPARE(f.font().family(), boxFont.family());
        QCOMPARE(f.font().pointSizeF(), boxFont.pointSizeF());
      }
  }

  // A manual Three Cards reading with reversed cards: every element is a
  // card; the reversed Death follows its position text without an empty
  // line; the reversed World shares the reversed Hanged Man's text.
  void manualReadingWithReversedCards() {
    TarotReadingState& st = tarotState();
    st.strSpreadName = QStringLiteral("Three Cards");
    st.blnManualMode = true;
    modInfo::WriteReadingCards(rtb(), list({0, 11, 20}), list({20, 0}));
    compareReport({"*Card 1 - Past*", TarotSpreadTable::row(3).positionTexts[0].meaning,
                   "*Death - Reversed*", rev(0), "_{512}_",
                   "*Card 2 - Present*", TarotSpreadTable::row(3).positionTexts[1].meaning, "",
                   "*The Hanged Man*", up(11), "_{512}_",
                   "*Card 3 - Future*",
                   "This card represents the future outcome of the present circumstances or events that "
                   "may lead to the outcome.",
                   "", "*The World - Reversed*", rev(11), "_{512}_", "", closingLine(), ""});
  }

  // The upright Death keeps its empty line; a card outside the deck gets
  // only its rule; an unknown spread name writes no position texts.
  void oddCardsAndNames() {
    TarotReadingState& st = tarotState();
    st.strSpreadName = QStringLiteral("-1");
    CardList cards;
    cards.redim(3);
    cards[0] = 0;
    cards[1] = 99;
    cards[2] = -3;
    modInfo::WriteReadingCards(rtb(), cards, list({5}));
    compareReport({"", "", "*Death*", up(0), "_{512}_", "", "_{512}_", "", "_{512}_", "", closingLine(),
                   ""});
  }

  // Which elements are written: all of a manual reading's, all but the spare
  // of an automatic deal's or an opened reading's.
  void lastIndex_data() {
    QTest::addColumn<bool>("manual");
    QTest::addColumn<bool>("opened");
    QTest::addColumn<int>("upper");
    QTest::addColumn<int>("entries");
    QTest::newRow("automatic 10") << false << false << 10 << 10;
    QTest::newRow("manual 10") << true << false << 9 << 10;
    QTest::newRow("opened after manual") << true << true << 10 << 10;
    QTest::newRow("opened after automatic") << false << true << 10 << 10;
    QTest::newRow("automatic spare only") << false << false << 0 << 0;
    QTest::newRow("manual one card") << true << false << 0 << 1;
  }
  void lastIndex() {
    QFETCH(bool, manual);
    QFETCH(bool, opened);
    QFETCH(int, upper);
    QFETCH(int, entries);
    TarotReadingState& st = tarotState();
    st.blnManualMode = manual;
    st.blnOpenedReading = opened;
    st.strSpreadName = QStringLiteral("Celtic Cross");
    CardList cards;
    cards.redim(upper);
    for (int i = 0; i <= upper; ++i) cards[i] = 30 + i;
    modInfo::WriteReadingCards(rtb(), cards, CardList());
    const QString text = markup(rtb()->document());
    QCOMPARE(int(text.count(QStringLiteral("_{512}_"))), entries);
    for (int i = 0; i < 10; ++i)
      QCOMPARE(text.contains(TarotCardTable::name(30 + i)), i < entries);
    QVERIFY(!text.contains(TarotCardTable::name(30 + 10)));
    if (entries == 10) QVERIFY(text.contains(QStringLiteral("*Card 10: The Outcome*")));
    QVERIFY(text.endsWith(closingLine() + "\n"));
  }

  // A list without bounds writes nothing at all; the spread name in force
  // falls back to the opened reading's when the live one is empty.
  void cardsWithoutBounds() {
    TarotReadingState& st = tarotState();
    st.strSpreadName.clear();
    st.strOpenedSpreadName = QStringLiteral("Zodiac Spread");
    modInfo::WriteReadingCards(rtb(), CardList(), list({1}));
    QCOMPARE(st.strReportSpread, QStringLiteral("Zodiac Spread"));
    QCOMPARE(rtb()->Text(), QString());
  }

  void openedReadingNameFallback() {
    TarotReadingState& st = tarotState();
    st.blnOpenedReading = true;
    st.strOpenedSpreadName = QStringLiteral("The Line Spread");
    CardList cards;
    cards.redim(1);
    cards[0] = 57;
    modInfo::WriteReadingCards(rtb(), cards, list({57}));
    compareReport({"*Card 1 - *This card represents the distant past.", "", "*Ace of Cups - Reversed*",
                   rev(57), "_{512}_", "", closingLine(), ""});
  }

  void positionMeaning_data() {
    QTest::addColumn<QString>("spread");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("expected");
    QTest::newRow("celtic 0") << "Celtic Cross" << 0
                              << "*Card 1: The Covering*\nThis represents the overall events, situations or "
                                 "influences surrounding the present question.";
    QTest::newRow("celtic 10") << "Celtic Cross" << 10 << "";
    QTest::newRow("negative") << "Celtic Cross" << -1 << "";
    QTest::newRow("one card 1") << "One Card" << 1 << "";
    QTest::newRow("two cards 0") << "Two Cards" << 0
                                 << "*Card 1: *This card signifies what can happen if you carry out the "
                                    "solution that this card represents.";
    QTest::newRow("line 2") << "The Line Spread" << 2 << "*Card 3 - *This card represents the present.";
    QTest::newRow("seasons") << "Four Seasons Spread(Mavrine/Yorv)" << 7
                             << "*Card 8*\nThis card alters Card 1.";
    QTest::newRow("romany 21") << "The Romany/ Gypsy Spread" << 21 << "";
  }
  void positionMeaning() {
    QFETCH(QString, spread);
    QFETCH(int, position);
    QFETCH(QString, expected);
    tarotState().strReportSpread = spread;
    modInfo::WritePositionMeaning(rtb(), position);
    QCOMPARE(markup(rtb()->document()), expected);
    QVERIFY(!rtb()->SelBold());
  }

  // A rule shows as one horizontal line across the box, not as blank or
  // wrapped lines; the report's text stays as written.
  void ruleShowsAsLine() {
    auto linesAcross = [] {
      const QImage img = rtb()->viewport()->grab().toImage();
      int rows = 0;
      for (int y = 0; y < img.height(); ++y) {
        int dark = 0;
        for (int x = 0; x < img.width(); ++x) dark += qGray(img.pixel(x, y)) < 128;
        rows += dark > img.width() * 9 / 10;
      }
      return rows;
    };
    rtb()->setText(QStringLiteral("Spread Type"));
    QCOMPARE(linesAcross(), 0);
    rtb()->setText(QString());
    modInfo::WriteSpreadHeader(rtb(), QStringLiteral("-1"));
    const int rows = linesAcross();
    QVERIFY(rows >= 1 && rows <= 2);
    QVERIFY(rtb()->Text().contains(kRule + QStringLiteral("\r\n")));
  }

  // Closing every window ends the program, as quitting does.
  void unloadAllForms() {
    QVERIFY(platform::Forms::isLoaded<frmMDI>());
    modInfo::UnloadAllForms();
    QVERIFY(!platform::Forms::isLoaded<frmMDI>());
    QCOMPARE(testsupport::fakes().endCalls, 1);
  }
};

AURAVANE_TEST_MAIN(TestReadingText)
#include "test_reading_text.moc"

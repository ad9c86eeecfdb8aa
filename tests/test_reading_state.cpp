#include "tarot/TarotReadingFile.h"
#include "tarot/TarotReadingState.h"
#include "testsupport_core.h"

namespace {

QList<int> toList(const CardList& l) {
  if (!l.hasBounds()) return {-100};  // stands for "without bounds"
  QList<int> out;
  for (int v : l.values()) out << v;
  return out;
}
const QList<int> kNoBounds = {-100};

TarotReadingState::Choice choice(bool manual, const QString& spread = "Three Cards", int count = 3) {
  TarotReadingState::Choice c;
  c.spreadName = spread;
  c.cardCount = count;
  c.deckLetter = "m";
  c.reverseCards = true;
  c.manual = manual;
  c.castByHand = true;
  return c;
}

TarotReadingFile::Reading saved(const QString& spread, std::vector<int> cards, std::vector<int> reversed) {
  TarotReadingFile::Reading r;
  r.spreadName = spread;
  r.deckLetter = "r";
  r.cards = std::move(cards);
  r.reversed = std::move(reversed);
  return r;
}

// A reading made one of the ways a person can make it, from a fresh record.
enum class Road { Deal, DealAfterReversedDeal, Manual, ManualAbandoned, Opened, OpenedUnknownSpread,
                  OpenedAfterManual };

TarotReadingState make(Road road) {
  TarotReadingState st;
  st.beginVisit();
  switch (road) {
    case Road::Deal:
      st.beginReading(choice(false));
      st.recordDeal({5, 61, 22}, {false, true, false}, true);
      break;
    case Road::DealAfterReversedDeal:
      // A deal without reversals leaves the reversed list as it finds it.
      st.beginReading(choice(false));
      st.recordDeal({5, 61, 22}, {false, true, false}, true);
      st.recordDeal({7, 8, 9}, {false, false, false}, false);
      break;
    case Road::Manual:
      st.beginReading(choice(true));
      st.enterManualPick();
      st.beginManualReading("Three Cards", 3, 3, "m");
      st.recordManualCard(40, false);
      st.recordManualCard(2, true);
      st.recordManualCard(77, false);
      break;
    case Road::ManualAbandoned:
      st.beginReading(choice(true));
      st.beginManualReading("Three Cards", 3, 3, "m");
      st.recordManualCard(40, true);
      st.abandonReading();
      break;
    case Road::Opened:
      st.openSavedReading(saved("Two Cards", {12, 0}, {0}));
      st.beginLayingOutOpened(2);
      st.adoptOpenedReading(2);
      break;
    case Road::OpenedUnknownSpread:
      st.openSavedReading(saved("No Such Spread", {12, 0, 3, 4}, {}));
      st.beginLayingOutOpened(4);
      break;
    case Road::OpenedAfterManual:
      st.beginReading(choice(true));
      st.beginManualReading("Three Cards", 3, 3, "m");
      st.recordManualCard(40, false);
      st.openSavedReading(saved("One Card", {9}, {}));
      break;
  }
  return st;
}

}  // namespace

Q_DECLARE_METATYPE(Road)

// The tarot reading's record, driven through its operations as the windows
// drive it, without any window.
class TestReadingState : public QObject {
  Q_OBJECT
 private slots:
  void init() { testsupport::resetModel(); }

  // Each road leaves the lists, the mode and what Save writes.
  void roads_data() {
    QTest::addColumn<Road>("road");
    QTest::addColumn<QList<int>>("chosen");
    QTest::addColumn<QList<int>>("reversed");
    QTest::addColumn<bool>("manual");
    QTest::addColumn<bool>("opened");
    QTest::addColumn<QString>("spread");
    QTest::addColumn<QList<int>>("savedCards");
    // An automatic deal's list ends in a spare element, which Save leaves out.
    QTest::newRow("deal") << Road::Deal << QList<int>{5, 61, 22, 0} << QList<int>{61} << false << false
                          << "Three Cards" << QList<int>{5, 61, 22};
    QTest::newRow("deal keeps earlier reversed")
        << Road::DealAfterReversedDeal << QList<int>{7, 8, 9, 0} << QList<int>{61} << false << false
        << "Three Cards" << QList<int>{7, 8, 9};
    // A manual reading's list holds its cards only, all of them saved.
    QTest::newRow("manual") << Road::Manual << QList<int>{40, 2, 77} << QList<int>{2} << true << false
                            << "Three Cards" << QList<int>{40, 2, 77};
    QTest::newRow("manual abandoned") << Road::ManualAbandoned << kNoBounds << kNoBounds << true << false
                                      << "Three Cards" << QList<int>{};
    QTest::newRow("opened and adopted") << Road::Opened << QList<int>{12, 0, 0} << QList<int>{0} << false
                                        << false << "Two Cards" << QList<int>{12, 0};
    QTest::newRow("opened, no layout: dropped")
        << Road::OpenedUnknownSpread << kNoBounds << kNoBounds << false << false << "No Such Spread"
        << QList<int>{};
    // Waiting to be laid out, the opened reading leaves the manual one's
    // cards alone.
    QTest::newRow("opened after manual, waiting")
        << Road::OpenedAfterManual << QList<int>{40} << kNoBounds << true << true << "Three Cards"
        << QList<int>{};
  }
  void roads() {
    QFETCH(Road, road);
    QFETCH(QList<int>, chosen);
    QFETCH(QList<int>, reversed);
    QFETCH(bool, manual);
    QFETCH(bool, opened);
    QFETCH(QString, spread);
    QFETCH(QList<int>, savedCards);
    const TarotReadingState st = make(road);
    QCOMPARE(toList(st.lngChosenCards), chosen);
    QCOMPARE(toList(st.lngReversedCards), reversed);
    QCOMPARE(st.blnManualMode, manual);
    QCOMPARE(st.blnOpenedReading, opened);
    QCOMPARE(st.strSpreadName, spread);
    const TarotReadingFile::Reading r = st.savedReading();
    QCOMPARE(QList<int>(r.cards.begin(), r.cards.end()), savedCards);
  }

  // How many elements of a list the report and Save take as cards.
  void listedCards_data() {
    QTest::addColumn<bool>("manual");
    QTest::addColumn<bool>("opened");
    QTest::addColumn<int>("elements");  // -1: without bounds
    QTest::addColumn<int>("listed");
    QTest::newRow("automatic") << false << false << 4 << 3;
    QTest::newRow("automatic, spare only") << false << false << 1 << 0;
    QTest::newRow("manual") << true << false << 3 << 3;
    QTest::newRow("opened") << false << true << 3 << 2;
    QTest::newRow("opened after manual") << true << true << 3 << 2;
    QTest::newRow("without bounds") << true << false << -1 << 0;
  }
  void listedCards() {
    QFETCH(bool, manual);
    QFETCH(bool, opened);
    QFETCH(int, elements);
    QFETCH(int, listed);
    TarotReadingState st;
    st.blnManualMode = manual;
    st.blnOpenedReading = opened;
    CardList l;
    l.redim(elements - 1);
    QCOMPARE(st.listedCards(l), listed);
  }

  // A new visit clears the reading but keeps a saved reading that waits.
  void visitKeepsWaitingReading() {
    TarotReadingState st = make(Road::OpenedAfterManual);
    st.beginVisit();
    QCOMPARE(st.strSpreadName, QString("-1"));
    QCOMPARE(st.lngCardCount, -1);
    QCOMPARE(st.strDeckLetter, QString("r"));
    QVERIFY(!st.blnManualMode && !st.blnAutoCast && !st.blnManualCast);
    QVERIFY(!st.lngChosenCards.hasBounds() && !st.lngReversedCards.hasBounds());
    QVERIFY(st.blnOpenedReading);
    QCOMPARE(st.strOpenedSpreadName, QString("One Card"));
    QCOMPARE(toList(st.lngOpenedCards), (QList<int>{9, 0}));
  }

  // The hand-over's flags, and the report's spread name.
  void handOverAndReport() {
    TarotReadingState st;
    st.beginReading(choice(true));
    QVERIFY(st.blnManualMode && !st.blnAutoCast && st.blnManualCast);
    TarotReadingState::Choice fromMenu = choice(true);
    fromMenu.castByHand = false;
    st.beginReading(fromMenu);
    QVERIFY(!st.blnManualCast);
    st.beginReading(choice(false));
    QVERIFY(!st.blnManualMode && st.blnAutoCast && !st.blnManualCast);
    QVERIFY(st.blnReverseCards && !st.blnMinorArcana && !st.blnMajorArcana);

    st.beginReport();
    QCOMPARE(st.strReportSpread, QString("Three Cards"));
    st.strSpreadName.clear();
    st.strOpenedSpreadName = "One Card";
    st.beginReport();
    QCOMPARE(st.strReportSpread, QString("One Card"));
  }

  // What Save writes reads back as the same reading.
  void savedReadingRoundTrip() {
    const TarotReadingState st = make(Road::Deal);
    const auto back = TarotReadingFile::decode(TarotReadingFile::encode(st.savedReading()));
    QVERIFY(back);
    QCOMPARE(back->spreadName, QString("Three Cards"));
    QCOMPARE(back->deckLetter, QString("m"));
    QCOMPARE(back->cards, (std::vector<int>{5, 61, 22}));
    QCOMPARE(back->reversed, (std::vector<int>{61}));
  }
};

AURAVANE_MODEL_TEST_MAIN(TestReadingState)
#include "test_reading_state.moc"

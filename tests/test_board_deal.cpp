#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QMouseEvent>
#include <QPushButton>
#include <set>

#include "board/CardDeal.h"
#include "board/CardPictures.h"
#include "board/SpreadSlotLayout.h"
#include "board/frmAuto.h"
#include "platform/Forms.h"
#include "platform/Pictures.h"
#include "platform/Twips.h"
#include "shell/frmMDI.h"
#include "shell/modHelp.h"
#include "tarot/TarotCardTable.h"
#include "tarot/TarotReadingState.h"
#include "tarot/TarotSpreadTable.h"
#include "reportmarkup.h"
#include "tarotfixtures.h"
#include "testsupport.h"

using platform::Forms;

namespace {

// The generator's largest value.
constexpr double kTop = 1.0 - 1.0 / 16777216.0;

using namespace tarotfixtures;

QImage face(int card) { return tarotfixtures::face(QStringLiteral("r"), card); }

CardList listOf(const QList<int>& values) {
  CardList l;
  for (int v : values) l.append(v);
  return l;
}

// Sets the reading's options as the spread page hands them over.
void chooseReading(int method, const QString& spread, int count) {
  TarotReadingState& st = tarotState();
  const CardDeal::Rule& r = CardDeal::rule(method);
  st.blnAutoCast = true;
  st.blnManualCast = false;
  st.blnMinorArcana = r.minorArcana;
  st.blnMajorArcana = r.majorArcana;
  st.blnReverseCards = r.reverseCards;
  st.strSpreadName = spread;
  st.lngCardCount = count;
  st.strDeckLetter = QStringLiteral("r");
}

const SpreadSlotLayout::SlotPosition& placeOf(int spread, int k) {
  return SpreadSlotLayout::positions(spread)[std::size_t(k)];
}

}  // namespace



class TestBoardDeal : public QObject {
  Q_OBJECT
 private slots:
  // The deals are checked against the card pictures beside the program.
  void initTestCase() {
    for (int n = 0; n < TarotCardTable::kCardCount; ++n)
      QVERIFY(QFile::exists(TarotCardTable::picturePath(QStringLiteral("r"), n)));
  }

  void init() {
    testsupport::resetProgram();
    tarotState() = TarotReadingState();
    Forms::get<frmMDI>();
  }

  // Each deal method, loaded through the board's own dispatch, deals exactly
  // the cards and reversals that the generator's values give.
  void scriptedDeal_data() {
    QTest::addColumn<int>("method");
    QTest::addColumn<QString>("spread");
    QTest::addColumn<int>("count");
    QTest::addColumn<QList<double>>("values");
    QTest::addColumn<int>("cardDraws");
    QTest::addColumn<QList<int>>("cards");
    QTest::addColumn<QList<int>>("reversed");  // the reversed list afterwards; {5} kept

    const QList<double> celticCards = {valueFor(10, 0, 78), valueFor(11, 0, 78), valueFor(12, 0, 78),
                                       valueFor(13, 0, 78), valueFor(14, 0, 78), valueFor(15, 0, 78),
                                       valueFor(16, 0, 78), valueFor(17, 0, 78), valueFor(18, 0, 78),
                                       valueFor(19, 0, 78)};
    // Rounded half to even: 0.5 stays upright, anything above reverses.
    const QList<double> nineCoins = {0.9, 0.5, 0.5000001, 0.1, 0.7, 0.5, 0.2, 0.99, 0.0};
    QList<double> done4 = celticCards;
    done4 << 0.9 << 0.95 << nineCoins.mid(1);  // the crossing card's value is drawn, not used
    QList<double> minorCeltic;
    for (double v : celticCards) minorCeltic << valueFor(int(v * 78) + 30, 22, 56);
    QList<double> done5 = minorCeltic + nineCoins;  // no value for the crossing card

    QTest::newRow("DONE1 repeat refused, first and last card")
        << 1 << "Three Cards" << 3 << QList<double>{0.0, 0.5, 0.0, kTop} << 4
        << QList<int>{0, 39, 77} << QList<int>{5};
    QTest::newRow("DONE2 Minor Arcana ends")
        << 2 << "Two Cards" << 2 << QList<double>{0.0, kTop} << 2 << QList<int>{22, 77}
        << QList<int>{5};
    QTest::newRow("DONE3 Major Arcana, 0 refused once dealt")
        << 3 << "Three Cards" << 3 << QList<double>{0.0, 0.01, kTop, 0.5} << 4
        << QList<int>{0, 21, 11} << QList<int>{5};
    QTest::newRow("DONE4 Celtic Cross") << 4 << "Celtic Cross" << 10 << done4 << 10
                                        << QList<int>{10, 11, 12, 13, 14, 15, 16, 17, 18, 19}
                                        << QList<int>{10, 13, 15, 18};
    QTest::newRow("DONE4 tie stays upright")
        << 4 << "One Card" << 1 << QList<double>{0.5, 0.5} << 1 << QList<int>{39} << QList<int>{};
    QTest::newRow("DONE5 Celtic Cross") << 5 << "Celtic Cross" << 10 << done5 << 10
                                        << QList<int>{40, 41, 42, 43, 44, 45, 46, 47, 48, 49}
                                        << QList<int>{40, 43, 45, 48};
    QTest::newRow("DONE6 card 0 accepted")
        << 6 << "One Card" << 1 << QList<double>{0.0, 0.75} << 1 << QList<int>{0}
        << QList<int>{0};
    QTest::newRow("DONE6 card 21 and a repeat")
        << 6 << "Two Cards" << 2 << QList<double>{kTop, kTop, 0.3, 0.6, 0.2} << 3
        << QList<int>{21, 6} << QList<int>{21};
  }
  void scriptedDeal() {
    QFETCH(int, method);
    QFETCH(QString, spread);
    QFETCH(int, count);
    QFETCH(QList<double>, values);
    QFETCH(int, cardDraws);
    QFETCH(QList<int>, cards);
    QFETCH(QList<int>, reversed);

    chooseReading(method, spread, count);
    tarotState().lngReversedCards = listOf({5});
    scriptRnd(values);
    frmAuto* board = Forms::get<frmAuto>();

    const TarotReadingState& st = tarotState();
    QCOMPARE(toList(st.lngChosenCards), cards + QList<int>{0});
    QCOMPARE(toList(st.lngReversedCards), reversed);
    QCOMPARE(st.lngReversedCards.hasBounds(), !reversed.isEmpty());
    QVERIFY(script().values.empty());
    QCOMPARE(script().overrun, 0);
    QCOMPARE(testsupport::fakes().randomizeCalls, 1);
    QCOMPARE(testsupport::fakes().doEventsCalls, cardDraws);

    // Every card lies in its slot, upside down exactly when reversed.
    const int crossing = spread == QLatin1String("Celtic Cross") ? 1 : -1;
    for (int k = 0; k < count; ++k) {
      const QImage shown = rgb(board->p[std::size_t(k)]->pixmap());
      const QImage upright = face(cards[k]);
      if (k == crossing)
        QCOMPARE(shown, rgb(platform::turnQuarter(upright)));
      else if (reversed.contains(cards[k]))
        QCOMPARE(shown, rgb(platform::turnHalf(upright)));
      else
        QCOMPARE(shown, upright);
    }
    QCOMPARE(Forms::get<frmMDI>()->RTB->SelStart(), 0);
  }

  // The options the board's load reads choose the deal, or none.
  void loadChoosesDeal_data() {
    QTest::addColumn<bool>("autoCast");
    QTest::addColumn<bool>("manualCast");
    QTest::addColumn<bool>("minor");
    QTest::addColumn<bool>("major");
    QTest::addColumn<bool>("reverse");
    QTest::addColumn<QList<int>>("cards");  // lngChosenCards afterwards
    QTest::addColumn<bool>("picturesCleared");
    // One Card; values 0.0 then 0.9: card 0 or 22, reversed by the second value.
    const QList<int> untouched = {7, 7};
    QTest::newRow("whole deck") << true << false << false << false << false << QList<int>{0, 0} << false;
    QTest::newRow("minor") << true << false << true << false << false << QList<int>{22, 0} << false;
    QTest::newRow("major reversed") << true << false << false << true << true << QList<int>{0, 0} << false;
    QTest::newRow("both arcana") << true << false << true << true << false << untouched << false;
    QTest::newRow("manual") << false << true << false << false << true << untouched << true;
    QTest::newRow("manual both arcana") << false << true << true << true << true << untouched << false;
    QTest::newRow("neither") << false << false << false << false << false << untouched << false;
  }
  void loadChoosesDeal() {
    QFETCH(bool, autoCast);
    QFETCH(bool, manualCast);
    QFETCH(bool, minor);
    QFETCH(bool, major);
    QFETCH(bool, reverse);
    QFETCH(QList<int>, cards);
    QFETCH(bool, picturesCleared);
    TarotReadingState& st = tarotState();
    st.blnAutoCast = autoCast;
    st.blnManualCast = manualCast;
    st.blnMinorArcana = minor;
    st.blnMajorArcana = major;
    st.blnReverseCards = reverse;
    st.strSpreadName = QStringLiteral("One Card");
    st.lngCardCount = 1;
    st.strDeckLetter = QStringLiteral("r");
    st.lngChosenCards = listOf({7, 7});
    scriptRnd({0.0, 0.9});

    frmAuto* board = Forms::get<frmAuto>();
    frmMDI* mdi = Forms::get<frmMDI>();
    QVERIFY(!board->frame()->isHidden());
    QCOMPARE(toList(st.lngChosenCards), cards);
    QVERIFY(!mdi->picTop->isHidden());
    QVERIFY(mdi->RTB->Text().contains(QLatin1String("One Card")));
    for (int k = 0; k < frmAuto::kSlotCount; ++k)
      QCOMPARE(board->p[std::size_t(k)]->pixmap().isNull(), picturesCleared && k <= 9);
    QCOMPARE(board->p[0]->isHidden(), (cards == QList<int>{7, 7}));

    Forms::unload(board);
    QVERIFY(mdi->picTop->isHidden());
    QVERIFY(!mdi->picMain->isHidden());
  }

  // Over many generator seeds and every spread, each deal gives distinct
  // cards of its own part of the deck, and every card of the part turns up.
  void distinctAndInRange_data() {
    QTest::addColumn<int>("method");
    for (int m = 1; m <= CardDeal::kMethodCount; ++m)
      QTest::newRow(qPrintable(QStringLiteral("DONE%1").arg(m))) << m;
  }
  void distinctAndInRange() {
    QFETCH(int, method);
    const CardDeal::Rule& rule = CardDeal::rule(method);
    std::set<int> seen;
    int reversedSeen = 0, uprightSeen = 0;
    for (int spread = 0; spread < TarotSpreadTable::kSpreadCount; ++spread) {
      const int count = TarotSpreadTable::row(spread).positions;
      const int crossing = spread == 0 ? 1 : -1;
      for (quint32 seed = 1; seed <= 60; ++seed) {
        testsupport::fakes().fallback = platform::Lcg24(seed * 7919u);
        const auto dealt = CardDeal::draw(rule, count, crossing);
        QVERIFY(dealt);
        QCOMPARE(int(dealt->cards.size()), count);
        QCOMPARE(int(std::set<int>(dealt->cards.begin(), dealt->cards.end()).size()), count);
        for (int i = 0; i < count; ++i) {
          const int c = dealt->cards[std::size_t(i)];
          QVERIFY2(c >= rule.firstCard && c < rule.firstCard + rule.cardCount, qPrintable(QString::number(c)));
          seen.insert(c);
          const bool rev = dealt->reversed[std::size_t(i)];
          if (i == crossing || !rule.reversals) QVERIFY(!rev);
          else (rev ? reversedSeen : uprightSeen)++;
        }
      }
    }
    QCOMPARE(int(seen.size()), rule.cardCount);
    if (rule.reversals) QVERIFY(reversedSeen > 0 && uprightSeen > 0);
  }

  // The Romany spread dealt from the 22 Major Arcana cards: 21 distinct
  // cards, each slot at its place; with and without reversed cards.
  void majorArcanaRomany_data() {
    QTest::addColumn<int>("method");
    QTest::newRow("upright") << 3;
    QTest::newRow("reversed cards") << 6;
  }
  void majorArcanaRomany() {
    QFETCH(int, method);
    const QString romany = QStringLiteral("The Romany/ Gypsy Spread");
    std::set<int> everDealt;
    for (quint32 seed = 1; seed <= 8; ++seed) {
      init();
      testsupport::fakes().fallback = platform::Lcg24(seed * 104729u);
      chooseReading(method, romany, 21);
      frmAuto* board = Forms::get<frmAuto>();
      const TarotReadingState& st = tarotState();
      QCOMPARE(st.lngChosenCards.count(), 22);
      QCOMPARE(st.lngChosenCards.at(21), 0);
      QList<int> cards = toList(st.lngChosenCards).mid(0, 21);
      const std::set<int> distinct(cards.begin(), cards.end());
      QCOMPARE(int(distinct.size()), 21);
      QVERIFY(*distinct.rbegin() <= 21);
      everDealt.insert(distinct.begin(), distinct.end());
      // Reversed cards are cards of the reading, in position order.
      int from = 0;
      for (int c : toList(st.lngReversedCards)) {
        const int at = cards.indexOf(c, from);
        QVERIFY(at >= 0);
        from = at + 1;
      }
      if (method == 3) QVERIFY(!st.lngReversedCards.hasBounds());
      for (int k = 0; k < 21; ++k) {
        QLabel* slot = board->p[std::size_t(k)];
        QVERIFY(!slot->isHidden());
        QVERIFY(!board->lbl[std::size_t(k)]->isHidden());
        QCOMPARE(platform::twLeft(slot), placeOf(9, k).left);
        QCOMPARE(platform::twTop(slot), placeOf(9, k).top);
      }
    }
    QVERIFY(everDealt.count(0) && everDealt.count(21));
  }

  // The Celtic Cross crossing card lies a quarter turn across the first and
  // is never reversed, even when its value would reverse it.
  void crossingCard() {
    chooseReading(4, QStringLiteral("Celtic Cross"), 10);
    QList<double> values;
    for (int c = 0; c < 10; ++c) values << valueFor(c + 40, 0, 78);
    for (int c = 0; c < 10; ++c) values << 0.9;
    scriptRnd(values);
    frmAuto* board = Forms::get<frmAuto>();
    const TarotReadingState& st = tarotState();
    QCOMPARE(toList(st.lngReversedCards), (QList<int>{40, 42, 43, 44, 45, 46, 47, 48, 49}));
    QLabel* crossing = board->p[1];
    QVERIFY(crossing->width() > crossing->height());
    QCOMPARE(rgb(crossing->pixmap()), rgb(platform::turnQuarter(face(41))));
    QCOMPARE(platform::twLeft(crossing), 2300.0);
    QCOMPARE(platform::twTop(crossing), 4200.0);
    QVERIFY(board->p[0]->height() > board->p[0]->width());
    // It lies above the first card.
    QVERIFY(board->p[0]->parentWidget()->children().indexOf(crossing) >
            board->p[0]->parentWidget()->children().indexOf(board->p[0]));
  }

  // A smaller spread dealt on a board that shows a larger one: nothing of
  // the earlier reading stays.
  void smallerSpreadAfterLarger_data() {
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::newRow("Romany then One Card") << "The Romany/ Gypsy Spread" << "One Card";
    QTest::newRow("Celtic Cross then Three Cards") << "Celtic Cross" << "Three Cards";
    QTest::newRow("Zodiac then The Line") << "Zodiac Spread" << "The Line Spread";
  }
  void smallerSpreadAfterLarger() {
    QFETCH(QString, first);
    QFETCH(QString, second);
    const int firstIndex = TarotSpreadTable::findByName(first);
    const int secondIndex = TarotSpreadTable::findByName(second);
    const int n = TarotSpreadTable::row(secondIndex).positions;
    chooseReading(4, first, TarotSpreadTable::row(firstIndex).positions);
    frmAuto* board = Forms::get<frmAuto>();
    chooseReading(1, second, n);
    board->DONE1(n);
    for (int k = 0; k < frmAuto::kSlotCount; ++k) {
      QLabel* slot = board->p[std::size_t(k)];
      QCOMPARE(slot->isHidden(), k >= n);
      QCOMPARE(board->lbl[std::size_t(k)]->isHidden(), k >= n);
      if (k >= n) continue;
      QCOMPARE(platform::twLeft(slot), placeOf(secondIndex, k).left);
      QCOMPARE(platform::twTop(slot), placeOf(secondIndex, k).top);
      QVERIFY(slot->height() > slot->width());
      QCOMPARE(rgb(slot->pixmap()), face(tarotState().lngChosenCards.at(k)));
    }
  }

  // A board built ahead, while a page is read, lays the reading out as a
  // board built in the click does.
  void boardBuiltAhead() {
    frmAuto::prepare();
    QVERIFY(Forms::hasSpare<frmAuto>());
    const QString spread = QStringLiteral("The Romany/ Gypsy Spread");
    const int index = TarotSpreadTable::findByName(spread);
    chooseReading(1, spread, 21);  // no reversals: each slot shows its face
    frmAuto* board = Forms::get<frmAuto>();
    QVERIFY(!Forms::hasSpare<frmAuto>());
    QVERIFY(board->isLoaded());
    QVERIFY(!board->frame()->isHidden());
    for (int k = 0; k < 21; ++k) {
      QLabel* slot = board->p[std::size_t(k)];
      QVERIFY(!slot->isHidden());
      QCOMPARE(platform::twLeft(slot), placeOf(index, k).left);
      QCOMPARE(platform::twTop(slot), placeOf(index, k).top);
      QCOMPARE(rgb(slot->pixmap()), face(tarotState().lngChosenCards.at(k)));
    }
  }

  // An unloaded board lets its card pictures go at once, though the window
  // itself is deleted only later: the next reading is dealt meanwhile.
  void unloadedBoardLetsPicturesGo() {
    chooseReading(1, QStringLiteral("Three Cards"), 3);
    frmAuto* board = Forms::get<frmAuto>();
    const QPointer<QLabel> slot = board->p[0];
    QVERIFY(!slot->pixmap().isNull());
    Forms::unload<frmAuto>();
    QVERIFY(slot);
    QVERIFY(slot->pixmap().isNull());
  }

  // A card whose picture cannot be read shows a plain card back, never the
  // card that lay in the slot before.
  void missingPictureShowsCardBack() {
    chooseReading(4, QStringLiteral("Three Cards"), 3);
    frmAuto* board = Forms::get<frmAuto>();
    QVERIFY(rgb(board->p[0]->pixmap()) != rgb(CardPictures::cardBack()));
    tarotState().strDeckLetter = QStringLiteral("x");
    scriptRnd({0.1, 0.2, 0.3, 0.9, 0.1, 0.9});
    board->DONE4(3);
    QCOMPARE(toList(tarotState().lngReversedCards), (QList<int>{7, 23}));
    for (int k = 0; k < 3; ++k)
      QCOMPARE(rgb(board->p[std::size_t(k)]->pixmap()), rgb(CardPictures::cardBack()));
  }

  // A deal that finds no new card gives up and leaves the reading as it
  // was; so does a deal whose board is unloaded while events run.
  void dealThatCannotFinish_data() {
    QTest::addColumn<bool>("unloadDuringDeal");
    QTest::newRow("generator repeats itself") << false;
    QTest::newRow("board unloaded") << true;
  }
  void dealThatCannotFinish() {
    QFETCH(bool, unloadDuringDeal);
    chooseReading(4, QStringLiteral("Three Cards"), 3);
    TarotReadingState& st = tarotState();
    st.lngChosenCards = listOf({1, 2, 3, 0});
    st.lngReversedCards = listOf({2});
    int draws = 0;
    platform::services().rnd = [&draws] { return ++draws, 0.25; };
    int events = 0;
    if (unloadDuringDeal)
      platform::services().doEvents = [&events] {
        if (++events == 2) Forms::unload<frmAuto>();
      };
    frmAuto* board = Forms::get<frmAuto>();
    QCOMPARE(toList(st.lngChosenCards), (QList<int>{1, 2, 3, 0}));
    QCOMPARE(toList(st.lngReversedCards), QList<int>{2});
    if (unloadDuringDeal) {
      QCOMPARE(draws, 1);
      QVERIFY(!Forms::isLoaded<frmAuto>());
      QVERIFY(Forms::get<frmMDI>()->picTop->isHidden());
      return;
    }
    QCOMPARE(draws, 1 + CardDeal::kMaxAttemptsPerPosition);
    QVERIFY(board->p[0]->isHidden());
    QVERIFY(!board->isDealing());
  }

  // The report of a deal: one header, then each dealt card in its position,
  // reversed ones marked, the spare element left out; shown from its top.
  // With the real event pump, a click that arrives while the cards are being
  // drawn waits until the deal has ended: it never meets a half-made
  // reading. Repaints still run meanwhile.
  void clickWaitsForTheDeal() {
    platform::services().doEvents = platform::coreServices().doEvents;
    QPushButton button(QStringLiteral("Elsewhere"));
    button.setGeometry(10, 10, 120, 40);
    button.show();
    QVERIFY(QTest::qWaitForWindowExposed(&button));
    int clicks = 0;
    bool dealtBeforeClick = false;
    connect(&button, &QPushButton::clicked, &button, [&] {
      ++clicks;
      dealtBeforeClick = tarotState().lngChosenCards.hasBounds();
    });
    chooseReading(1, QStringLiteral("Three Cards"), 3);
    const QList<double> values = {valueFor(5, 0, 78), valueFor(6, 0, 78), valueFor(7, 0, 78)};
    int draws = 0;
    QList<int> clicksSeenByDraw;
    platform::services().rnd = [&] {
      if (draws == 0) {
        const QPointF at(60, 20);
        QCoreApplication::postEvent(&button, new QMouseEvent(QEvent::MouseButtonPress, at, at,
                                                             button.mapToGlobal(at), Qt::LeftButton,
                                                             Qt::LeftButton, Qt::NoModifier));
        QCoreApplication::postEvent(&button, new QMouseEvent(QEvent::MouseButtonRelease, at, at,
                                                             button.mapToGlobal(at), Qt::LeftButton,
                                                             Qt::NoButton, Qt::NoModifier));
      }
      clicksSeenByDraw << clicks;
      return values.value(draws++);
    };
    frmAuto* board = Forms::get<frmAuto>();  // its load deals
    QCOMPARE(draws, 3);
    QCOMPARE(clicksSeenByDraw, (QList<int>{0, 0, 0}));
    QCOMPARE(toList(tarotState().lngChosenCards), (QList<int>{5, 6, 7, 0}));
    QCOMPARE(clicks, 0);
    QVERIFY(board->isLoaded());
    // Once the deal has ended, the click is handled.
    QTRY_COMPARE(clicks, 1);
    QVERIFY(dealtBeforeClick);
  }

  void reportOfDeal() {
    chooseReading(4, QStringLiteral("Three Cards"), 3);
    scriptRnd({valueFor(0, 0, 78), valueFor(14, 0, 78), valueFor(57, 0, 78), 0.9, 0.1, 0.6});
    Forms::get<frmAuto>();
    const TarotSpreadTable::Spread& three = TarotSpreadTable::row(3);
    auto title = [&three](int i) { return '*' + three.positionTexts[std::size_t(i)].title + '*'; };
    auto meaning = [&three](int i) { return three.positionTexts[std::size_t(i)].meaning; };
    platform::RichTextBox* rtb = Forms::get<frmMDI>()->RTB;
    reportmarkup::compareReport(
        rtb, reportmarkup::invitation() << QStringList{
                 "*Spread Type - Three Cards*", three.description, "", "_{512}_", "",
                 title(0), meaning(0), "*Death - Reversed*", TarotCardTable::reversedMeaning(0), "_{512}_",
                 title(1), meaning(1), "", "*The Lovers*", TarotCardTable::uprightMeaning(14), "_{512}_",
                 title(2), meaning(2), "", "*Ace of Cups - Reversed*",
                 TarotCardTable::reversedMeaning(57), "_{512}_", "", reportmarkup::closingLine(), ""});
    QCOMPARE(rtb->SelStart(), 0);
  }

  // The board's menus and what they do.
  void menus() {
    frmAuto* board = Forms::get<frmAuto>();
    QCOMPARE(board->mnuFile->text(), QStringLiteral("File"));
    QCOMPARE(board->mnuStart->text(), QStringLiteral("&Start Again"));
    QVERIFY(!board->mnuMakeMoney->isEnabled());
    board->mnuStart->trigger();
    board->mnuExit->trigger();
    QVERIFY(Forms::isLoaded<frmAuto>());
    QVERIFY(testsupport::fakes().urls.isEmpty());
    QAction* links[] = {board->mnuHelpOnline, board->mnuVisitOnline, board->mnuUpdate,
                        board->mnuDonate};
    void (*pages[])() = {modHelp::GoToHelpPage, modHelp::GoToHomePage, modHelp::GoToDownloadPage,
                         modHelp::GoToDonatePage};
    for (int i = 0; i < 4; ++i) {
      links[i]->trigger();
      pages[i]();
      const QList<QUrl>& urls = testsupport::fakes().urls;
      QCOMPARE(urls.size(), 2 * (i + 1));
      QCOMPARE(urls[urls.size() - 2], urls.last());
    }
  }
};

AURAVANE_TEST_MAIN(TestBoardDeal)
#include "test_board_deal.moc"

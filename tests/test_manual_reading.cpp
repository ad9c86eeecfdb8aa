#include <QTimer>
#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>

#include "board/CardDeal.h"
#include "board/SpreadSlotLayout.h"
#include "board/frmAuto.h"
#include "manual/ManualReading.h"
#include "manual/frmTarotManual.h"
#include "platform/Forms.h"
#include "platform/Pictures.h"
#include "platform/Settings.h"
#include "platform/Twips.h"
#include "shell/frmMDI.h"
#include "shell/modHelp.h"
#include "shell/modTextEncoding.h"
#include "tarot/TarotCardTable.h"
#include "tarot/TarotReadingState.h"
#include "tarot/TarotSpreadTable.h"
#include "tarot/frmTarot.h"
#include "tarot/frmTarotFront.h"
#include "tarot/frmTarotOpen.h"
#include "reportmarkup.h"
#include "tarotfixtures.h"
#include "testsupport.h"

using platform::Forms;
using testsupport::fakes;

namespace {

using namespace tarotfixtures;

// Generator values that draw a card from a part of the deck.
double whole(int card) { return valueFor(card, 0, 78); }
double major(int card) { return valueFor(card, 0, 22); }
double minor(int card) { return valueFor(card, 22, 56); }

frmMDI* mdi() { return Forms::get<frmMDI>(); }

// The tarot road from the main window's mode button to the spread page.
frmTarot* openSpreadPage() {
  mdi()->cmdSelectOption[1]->click();
  frmTarotOpen* splash = Forms::find<frmTarotOpen>();
  splash->Timer1_Timer();
  splash->cmdContd->click();
  frmTarotFront* front = Forms::find<frmTarotFront>();
  front->txtName->setText(QStringLiteral("Ann"));
  front->txtCountry->setText(QStringLiteral("Peru"));
  front->txtQuestion->setPlainText(QStringLiteral("Will it rain?"));
  front->cmdNext->click();
  return Forms::find<frmTarot>();
}

enum Part { WholeDeck, MajorOnly, MinorOnly };

// "Manual" on the spread page with these choices.
frmTarotManual* startManual(int spread, Part part = WholeDeck, bool reversals = true, int deck = 0) {
  frmTarot* page = Forms::find<frmTarot>();
  if (!page || !page->isVisible()) page = openSpreadPage();
  page->lstOption->setCurrentRow(spread);
  page->cboCards->setCurrentIndex(deck);
  page->chkHA->setChecked(part == MajorOnly);
  page->chkLA->setChecked(part == MinorOnly);
  page->chkRev->setChecked(reversals);
  page->cmdManual->click();
  return Forms::find<frmTarotManual>();
}

QAbstractButton* faceDown(frmTarotManual* w, int i) {
  return w->findChild<QAbstractButton*>(QStringLiteral("p(%1)").arg(i));
}

QList<int> cardsOnTable(frmTarotManual* w) {
  QList<int> out;
  for (int i = 0; i < frmTarotManual::kDeckSize; ++i)
    if (!faceDown(w, i)->isHidden()) out << i;
  return out;
}

// Clicks the first n face-down cards still on the table.
void pick(frmTarotManual* w, int n) {
  for (int i : cardsOnTable(w).mid(0, n)) faceDown(w, i)->click();
}

QString shownText(frmTarotManual* w) { return platform::plainText(w->txtDisp); }

// A report entry of a spread whose titles stand on a line of their own.
QStringList entry(int spread, int position, int card, bool reversed) {
  const auto& pos = TarotSpreadTable::row(spread).positionTexts[std::size_t(position)];
  return {'*' + pos.title + '*', pos.meaning, "",
          '*' + (reversed ? TarotCardTable::reversedName(card) : TarotCardTable::name(card)) + '*',
          reversed ? TarotCardTable::reversedMeaning(card) : TarotCardTable::uprightMeaning(card),
          "_{512}_"};
}

// The whole report of a Three Cards reading.
QStringList threeCardsReport(const QList<int>& cards, const QList<int>& reversed) {
  const TarotSpreadTable::Spread& three = TarotSpreadTable::row(3);
  QStringList out = reportmarkup::invitation();
  out << "*Spread Type - Three Cards*" << three.description << "" << "_{512}_" << "";
  for (int i = 0; i < 3; ++i) out << entry(3, i, cards[i], reversed.contains(cards[i]));
  out << "" << reportmarkup::closingLine() << "";
  return out;
}

QString savedCelticCross() {
  QByteArray b = line("sCeltic Cross") + line("dr");
  for (int c : {3, 40, 12, 0, 77, 22, 5, 60, 31, 18}) b += line("c" + QString::number(c));
  return writeFile("opened.lqs", b + line("r40"));
}

void openSaved(const QString& path) {
  fakes().openChoices.push_back(path);
  Forms::get<frmTarotFront>()->cmdOpen->click();
}

QString pageOf(const QUrl& url) { return url.query().section(QLatin1Char('='), 1); }

}  // namespace

// Notes every widget of the main window painted while watching is set.
class PaintWatch : public QObject {
 public:
  PaintWatch() { qApp->installEventFilter(this); }
  ~PaintWatch() override { qApp->removeEventFilter(this); }
  bool watching = false;
  QList<QObject*> painted;

 protected:
  bool eventFilter(QObject* o, QEvent* e) override {
    if (watching && e->type() == QEvent::Paint) painted << o;
    return false;
  }
};

class TestManualReading : public QObject {
  Q_OBJECT
 private slots:
  void init() {
    testsupport::resetProgram();
    // No update reminder on the way to the tarot pages.
    platform::SaveSetting(platform::exeName(), QStringLiteral("Settings"), modTextEncoding::EncodeText(QStringLiteral("Duration")),
                          modTextEncoding::EncodeText(shell::formatReminderDate(fakes().today)));
    mdi()->show();
  }

  // The face-down deck holds as many cards as the part of the deck the
  // reading draws from; the window shows the spread's picture and its first
  // position, and a pick, by mouse or by Space, takes a card off the table.
  void faceDownCards_data() {
    QTest::addColumn<int>("part");
    QTest::addColumn<int>("shown");
    QTest::newRow("whole deck") << int(WholeDeck) << 78;
    QTest::newRow("Major Arcana") << int(MajorOnly) << 22;
    QTest::newRow("Minor Arcana") << int(MinorOnly) << 56;
  }
  void faceDownCards() {
    QFETCH(int, part);
    QFETCH(int, shown);
    frmTarotManual* w = startManual(9, Part(part));
    QVERIFY(w && w->FormVisible());
    QVERIFY(!Forms::find<frmTarot>()->isVisible());
    QVERIFY(mdi()->picMain->isHidden());
    for (int i = 0; i < frmTarotManual::kDeckSize; ++i) {
      QCOMPARE(faceDown(w, i)->isHidden(), i >= shown);
      QCOMPARE(faceDown(w, i)->isEnabled(), i < shown);
    }
    QCOMPARE(rgb(w->picManual->pixmap()), rgb(platform::loadPicture(TarotSpreadTable::picturePath(9))));
    QCOMPARE(shownText(w), QStringLiteral("Card 1\r\nRepresent the past."));

    faceDown(w, 5)->click();
    QAbstractButton* byKey = faceDown(w, shown - 1);
    byKey->setFocus();
    QTest::keyClick(byKey, Qt::Key_Space);
    for (QAbstractButton* picked : {faceDown(w, 5), byKey}) {
      QVERIFY(picked->isHidden());
      QVERIFY(!picked->isEnabled());
    }
    QCOMPARE(cardsOnTable(w).size(), shown - 2);
    faceDown(w, 5)->click();  // a picked card cannot be picked again
    QCOMPARE(w->intPicked, 2);
    QCOMPARE(shownText(w), QStringLiteral("Card 3\r\nRepresent the past."));
  }

  // The position the next pick fills, shown exactly as the report writes it,
  // after a number of picks.
  void positionTexts_data() {
    QTest::addColumn<int>("spread");
    QTest::addColumn<int>("picks");
    QTest::addColumn<QString>("text");
    QTest::newRow("One Card") << 1 << 0
        << "Card 1:  This represents the most important factor that affects the issue in hand.";
    QTest::newRow("Two Cards, second") << 2 << 1
        << "Card 2: This card signifies what can happen if you carry out the solution that this card represents.";
    QTest::newRow("The Line, third") << 5 << 2 << "Card 3 - This card represents the present.";
    QTest::newRow("Three Cards, second") << 3 << 1
        << "Card 2 - Present\r\nThis card represents the present state surrounding some current event or "
           "situation. This may also be the problems and obstacles that the person may have to face.";
    QTest::newRow("Romany, eighth") << 9 << 7 << "Card 8\r\nRepresent the present.";
    QTest::newRow("Celtic Cross, last") << 0 << 9
        << "Card 10: The Outcome\r\nThis represents the final outcome of the situation.";
  }
  void positionTexts() {
    QFETCH(int, spread);
    QFETCH(int, picks);
    QFETCH(QString, text);
    frmTarotManual* w = startManual(spread);
    const auto& positions = TarotSpreadTable::row(spread).positionTexts;
    for (int m = 0; m < picks; ++m) {
      QVERIFY(shownText(w).startsWith(positions[std::size_t(m)].title));
      pick(w, 1);
    }
    QCOMPARE(shownText(w), text);
    QVERIFY(!w->isCompleting());
    QVERIFY(!tarotState().lngChosenCards.hasBounds());  // nothing drawn while picking
  }

  // A spread or position the table does not have leaves the text as it was.
  void unknownPositionLeavesText_data() {
    QTest::addColumn<QString>("spreadName");
    QTest::addColumn<QString>("position");
    QTest::newRow("past the last position") << "Three Cards" << "3";
    QTest::newRow("other letter case") << "three cards" << "0";
    QTest::newRow("trailing blank") << "Three Cards " << "0";
    QTest::newRow("not a number") << "Three Cards" << "x";
  }
  void unknownPositionLeavesText() {
    QFETCH(QString, spreadName);
    QFETCH(QString, position);
    frmTarotManual* w = startManual(3);
    const QString before = shownText(w);
    w->strSpread = spreadName;
    w->ShowCardInfo(position);
    QCOMPARE(shownText(w), before);
  }

  // The manual rule: ten times the value, rounded half to even; odd means
  // reversed.
  void reversalRule_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("reversed");
    QTest::newRow("0") << 0.0 << false;
    QTest::newRow("0.0625 -> 1") << 0.0625 << true;
    QTest::newRow("0.1 -> 1") << 0.1 << true;
    QTest::newRow("0.125 -> 1") << 0.125 << true;
    QTest::newRow("0.25 half -> 2") << 0.25 << false;
    QTest::newRow("0.375 -> 4") << 0.375 << false;
    QTest::newRow("0.5 -> 5") << 0.5 << true;
    QTest::newRow("0.75 half -> 8") << 0.75 << false;
    QTest::newRow("0.9375 -> 9") << 0.9375 << true;
    QTest::newRow("0.96875 -> 10") << 0.96875 << false;
    QTest::newRow("largest value -> 10") << 1.0 - 1.0 / 16777216.0 << false;
  }
  void reversalRule() {
    QFETCH(double, value);
    QFETCH(bool, reversed);
    QCOMPARE(ManualReading::liesReversed(value), reversed);
  }

  // The cards and reversed cards of a completed Three Cards pick: one draw
  // per attempt, repeats refused, a reversal value per card only where
  // reversed cards are allowed; the board's pictures follow.
  void completedPick_data() {
    QTest::addColumn<int>("part");
    QTest::addColumn<bool>("reversals");
    QTest::addColumn<QList<double>>("values");
    QTest::addColumn<QList<int>>("cards");
    QTest::addColumn<QList<int>>("reversed");
    QTest::newRow("whole deck, upright")
        << int(WholeDeck) << false << QList<double>{whole(0), whole(0), whole(77), whole(40)}
        << QList<int>{0, 77, 40} << QList<int>{};
    QTest::newRow("whole deck, reversed")
        << int(WholeDeck) << true << QList<double>{whole(5), 0.1, whole(6), 0.25, whole(7), 0.5}
        << QList<int>{5, 6, 7} << QList<int>{5, 7};
    QTest::newRow("Major Arcana, upright")
        << int(MajorOnly) << false << QList<double>{major(21), major(0), major(21), major(10)}
        << QList<int>{21, 0, 10} << QList<int>{};
    QTest::newRow("Major Arcana, reversed")
        << int(MajorOnly) << true
        << QList<double>{major(1), 0.0, major(21), 0.94, major(1), major(3), 0.96875}
        << QList<int>{1, 21, 3} << QList<int>{21};
    QTest::newRow("Minor Arcana, upright")
        << int(MinorOnly) << false << QList<double>{minor(22), minor(77), minor(50)}
        << QList<int>{22, 77, 50} << QList<int>{};
    QTest::newRow("Minor Arcana, reversed")
        << int(MinorOnly) << true
        << QList<double>{minor(77), 0.125, minor(77), minor(22), 0.75, minor(30), 0.0625}
        << QList<int>{77, 22, 30} << QList<int>{77, 30};
  }
  void completedPick() {
    QFETCH(int, part);
    QFETCH(bool, reversals);
    QFETCH(QList<double>, values);
    QFETCH(QList<int>, cards);
    QFETCH(QList<int>, reversed);
    frmTarotManual* w = startManual(3, Part(part), reversals);
    scriptRnd(values);
    pick(w, 3);

    const TarotReadingState& st = tarotState();
    QCOMPARE(toList(st.lngChosenCards), cards);  // one element per card, no spare
    QCOMPARE(toList(st.lngReversedCards), reversed);
    QCOMPARE(st.lngReversedCards.hasBounds(), !reversed.isEmpty());
    QVERIFY(st.blnManualMode);
    QVERIFY(script().values.empty());
    QCOMPARE(script().overrun, 0);
    QCOMPARE(fakes().randomizeCalls, 1);  // seeded once for the whole reading
    int paused = 0;
    for (int ms : fakes().sleeps) paused += ms;
    QCOMPARE(paused, 3000);

    frmAuto* board = Forms::find<frmAuto>();
    QVERIFY(board);
    for (int k = 0; k < 3; ++k) {
      const QImage upright = face("r", cards[k]);
      QCOMPARE(rgb(board->p[std::size_t(k)]->pixmap()),
               reversed.contains(cards[k]) ? rgb(platform::turnHalf(upright)) : upright);
    }
    reportmarkup::compareReport(mdi()->RTB, threeCardsReport(cards, reversed));
  }

  // Where a finished manual reading leaves the windows. While the cards are
  // drawn (the event pump running between draws) nothing of the main window
  // is painted; once they lie, the board is painted with its cards.
  void completionHandsOver() {
    frmTarotManual* w = startManual(3);
    PaintWatch duringPumps, afterPumps;
    int pumps = 0;
    const auto doEvents = platform::services().doEvents;
    platform::services().doEvents = [&] {
      ++pumps;
      afterPumps.watching = false;
      afterPumps.painted.clear();
      duringPumps.watching = true;
      doEvents();
      duringPumps.watching = false;
      afterPumps.watching = true;
    };
    pick(w, 3);
    platform::services().doEvents = doEvents;
    QVERIFY(pumps >= 3);
    QCOMPARE(duringPumps.painted.size(), 0);
    frmAuto* board = Forms::find<frmAuto>();
    QVERIFY(board && board->slotArea()->isVisible());
    QTRY_VERIFY(afterPumps.painted.contains(board->p[0]));
    afterPumps.watching = false;
    QVERIFY(Forms::isLoaded<frmTarotManual>());
    QVERIFY(!w->FormVisible());
    QVERIFY(!w->isCompleting());
    frmMDI* m = mdi();
    QVERIFY(!m->picRight->isHidden());
    QVERIFY(!m->picTop->isHidden());
    QVERIFY(m->picMain->isHidden());
    QCOMPARE(m->RTB->SelStart(), 0);
    const double strips = platform::twHeight(m->picTop) + platform::twHeight(m->Picture1) +
                          platform::twHeight(m->PicCoBrand) + platform::twHeight(m->Picture6);
    QCOMPARE(platform::twHeight(m->RTB), platform::screenHeightTwips() - (strips + 1200));
    QCOMPARE(m->txtName->text(), QStringLiteral("Ann"));
    QCOMPARE(m->txtDOB->text(), QStringLiteral("1 January 1980"));
    QCOMPARE(m->txtCountry->text(), QStringLiteral("Peru"));
    QCOMPARE(m->questionText(), QStringLiteral("Will it rain?"));
    QVERIFY(w->picMessage->isVisibleTo(w));
  }

  // Each spread's cards lie at the spread's slot positions, numbered, the
  // crossing card of the Celtic Cross upright and a quarter turn across the
  // first; no other slot shows. The text box keeps the last placement's text.
  void placement_data() {
    QTest::addColumn<int>("spread");
    QTest::addColumn<QString>("lastText");
    const QString nine10 = "Card 9: The Inside\r\nCard 10: The Outcome";
    QTest::newRow("Celtic Cross") << 0 << nine10;
    QTest::newRow("One Card") << 1
        << "Card 1:  This represents the most important factor that affects the issue in hand.";
    QTest::newRow("Two Cards") << 2
        << "Card 2: This card signifies what can happen if you carry out the solution that this card represents.";
    QTest::newRow("Three Cards") << 3
        << "Card 3 - Future\r\nThis card represents the future outcome of the present circumstances or "
           "events that may lead to the outcome.";
    QTest::newRow("Ulvarin Wheel") << 4
        << "Card 5 - Synthesis\r\nThis represents the synthesis of the whole situation and the meaning "
           "of all the influences.";
    QTest::newRow("The Line") << 5 << "Card 5 - This card represents the distant future.";
    QTest::newRow("Chakra") << 6
        << "Card 7 - The Crown\r\nThis represents the querent's connection to a higher begin whom he "
           "reveres, final goals and aspirations.";
    QTest::newRow("Four Seasons") << 7 << "Card 8\r\nThis card alters Card 1.";
    QTest::newRow("Relationship") << 8 << "Card 10 tells the ways your partner can improve your relationship.";
    QTest::newRow("Romany") << 9 << "";
    QTest::newRow("Zodiac") << 10
        << "Card 12 is Related to Pisces which represents your strengths and weaknesses.";
    QTest::newRow("Tree of Life") << 11 << "Card 10 - feet: Reveals our basic nature.";
    QTest::newRow("Numerology") << 12 << "";
  }
  void placement() {
    QFETCH(int, spread);
    QFETCH(QString, lastText);
    const int n = TarotSpreadTable::row(spread).positions;
    frmTarotManual* w = startManual(spread);
    // Every card reversed, so a crossing card lies upright only by its turn.
    QList<double> values;
    for (int k = 0; k < n; ++k) values << whole(3 * k + 1) << 0.1;
    scriptRnd(values);
    pick(w, n);

    frmAuto* board = Forms::find<frmAuto>();
    QVERIFY(board);
    const TarotReadingState& st = tarotState();
    QCOMPARE(st.lngChosenCards.count(), n);
    QCOMPARE(st.lngReversedCards.count(), n);
    const auto& places = SpreadSlotLayout::positions(spread);
    for (int k = 0; k < frmAuto::kSlotCount; ++k) {
      QLabel* slot = board->p[std::size_t(k)];
      QCOMPARE(slot->isHidden(), k >= n);
      QCOMPARE(board->lbl[std::size_t(k)]->isHidden(), k >= n);
      if (k >= n) continue;
      QVERIFY(board->lbl[std::size_t(k)]->isEnabled());
      QCOMPARE(platform::twLeft(slot), places[std::size_t(k)].left);
      QCOMPARE(platform::twTop(slot), places[std::size_t(k)].top);
      const QImage upright = face("r", 3 * k + 1);
      if (spread == 0 && k == 1) {
        QVERIFY(slot->width() > slot->height());
        QCOMPARE(rgb(slot->pixmap()), rgb(platform::turnQuarter(upright)));
      } else {
        QVERIFY(slot->height() > slot->width());
        QCOMPARE(rgb(slot->pixmap()), rgb(platform::turnHalf(upright)));
      }
    }
    QCOMPARE(shownText(w), lastText);
    // The report still names the crossing card as it was drawn.
    if (spread == 0) QVERIFY(mdi()->RTB->Text().contains(TarotCardTable::reversedName(4)));
  }

  // The texts the window shows as the cards are laid, slot by slot.
  void placementTexts_data() {
    QTest::addColumn<int>("spread");
    QTest::addColumn<int>("slot");
    QTest::addColumn<bool>("writes");
    QTest::addColumn<QString>("text");
    QTest::newRow("Celtic Cross 0") << 0 << 0 << true << "Card 2\r\n\r\nThe Crossing";
    QTest::newRow("Celtic Cross 1") << 0 << 1 << true << "Card 3: The Root";
    QTest::newRow("Celtic Cross 8") << 0 << 8 << true << "Card 9: The Inside\r\nCard 10: The Outcome";
    QTest::newRow("Celtic Cross 9") << 0 << 9 << false << "";
    QTest::newRow("One Card 0") << 1 << 0 << false << "";
    QTest::newRow("Two Cards 1") << 2 << 1 << false << "";
    QTest::newRow("Three Cards 0") << 3 << 0 << true
        << "Card 2 - Present\r\nThis card represents the present state surrounding some current event or "
           "situation. This may also be the problems and obstacles that the person may have to face.";
    QTest::newRow("Relationship 0") << 8 << 0 << true << "Card 2 represents your partner's view towards you.";
    QTest::newRow("Romany 5") << 9 << 5 << true << "Card 7 represents the past";
    QTest::newRow("Romany 6") << 9 << 6 << true << "Card 8 represents the present";
    QTest::newRow("Romany 13") << 9 << 13 << true << "Card 15 reflects the future";
    QTest::newRow("Romany 20") << 9 << 20 << true << "";
    QTest::newRow("Zodiac 0") << 10 << 0 << true
        << "Card 2 is Related to Taurus which represents your financial and business matters.";
    QTest::newRow("Tree of Life 0") << 11 << 0 << true
        << "Card 2 - Right temple: Reveals the basic emotions, feelings and intuitions.";
    QTest::newRow("Numerology 0") << 12 << 0 << true << "";
    QTest::newRow("Numerology 8") << 12 << 8 << false << "";
    QTest::newRow("beyond the spread") << 3 << 7 << false << "";
  }
  void placementTexts() {
    QFETCH(int, spread);
    QFETCH(int, slot);
    QFETCH(bool, writes);
    QFETCH(QString, text);
    const std::optional<QString> got = ManualReading::placementText(spread, slot);
    QCOMPARE(got.has_value(), writes);
    if (writes) QCOMPARE(*got, text);
  }

  // Whatever came before, a manual reading is laid out on a freshly loaded
  // board and reports and records only its own cards.
  void startsClean_data() {
    QTest::addColumn<QString>("before");
    QTest::newRow("after Back") << "back";
    QTest::newRow("after an opened reading") << "opened";
    QTest::newRow("after an automatic reading") << "automatic";
    QTest::newRow("a reading opened while picking") << "opened while picking";
  }
  void startsClean() {
    QFETCH(QString, before);
    frmTarotManual* w = nullptr;
    if (before == "back") {
      frmTarotManual* first = startManual(0);
      pick(first, 4);
      first->cmdBack->click();
      QVERIFY(!Forms::isLoaded<frmTarotManual>());
      QVERIFY(Forms::find<frmTarotFront>()->FormVisible());
      QVERIFY(mdi()->picMain->isHidden());
      frmTarot* page = Forms::find<frmTarot>();
      Forms::find<frmTarotFront>()->cmdNext->click();
      QCOMPARE(Forms::find<frmTarot>(), page);
      w = startManual(3);
      QVERIFY(w != first);
      QCOMPARE(w->intPicked, 0);
      QCOMPARE(cardsOnTable(w).size(), 78);
    } else if (before == "opened") {
      openSpreadPage();
      openSaved(savedCelticCross());
      QVERIFY(Forms::find<frmAuto>());
      Forms::find<frmTarotFront>()->cmdNext->click();
      w = startManual(3);
    } else if (before == "automatic") {
      frmTarot* page = openSpreadPage();
      page->lstOption->setCurrentRow(9);
      page->cmdAuto->click();
      QCOMPARE(tarotState().lngChosenCards.count(), 22);
      w = startManual(3);  // through the mode button: a new tarot visit
    } else {
      w = startManual(3);
      pick(w, 1);
      openSaved(savedCelticCross());
      QCOMPARE(tarotState().lngChosenCards.count(), 11);
    }
    fakes().randomizeCalls = 0;
    scriptRnd({whole(70), 0.1, whole(3), 0.0, whole(12), 0.0});
    pick(w, 3 - w->intPicked);

    const TarotReadingState& st = tarotState();
    QCOMPARE(toList(st.lngChosenCards), (QList<int>{70, 3, 12}));
    QCOMPARE(toList(st.lngReversedCards), QList<int>{70});
    QCOMPARE(fakes().randomizeCalls, 1);
    reportmarkup::compareReport(mdi()->RTB, threeCardsReport({70, 3, 12}, {70}));
    frmAuto* board = Forms::find<frmAuto>();
    for (int k = 0; k < frmAuto::kSlotCount; ++k) QCOMPARE(board->p[std::size_t(k)]->isHidden(), k >= 3);
    QCOMPARE(rgb(board->p[1]->pixmap()), face("r", 3));
    QVERIFY(mdi()->picMain->isHidden());
  }

  // Save writes every card of a manual reading; Print prints its report;
  // opening the saved file lays the same reading out again.
  void saveThenPrintThenOpen() {
    frmTarotManual* w = startManual(0, WholeDeck, true, 1);
    const QList<int> cards = {3, 40, 12, 1, 77, 22, 5, 60, 31, 18};
    const QList<double> turns = {0.0, 0.1, 0.0, 0.5, 0.0, 0.0, 0.0, 0.9, 0.0, 0.0};
    QList<double> values;
    for (int k = 0; k < 10; ++k) values << whole(cards[k]) << turns[k];
    scriptRnd(values);
    pick(w, 10);

    const QString path = testsupport::tempDir() + "/manual.lqs";
    QFile::remove(path);
    fakes().saveChoices.push_back(path);
    mdi()->cmdSave->click();
    QByteArray expected = line("sCeltic Cross") + line("dm");
    for (int c : cards) expected += line("c" + QString::number(c));
    for (int c : {40, 1, 60}) expected += line("r" + QString::number(c));
    QCOMPARE(readAll(path), expected);

    mdi()->cmdPrint->click();
    QCOMPARE(fakes().printed.size(), 1);
    QVERIFY(fakes().printed[0].contains(TarotCardTable::reversedName(60)));
    QVERIFY(fakes().printed[0].contains(TarotCardTable::name(77)));

    const QString report = mdi()->RTB->Text();
    frmAuto* board = Forms::find<frmAuto>();
    QList<QImage> pictures;
    for (int k = 0; k < 10; ++k) pictures << rgb(board->p[std::size_t(k)]->pixmap());
    QCOMPARE(pictures[1], rgb(platform::turnQuarter(face("m", 40))));
    QCOMPARE(pictures[3], rgb(platform::turnHalf(face("m", 1))));

    openSaved(path);
    QCOMPARE(mdi()->RTB->Text(), report);
    for (int k = 0; k < 10; ++k) QCOMPARE(rgb(board->p[std::size_t(k)]->pixmap()), pictures[k]);
  }

  // A click on a face-down card that arrives while the cards are drawn
  // picks nothing: one reading, written once.
  void clickWhileLayingOut() {
    frmTarotManual* w = startManual(3, WholeDeck, false);
    bool clicked = false;
    platform::services().doEvents = [w, &clicked] {
      if (!clicked && w->isCompleting() && Forms::isLoaded<frmAuto>()) {
        clicked = true;
        faceDown(w, 77)->click();
      }
    };
    pick(w, 3);
    QVERIFY(clicked);
    QCOMPARE(tarotState().lngChosenCards.count(), 3);
    QCOMPARE(mdi()->RTB->Text().count(QStringLiteral("Thank You for using Auravane")), 1);
    QVERIFY(!faceDown(w, 77)->isHidden());
  }

  // A reading that cannot be laid out to its end is dropped, never left
  // half-drawn: a generator that keeps repeating itself, or the tarot
  // windows closed by a mode switch in the middle of the draw.
  void readingThatCannotFinish_data() {
    QTest::addColumn<bool>("modeSwitch");
    QTest::newRow("generator repeats itself") << false;
    QTest::newRow("mode switch during the draw") << true;
  }
  void readingThatCannotFinish() {
    QFETCH(bool, modeSwitch);
    frmTarotManual* w = startManual(3, WholeDeck, false);
    int draws = 0;
    platform::services().rnd = [&draws] { return ++draws, 0.3; };
    if (modeSwitch)
      platform::services().doEvents = [] {
        if (Forms::isLoaded<frmAuto>()) mdi()->cmdSelectOption[1]->click();
      };
    pick(w, 3);

    const TarotReadingState& st = tarotState();
    QVERIFY(!st.lngChosenCards.hasBounds());
    QVERIFY(!st.lngReversedCards.hasBounds());
    QVERIFY(!Forms::isLoaded<frmAuto>());
    QVERIFY(!Forms::isLoaded<frmTarotManual>());
    QVERIFY(mdi()->picRight->isHidden());
    if (modeSwitch) {
      QCOMPARE(draws, 0);
      QVERIFY(fakes().boxes.isEmpty());
      QVERIFY(Forms::isLoaded<frmTarotOpen>());
    } else {
      QCOMPARE(draws, 1 + CardDeal::kMaxAttemptsPerPosition);
      QCOMPARE(fakes().boxes.size(), 1);
      QCOMPARE(fakes().boxes[0].style, int(platform::vbCritical));
      QVERIFY(!mdi()->picMain->isHidden());
    }
  }

  // Back, Start Again, Exit, its menu item and the close box.
  void leaving_data() {
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("toFrontPage");
    QTest::newRow("Back") << "back" << true;
    QTest::newRow("Start Again") << "start again" << true;
    QTest::newRow("Exit") << "exit" << false;
    QTest::newRow("File Exit") << "file exit" << false;
    QTest::newRow("close box") << "close" << false;
  }
  void leaving() {
    QFETCH(QString, how);
    QFETCH(bool, toFrontPage);
    frmTarotManual* w = startManual(0);
    pick(w, 2);
    if (how == "back") w->cmdBack->click();
    else if (how == "start again") w->mnuStart->trigger();
    else if (how == "exit") w->cmdCancel->click();
    else if (how == "file exit") w->mnuExit->trigger();
    else w->frame()->close();
    QVERIFY(!Forms::isLoaded<frmTarotManual>());
    QCOMPARE(Forms::find<frmTarotFront>()->FormVisible(), toFrontPage);
    QCOMPARE(mdi()->picMain->isHidden(), toFrontPage);
    QVERIFY(Forms::isLoaded<frmTarot>());
    QVERIFY(!Forms::find<frmTarot>()->FormVisible());
    QVERIFY(!Forms::isLoaded<frmAuto>());
    QVERIFY(!tarotState().lngChosenCards.hasBounds());
  }

  // The links of the window and its switched-off menu.
  void links() {
    frmTarotManual* w = startManual(1);
    QVERIFY(!w->mnuMakeMoney->isEnabled());
    QCOMPARE(w->windowTitle(), QStringLiteral("Dravenna"));
    emit w->Label6->Click();
    for (QAction* a : {w->mnuOnline, w->mnuVisit, w->mnuUpdate, w->mnuDona}) a->trigger();
    // The About box opens modally over the window; close it from inside.
    bool aboutShown = false;
    QTimer::singleShot(0, [&] {
      if (platform::Form* about = Forms::findByName("frmAbout")) {
        aboutShown = about->FormVisible();
        Forms::unload(about);
      }
    });
    w->mnuAbout->trigger();
    QVERIFY(aboutShown);
    QStringList pages;
    for (const QUrl& u : fakes().urls) pages << pageOf(u);
    QCOMPARE(pages, (QStringList{"home-page", "help-web-page", "home-page", "download-web-page", "donate"}));
    QVERIFY(w->FormVisible());
  }
};

AURAVANE_TEST_MAIN(TestManualReading)
#include "test_manual_reading.moc"

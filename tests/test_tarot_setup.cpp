#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QPainter>
#include <QPlainTextEdit>
#include <QTimer>

#include "platform/Forms.h"
#include "platform/RichTextBox.h"
#include "platform/Settings.h"
#include "platform/Twips.h"
#include "shell/Site.h"
#include "shell/frmMDI.h"
#include "shell/modHelp.h"
#include "shell/modTextEncoding.h"
#include "tarot/BoardLink.h"
#include "tarot/TarotReadingState.h"
#include "tarot/TarotSpreadTable.h"
#include "tarot/frmTarot.h"
#include "tarot/frmTarotFront.h"
#include "tarot/frmTarotOpen.h"
#include "testsupport.h"

using platform::Forms;
using testsupport::fakes;

namespace {

// What a window taking the reading over found in the reading record when it
// loaded.
struct Arrival {
  QString window;
  TarotReadingState state;
};
QList<Arrival>& arrivals() {
  static QList<Arrival> a;
  return a;
}

// Stands in for the spread board: its load "deals" by filling the card
// lists, as a deal does.
class StandInBoard : public QMainWindow, public platform::Form {
 public:
  StandInBoard() : platform::Form(this, Kind::MdiChild) {
    setObjectName(QStringLiteral("frmAuto"));
    resize(300, 200);
  }
  static int loads;

 protected:
  void Form_Load() override {
    ++loads;
    arrivals() << Arrival{QStringLiteral("board"), tarotState()};
    TarotReadingState& st = tarotState();
    st.lngChosenCards.redim(st.lngCardCount);
    for (int k = 0; k < st.lngCardCount; ++k) st.lngChosenCards[k] = 40 + k;
    if (st.blnReverseCards) st.lngReversedCards.append(41);
  }
};
int StandInBoard::loads = 0;

// Stands in for the manual pick window: its pick extends both lists.
class StandInPick : public QWidget, public platform::Form {
 public:
  StandInPick() : platform::Form(this, Kind::MdiChild) { setObjectName(QStringLiteral("frmTarotManual")); }

 protected:
  void Form_Load() override {
    arrivals() << Arrival{QStringLiteral("manual"), tarotState()};
    tarotState().lngChosenCards.append(7);
    tarotState().lngReversedCards.append(7);
  }
};

frmMDI* mdi() { return Forms::get<frmMDI>(); }

// A folder with the two picture folders; each spread picture is filled with
// its own grey level so a test can tell which one is shown.
QString pictureFolder() {
  const QString root = testsupport::tempDir() + QStringLiteral("/program");
  if (!QDir(root + QStringLiteral("/pic")).exists()) {
    QDir().mkpath(root + QStringLiteral("/cards"));
    QDir().mkpath(root + QStringLiteral("/pic"));
    for (int k = 0; k < 13; ++k) {
      QImage img(120, 200, QImage::Format_RGB32);
      img.fill(QColor(10 + 18 * k, 10 + 18 * k, 10 + 18 * k));
      img.save(root + QStringLiteral("/pic/c%1.jpg").arg(k), "JPG", 100);
    }
  }
  return root;
}

int greyShown(const QLabel* box) {
  const QImage img = box->pixmap().toImage();
  if (img.isNull()) return -1;
  return qGray(img.pixel(img.width() / 2, img.height() / 2));
}

void setReminderDate(const QDate& d) {
  platform::SaveSetting(platform::exeName(), QStringLiteral("Settings"), modTextEncoding::EncodeText(QStringLiteral("Duration")),
                        modTextEncoding::EncodeText(shell::formatReminderDate(d)));
}

frmTarotOpen* openSplash() {
  mdi()->cmdSelectOption[1]->click();
  return Forms::find<frmTarotOpen>();
}

frmTarotFront* openFrontPage() {
  frmTarotOpen* splash = openSplash();
  splash->Timer1_Timer();
  splash->cmdContd->click();
  return Forms::find<frmTarotFront>();
}

frmTarot* openSpreadPage() {
  openFrontPage()->cmdNext->click();
  return Forms::find<frmTarot>();
}

void typeInto(QWidget* box, const QString& keys) {
  for (QChar c : keys) {
    if (c == QLatin1Char('\b')) QTest::keyClick(box, Qt::Key_Backspace);
    else if (c == QLatin1Char('\n')) QTest::keyClick(box, Qt::Key_Return);
    else if (c == QChar(22)) QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    else if (c.unicode() < 128) QTest::keyClicks(box, QString(c));
    else {  // a character the keyboard types directly, without a key code
      QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
      QApplication::sendEvent(box, &press);
    }
  }
}

QStringList boxTexts() {
  QStringList out;
  for (const auto& b : fakes().boxes) out << b.text;
  return out;
}

QString pageOf(const QUrl& url) { return url.query().section(QLatin1Char('='), 1); }

}  // namespace

class TestTarotSetup : public QObject {
  Q_OBJECT
 private slots:
  void init() {
    testsupport::resetProgram();
    arrivals().clear();
    StandInBoard::loads = 0;
    tarotState() = TarotReadingState();
    const QString folder = pictureFolder();
    platform::services().programFolder = [folder] { return folder; };
    tarot::handOverRoute().showBoard = [] { Forms::get<StandInBoard>()->Show(); };
    tarot::handOverRoute().showManualPick = [] { Forms::get<StandInPick>()->Show(); };
    setReminderDate(fakes().today);
    mdi()->show();
  }

  // The splash checks both picture folders beside the program; one missing
  // ends the program after its message, and the update reminder's question
  // comes first.
  void splashFolderCheck_data() {
    QTest::addColumn<bool>("cards");
    QTest::addColumn<bool>("pic");
    QTest::addColumn<bool>("reminderDue");
    QTest::newRow("both present") << true << true << false;
    QTest::newRow("pic missing") << true << false << false;
    QTest::newRow("cards missing") << false << true << false;
    QTest::newRow("both missing") << false << false << false;
    QTest::newRow("reminder due, pic missing") << true << false << true;
  }
  void splashFolderCheck() {
    QFETCH(bool, cards);
    QFETCH(bool, pic);
    QFETCH(bool, reminderDue);
    QDir root(testsupport::tempDir() + QStringLiteral("/folders-") + QTest::currentDataTag());
    root.removeRecursively();
    QDir().mkpath(root.path());
    if (cards) root.mkdir(QStringLiteral("cards"));
    else QFile(root.filePath(QStringLiteral("cards"))).open(QIODevice::WriteOnly);  // a file is no folder
    if (pic) root.mkdir(QStringLiteral("pic"));
    platform::services().programFolder = [path = root.path()] { return path; };
    if (reminderDue) setReminderDate(fakes().today.addDays(-30));

    frmTarotOpen* splash = openSplash();
    const QString missing = QStringLiteral("Cards or Spread Pictures are missing.\rPlease Reinstall Software.");
    QStringList expected;
    if (reminderDue) expected << QStringLiteral("There maybe an update to this software available\rDo you want to check for an update?");
    if (!cards || !pic) expected << missing;
    QCOMPARE(boxTexts(), expected);
    if (cards && pic) {
      QVERIFY(splash && splash->FormVisible());
      QCOMPARE(fakes().endCalls, 0);
    } else {
      QCOMPARE(fakes().boxes.last().style, int(platform::vbInformation));
      QCOMPARE(fakes().endCalls, 1);
      QVERIFY(Forms::loadedForms().empty());
    }
  }

  // Continue stays hidden and disabled until the timer's first tick; it then
  // opens the front page and hides the splash. A new visit starts hidden
  // again.
  void splashTimerAndContinue() {
    frmTarotOpen* splash = openSplash();
    QVERIFY(splash->Timer1->isActive());
    QCOMPARE(splash->Timer1->interval(), 3000);
    QVERIFY(!splash->cmdContd->isVisible());
    QVERIFY(!splash->cmdContd->isEnabled());
    QCOMPARE(splash->Left(), (platform::screenWidthTwips() - splash->Width()) / 2);
    QCOMPARE(splash->Top(), 0.0);

    splash->Timer1_Timer();
    QVERIFY(splash->cmdContd->isVisible());
    QVERIFY(splash->cmdContd->isEnabled());
    splash->cmdContd->click();
    frmTarotFront* front = Forms::find<frmTarotFront>();
    QVERIFY(front && front->FormVisible());
    QVERIFY(splash->isLoaded() && !splash->FormVisible());
    QVERIFY(!mdi()->picMain->isVisible());

    frmTarotOpen* again = openSplash();
    QVERIFY(again != splash);
    QVERIFY(!again->cmdContd->isVisible());
    QVERIFY(!Forms::isLoaded<frmTarotFront>());
  }

  // A fresh front page, and both resets bring it back to exactly that.
  void frontPageResets_data() {
    QTest::addColumn<bool>("viaMenu");
    QTest::newRow("button") << false;
    QTest::newRow("menu") << true;
  }
  void frontPageResets() {
    QFETCH(bool, viaMenu);
    frmTarotFront* front = openFrontPage();
    QCOMPARE(front->cmbDate->count(), 31);
    QCOMPARE(front->cmbMonth->count(), 12);
    QCOMPARE(front->cmbYear->count(), 151);
    QCOMPARE(front->cmbYear->itemText(150), QStringLiteral("2050"));
    auto fresh = [front] {
      return front->txtName->text().isEmpty() && front->txtCountry->text().isEmpty() &&
             front->txtQuestion->toPlainText().isEmpty() && front->cmbDate->currentText() == "1" &&
             front->cmbMonth->currentText() == "January" && front->cmbYear->currentText() == "1980";
    };
    QVERIFY(fresh());
    front->txtName->setText("Ann");
    front->txtCountry->setText("Peru");
    front->txtQuestion->setPlainText("Why?");
    front->cmbDate->setCurrentIndex(30);
    front->cmbMonth->setCurrentIndex(11);
    front->cmbYear->setCurrentIndex(150);
    if (viaMenu) front->mnuReset->trigger();
    else front->cmdReset->click();
    QVERIFY(fresh());
  }

  // The name and country boxes take letters, space and backspace; anything
  // else is dropped with the box's own message.
  void nameAndCountryKeys_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("messages");
    QTest::newRow("letters and space") << "txtName" << "Ann Lee" << "Ann Lee" << 0;
    QTest::newRow("digit") << "txtName" << "Ann2" << "Ann" << 1;
    QTest::newRow("hyphen") << "txtName" << "Ann-Lee" << "AnnLee" << 1;
    QTest::newRow("apostrophe") << "txtName" << "O'Hara" << "OHara" << 1;
    QTest::newRow("enter") << "txtName" << "Ann\n" << "Ann" << 1;
    QTest::newRow("backspace") << "txtName" << "Anx\bn" << "Ann" << 0;
    QTest::newRow("ctrl+v") << "txtName" << QString("Ann") + QChar(22) << "Ann" << 1;
    QTest::newRow("accented letter") << "txtName" << QString("Ren") + QChar(0xE9) << "Ren" << 1;
    QTest::newRow("country digit") << "txtCountry" << "Peru1" << "Peru" << 1;
    QTest::newRow("country dot") << "txtCountry" << "U.S" << "US" << 1;
    QTest::newRow("question takes all") << "txtQuestion" << "Will I, at 30-ish?" << "Will I, at 30-ish?" << 0;
  }
  void nameAndCountryKeys() {
    QFETCH(QString, box);
    QFETCH(QString, keys);
    QFETCH(QString, text);
    QFETCH(int, messages);
    frmTarotFront* front = openFrontPage();
    QWidget* w = front->findChild<QWidget*>(box);
    QVERIFY(w);
    typeInto(w, keys);
    auto* line = qobject_cast<QLineEdit*>(w);
    QCOMPARE(line ? line->text() : qobject_cast<QPlainTextEdit*>(w)->toPlainText(), text);
    QCOMPARE(fakes().boxes.size(), messages);
    const QString message = box == "txtCountry"
                                ? QStringLiteral("Country cannot contain Numbers and Special Characters")
                                : QStringLiteral("Name cannot contain Numbers and Special Characters");
    for (const auto& b : fakes().boxes) {
      QCOMPARE(b.text, message);
      QCOMPARE(b.style, int(platform::vbInformation));
    }
  }

  void keyFilterCodes() {
    for (int code = 0; code < 256; ++code) {
      const bool allowed = (code >= 'A' && code <= 'Z') || (code >= 'a' && code <= 'z') || code == 32 ||
                           code == 8 || code == 127;
      QCOMPARE(tarot::isNameKey(code), allowed);
    }
  }

  // Next copies the four fields to the spread page as typed, the date day
  // first, and hides the front page.
  void nextCarriesFields_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("country");
    QTest::addColumn<QString>("question");
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("year");
    QTest::addColumn<QString>("dob");
    QTest::newRow("all empty") << "" << "" << "" << 0 << 0 << 80 << "1 January 1980";
    QTest::newRow("last entries") << " Ann  Lee " << "Peru" << "Love?\nWork?" << 30 << 11 << 150
                                  << "31 December 2050";
    QTest::newRow("first year") << "Bo" << "Chad" << "x" << 8 << 6 << 0 << "9 July 1900";
  }
  void nextCarriesFields() {
    QFETCH(QString, name);
    QFETCH(QString, country);
    QFETCH(QString, question);
    QFETCH(int, day);
    QFETCH(int, month);
    QFETCH(int, year);
    QFETCH(QString, dob);
    frmTarotFront* front = openFrontPage();
    front->txtName->setText(name);
    front->txtCountry->setText(country);
    front->txtQuestion->setPlainText(question);
    front->cmbDate->setCurrentIndex(day);
    front->cmbMonth->setCurrentIndex(month);
    front->cmbYear->setCurrentIndex(year);
    front->mnuNext->trigger();
    frmTarot* page = Forms::find<frmTarot>();
    QVERIFY(page && page->FormVisible());
    QCOMPARE(page->txtName->text(), name);
    QCOMPARE(page->txtDOB->text(), dob);
    QCOMPARE(page->txtCountry->text(), country);
    QCOMPARE(page->questionText(), QString(question).replace("\n", "\r\n"));
    QVERIFY(front->isLoaded() && !front->FormVisible());
    QVERIFY(!mdi()->picMain->isVisible());
  }

  // The front page and the spread page, where readings begin, have the
  // board readied once their own load is done, not during it.
  void pagesReadyTheBoard() {
    QTest::qWait(0);  // what earlier pages left waiting
    int readied = 0;
    const auto real = tarot::handOverRoute().prepareBoard;
    tarot::handOverRoute().prepareBoard = [&readied] { ++readied; };
    frmTarotFront* front = openFrontPage();
    QVERIFY(front);
    QTRY_COMPARE(readied, 1);
    readied = 0;
    front->cmdNext->click();
    QVERIFY(Forms::find<frmTarot>());
    QCOMPARE(readied, 0);
    QTRY_COMPARE(readied, 1);
    tarot::handOverRoute().prepareBoard = real;
    // The readying also makes the main window's querent strip, which the
    // reading shows.
    real();
    QVERIFY(mdi()->txtName && mdi()->cmdSave);
  }

  // Loading the spread page resets the reading record but leaves a saved
  // reading that was read back; the page starts on the first spread and deck.
  void spreadPageLoadResets() {
    TarotReadingState& st = tarotState();
    st.blnOpenedReading = true;
    st.strOpenedSpreadName = "Tree of Life";
    st.lngOpenedCards.redim(2);
    st.strReadLine = "c5";
    st.strReportSpread = "One Card";
    st.lngChosenCards.redim(3);
    st.lngReversedCards.append(4);
    st.blnAutoCast = st.blnManualCast = st.blnManualMode = true;
    st.blnMinorArcana = st.blnReverseCards = true;
    st.lngCardCount = 9;
    st.strDeckLetter = "m";
    frmTarot* page = openSpreadPage();

    QCOMPARE(st.strDeckLetter, QStringLiteral("r"));
    QVERIFY(!st.lngChosenCards.hasBounds());
    QVERIFY(!st.lngReversedCards.hasBounds());
    QVERIFY(!st.blnAutoCast && !st.blnManualCast && !st.blnManualMode);
    QVERIFY(!st.blnMinorArcana && !st.blnMajorArcana && !st.blnReverseCards);
    QCOMPARE(st.strSpreadName, QStringLiteral("-1"));
    QCOMPARE(st.lngCardCount, -1);
    QCOMPARE(st.lngSpreadIndex, 0);
    QVERIFY(st.blnOpenedReading);
    QCOMPARE(st.strOpenedSpreadName, QStringLiteral("Tree of Life"));
    QCOMPARE(st.lngOpenedCards.ubound(), 2);
    QCOMPARE(st.strReadLine, QStringLiteral("c5"));
    QCOMPARE(st.strReportSpread, QStringLiteral("One Card"));

    QCOMPARE(page->lstOption->count(), 13);
    QCOMPARE(page->lstOption->currentItem()->text(), QStringLiteral("Celtic Cross"));
    QCOMPARE(page->txtDisp->toPlainText(), TarotSpreadTable::row(0).description);
    QCOMPARE(greyShown(page->pctCard), 10);
    QCOMPARE(page->cboCards->currentText(), QStringLiteral("Brevanth Tarot Deck"));
    QCOMPARE(page->cboCards->itemText(1), QStringLiteral("Marseilles Tarot Deck"));
    QVERIFY(!page->chkHA->isChecked() && !page->chkLA->isChecked() && page->chkRev->isChecked());
    QCOMPARE(page->no, 10);
    QCOMPARE(page->MaxCardInSet, 0);
    QVERIFY(!page->picMessage->isVisible());
    QVERIFY(!page->mnuFile->isEnabled());
    QVERIFY(!page->mnuMakeMoney->isEnabled());
  }

  // Each spread, chosen in the list or through its File menu item, sets the
  // index, count, description and picture.
  void spreadChoice_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("viaMenu");
    const int counts[13] = {10, 1, 2, 3, 5, 5, 7, 8, 10, 21, 12, 10, 9};
    for (int k = 12; k >= 0; --k) {
      QTest::addRow("list %d (%d cards)", k, counts[k]) << k << false;
      QTest::addRow("menu %d", k) << k << true;
    }
  }
  void spreadChoice() {
    QFETCH(int, index);
    QFETCH(bool, viaMenu);
    frmTarot* page = openSpreadPage();
    if (index == 0) page->lstOption->setCurrentRow(5);  // so that choosing 0 is a change
    if (viaMenu) page->mnuSpreadItem[index]->trigger();
    else page->lstOption->setCurrentRow(index);
    const TarotSpreadTable::Spread& row = TarotSpreadTable::row(index);
    QCOMPARE(page->lstOption->currentRow(), index);
    QCOMPARE(tarotState().lngSpreadIndex, index);
    QCOMPARE(page->i, index);
    QCOMPARE(page->MaxCardInSet, index);
    QCOMPARE(page->no, row.positions);
    QCOMPARE(page->txtDisp->toPlainText(), row.description);
    QCOMPARE(greyShown(page->pctCard), 10 + 18 * index);
    QCOMPARE(tarotState().strSpreadName, QStringLiteral("-1"));  // only the hand-over sets it
  }

  void missingSpreadPictureKeepsPrevious() {
    frmTarot* page = openSpreadPage();
    page->lstOption->setCurrentRow(3);
    QFile::rename(pictureFolder() + "/pic/c4.jpg", pictureFolder() + "/pic/c4.bak");
    page->lstOption->setCurrentRow(4);
    QFile::rename(pictureFolder() + "/pic/c4.bak", pictureFolder() + "/pic/c4.jpg");
    QCOMPARE(greyShown(page->pctCard), 10 + 18 * 3);
    QCOMPARE(page->no, 5);
    QCOMPARE(page->txtDisp->toPlainText(), TarotSpreadTable::row(4).description);
  }

  void deckChoice() {
    frmTarot* page = openSpreadPage();
    page->cboCards->setCurrentIndex(1);
    QCOMPARE(tarotState().strDeckLetter, QStringLiteral("m"));
    page->cboCards->setCurrentIndex(0);
    QCOMPARE(tarotState().strDeckLetter, QStringLiteral("r"));
  }

  // Ticking one arcana box unticks the other; unticking leaves both clear.
  void arcanaBoxes_data() {
    QTest::addColumn<QString>("clicks");  // H = Major Arcana, L = Minor Arcana
    QTest::addColumn<bool>("major");
    QTest::addColumn<bool>("minor");
    QTest::newRow("major") << "H" << true << false;
    QTest::newRow("minor") << "L" << false << true;
    QTest::newRow("major then minor") << "HL" << false << true;
    QTest::newRow("minor then major") << "LH" << true << false;
    QTest::newRow("major twice") << "HH" << false << false;
  }
  void arcanaBoxes() {
    QFETCH(QString, clicks);
    QFETCH(bool, major);
    QFETCH(bool, minor);
    frmTarot* page = openSpreadPage();
    for (QChar c : clicks) (c == 'H' ? page->chkHA : page->chkLA)->click();
    QCOMPARE(page->chkHA->isChecked(), major);
    QCOMPARE(page->chkLA->isChecked(), minor);
  }

  // AutoCast and Manual with every deck, part of the deck and reversal:
  // the record the board or the pick window finds when it loads, the pause,
  // and the panels.
  void handOver_data() {
    QTest::addColumn<bool>("autoCast");
    QTest::addColumn<int>("deck");
    QTest::addColumn<QString>("arcana");
    QTest::addColumn<bool>("reverse");
    for (bool autoCast : {true, false})
      for (int deck : {0, 1})
        for (const char* arcana : {"whole", "major", "minor"})
          for (bool reverse : {true, false})
            QTest::addRow("%s deck %d %s %s", autoCast ? "AutoCast" : "Manual", deck, arcana,
                          reverse ? "reversed" : "upright")
                << autoCast << deck << QString::fromLatin1(arcana) << reverse;
  }
  void handOver() {
    QFETCH(bool, autoCast);
    QFETCH(int, deck);
    QFETCH(QString, arcana);
    QFETCH(bool, reverse);
    frmTarotFront* front = openFrontPage();
    front->txtName->setText("Ann");
    front->txtCountry->setText("Peru");
    front->txtQuestion->setPlainText("Will it rain?");
    front->cmdNext->click();
    frmTarot* page = Forms::find<frmTarot>();
    page->lstOption->setCurrentRow(9);
    page->cboCards->setCurrentIndex(deck);
    if (arcana == "major") page->chkHA->click();
    if (arcana == "minor") page->chkLA->click();
    if (!reverse) page->chkRev->click();
    mdi()->querentStrip();
    mdi()->txtName->setText("aa");

    // During the pause the panel shows and nothing has been handed over yet.
    bool panelDuringPause = true, handedOverDuringPause = false;
    auto fakeSleep = platform::services().sleep;
    platform::services().sleep = [&, fakeSleep](int ms) {
      panelDuringPause = panelDuringPause && page->picMessage->isVisible();
      handedOverDuringPause = handedOverDuringPause || tarotState().blnAutoCast || !arrivals().isEmpty();
      fakeSleep(ms);
    };
    (autoCast ? page->cmdAuto : page->cmdManual)->click();

    QCOMPARE(arrivals().size(), 1);
    const Arrival& a = arrivals().first();
    QCOMPARE(a.window, QString(autoCast ? "board" : "manual"));
    const TarotReadingState& st = a.state;
    QCOMPARE(st.blnAutoCast, autoCast);
    QCOMPARE(st.blnManualCast, !autoCast);
    QCOMPARE(st.blnManualMode, !autoCast);
    QCOMPARE(st.strSpreadName, QStringLiteral("The Romany/ Gypsy Spread"));
    QCOMPARE(st.lngCardCount, 21);
    QCOMPARE(st.lngSpreadIndex, 9);
    QCOMPARE(st.strDeckLetter, QString(deck == 0 ? "r" : "m"));
    QCOMPARE(st.blnMajorArcana, arcana == "major");
    QCOMPARE(st.blnMinorArcana, arcana == "minor");
    QCOMPARE(st.blnReverseCards, reverse);
    QVERIFY(!st.lngChosenCards.hasBounds());
    QVERIFY(!st.lngReversedCards.hasBounds());
    QCOMPARE(page->card, QStringLiteral("The Romany/ Gypsy Spread"));

    int slept = 0;
    for (int ms : fakes().sleeps) slept += ms;
    QCOMPARE(slept, autoCast && !reverse ? 3000 : 0);
    QVERIFY(panelDuringPause);
    QVERIFY(!handedOverDuringPause);

    QVERIFY(page->isLoaded() && !page->FormVisible());
    QVERIFY(!mdi()->picMain->isVisible());
    QCOMPARE(page->picMessage->isVisible(), false);  // the page itself is hidden
    QCOMPARE(page->picMessage->isVisibleTo(page), autoCast);
    QCOMPARE(mdi()->picRight->isVisibleTo(mdi()), autoCast);
    if (autoCast) {
      QCOMPARE(mdi()->txtName->text(), QStringLiteral("Ann"));
      QCOMPARE(mdi()->txtDOB->text(), QStringLiteral("1 January 1980"));
      QCOMPARE(mdi()->txtCountry->text(), QStringLiteral("Peru"));
      QCOMPARE(mdi()->questionText(), QStringLiteral("Will it rain?"));
      const double strips = platform::twHeight(mdi()->picTop) + platform::twHeight(mdi()->Picture1) +
                            platform::twHeight(mdi()->PicCoBrand) + platform::twHeight(mdi()->Picture6);
      QCOMPARE(platform::twHeight(mdi()->RTB), platform::screenHeightTwips() - (strips + 1200));
      platform::Form* board = Forms::findByName("frmAuto");
      QCOMPARE(board->Left(), 0.0);
      QCOMPARE(board->Top(), 0.0);
    } else {
      QCOMPARE(mdi()->txtName->text(), QStringLiteral("aa"));
    }
  }

  // A second reading in the same run starts from a clean record, on the
  // deck the page shows, with a board that loads (and deals) afresh.
  void secondReadingStartsClean() {
    frmTarot* page = openSpreadPage();
    page->cmdManual->click();
    Forms::get<StandInBoard>();  // the manual pick lays its cards on the board
    QVERIFY(tarotState().lngChosenCards.hasBounds());
    // The pick window's Back: the front page again, the pick window gone.
    Forms::get<frmTarotFront>()->Show();
    Forms::unloadByName("frmTarotManual");
    Forms::find<frmTarotFront>()->cmdNext->click();
    QCOMPARE(Forms::find<frmTarot>(), page);  // the same page, not reset
    page->cboCards->setCurrentIndex(1);
    tarotState().strDeckLetter = "r";  // as a saved reading read back since would leave it
    page->lstOption->setCurrentRow(2);
    page->cmdAuto->click();

    QCOMPARE(StandInBoard::loads, 2);
    const TarotReadingState& st = arrivals().last().state;
    QCOMPARE(arrivals().last().window, QStringLiteral("board"));
    QVERIFY(!st.lngChosenCards.hasBounds());
    QVERIFY(!st.lngReversedCards.hasBounds());
    QCOMPARE(st.strDeckLetter, QStringLiteral("m"));
    QCOMPARE(st.lngCardCount, 2);
    QVERIFY(st.blnAutoCast && !st.blnManualMode && !st.blnManualCast);

    // A Manual after an unfinished one starts with a fresh pick window too.
    page->Show();
    page->cmdManual->click();
    QCOMPARE(arrivals().last().window, QStringLiteral("manual"));
    QVERIFY(!arrivals().last().state.lngChosenCards.hasBounds());
    QVERIFY(!Forms::findByName("frmAuto"));
  }

  // The File menu's roads: Manual without the button pressed, AutoCast that
  // ends by closing the page.
  void fileMenuRoads() {
    frmTarot* page = openSpreadPage();
    page->mnuManual->trigger();
    QCOMPARE(arrivals().last().window, QStringLiteral("manual"));
    QVERIFY(!arrivals().last().state.blnManualCast);
    QVERIFY(arrivals().last().state.blnManualMode);

    page->mnuCast->trigger();
    QCOMPARE(arrivals().last().window, QStringLiteral("board"));
    QVERIFY(arrivals().last().state.blnAutoCast);
    QVERIFY(!page->isLoaded());
    QVERIFY(mdi()->picMain->isVisible());
    QVERIFY(Forms::findByName("frmAuto"));
  }

  // Leaving the spread page: Back returns to the front page with the welcome
  // panel hidden; Exit, the close box and the menu's Exit show the panel.
  void leavingSpreadPage_data() {
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("frontLoaded");
    QTest::addColumn<bool>("welcome");
    QTest::newRow("back") << "back" << true << false;
    QTest::newRow("exit") << "exit" << true << true;
    QTest::newRow("close box") << "close" << true << true;
    QTest::newRow("menu exit") << "menu" << false << true;
  }
  void leavingSpreadPage() {
    QFETCH(QString, how);
    QFETCH(bool, frontLoaded);
    QFETCH(bool, welcome);
    frmTarot* page = openSpreadPage();
    if (how == "back") page->cmdBack->click();
    if (how == "exit") page->cmdCancel->click();
    if (how == "close") page->frame()->close();
    if (how == "menu") page->mnuExit->trigger();
    QVERIFY(!page->isLoaded());
    QCOMPARE(Forms::isLoaded<frmTarotFront>(), frontLoaded);
    if (how == "back") QVERIFY(Forms::find<frmTarotFront>()->FormVisible());
    QCOMPARE(mdi()->picMain->isVisibleTo(mdi()), welcome);
  }

  void frontPageExitShowsWelcome() {
    frmTarotFront* front = openFrontPage();
    front->mnuExit->trigger();
    QVERIFY(!front->isLoaded());
    QVERIFY(mdi()->picMain->isVisibleTo(mdi()));
  }

  // Closing the main window while the tarot windows are open unloads them
  // without bringing up a second main window.
  void closingMainWindowWithTarotOpen() {
    openSpreadPage();
    frmMDI* main = mdi();
    Forms::unload(main);
    // Only the exit screen is left.
    QCOMPARE(Forms::loadedForms().size(), std::size_t(1));
    QCOMPARE(Forms::loadedForms()[0]->formWidget()->objectName(), QStringLiteral("frmExitScreen"));
    QVERIFY(!Forms::find<frmMDI>());
  }

  // Every link of the two pages opens its page.
  void links_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("page");
    QTest::newRow("front forum label") << "front" << "Label6" << "home-page";
    QTest::newRow("front business label") << "front" << "lblFullBrand" << "fully-branded";
    QTest::newRow("front help") << "front" << "mnuhelp" << "help-web-page";
    QTest::newRow("front visit") << "front" << "mnuOnline" << "home-page";
    QTest::newRow("front update") << "front" << "mnuupdate" << "download-web-page";
    QTest::newRow("front donate") << "front" << "mnuDon" << "donate";
    QTest::newRow("page forum label") << "page" << "Label6" << "home-page";
    QTest::newRow("page help") << "page" << "mnuOnline" << "help-web-page";
    QTest::newRow("page visit") << "page" << "mnuVisit" << "home-page";
    QTest::newRow("page update") << "page" << "mnuUpdate" << "download-web-page";
    QTest::newRow("page donate") << "page" << "mnuDonate" << "donate";
  }
  void links() {
    QFETCH(QString, window);
    QFETCH(QString, control);
    QFETCH(QString, page);
    QWidget* w = window == "front" ? static_cast<QWidget*>(openFrontPage())
                                   : static_cast<QWidget*>(openSpreadPage());
    if (auto* label = w->findChild<platform::VbLabel*>(control)) {
      QTest::mouseClick(label, Qt::LeftButton);
    } else {
      auto* action = w->findChild<QAction*>(control);
      QVERIFY(action && action->isEnabled());
      action->trigger();
    }
    QCOMPARE(fakes().urls.size(), 1);
    QCOMPARE(fakes().urls.first().toString(), shell::pageAddress(page));
  }
};

AURAVANE_TEST_MAIN(TestTarotSetup)
#include "test_tarot_setup.moc"

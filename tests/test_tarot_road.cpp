#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTimer>

#include "board/frmAuto.h"
#include "manual/frmTarotManual.h"
#include "platform/ChildMenus.h"
#include "platform/Forms.h"
#include "platform/Settings.h"
#include "platform/Twips.h"
#include "platform/WindowServices.h"
#include "shell/frmMDI.h"
#include "shell/modTextEncoding.h"
#include "shell/modHelp.h"
#include "tarot/frmTarot.h"
#include "tarot/frmTarotFront.h"
#include "tarot/frmTarotOpen.h"
#include "tarotfixtures.h"
#include "testsupport.h"

using platform::Forms;
using namespace tarotfixtures;

// The tarot road as a person goes it with the keyboard and the menus: one
// menu bar, the focus after every hand-over, Tab and Enter in every window,
// the board beside the report, and text that shows whole.
namespace {

frmMDI* mdi() { return Forms::get<frmMDI>(); }

frmTarotOpen* openSplash() {
  mdi()->cmdSelectOption[1]->click();
  return Forms::find<frmTarotOpen>();
}

frmTarotFront* openFront() {
  frmTarotOpen* splash = openSplash();
  splash->Timer1_Timer();
  splash->cmdContd->click();
  return Forms::find<frmTarotFront>();
}

frmTarot* openSpreadPage() {
  frmTarotFront* front = openFront();
  front->txtName->setText(QStringLiteral("Ann"));
  front->txtQuestion->setPlainText(QStringLiteral("Will it rain?"));
  front->cmdNext->click();
  return Forms::find<frmTarot>();
}

frmTarotManual* openManual(int spread) {
  frmTarot* page = openSpreadPage();
  page->lstOption->setCurrentRow(spread);
  page->cmdManual->click();
  return Forms::find<frmTarotManual>();
}

QAbstractButton* faceDown(frmTarotManual* w, int i) {
  return w->findChild<QAbstractButton*>(QStringLiteral("p(%1)").arg(i));
}

QString savedCelticCross() {
  QByteArray b = line("sCeltic Cross") + line("dr");
  for (int c : {3, 40, 12, 0, 77, 22, 5, 60, 31, 18}) b += line("c" + QString::number(c));
  return writeFile("road.lqs", b + line("r40"));
}

QStringList captions(const QList<QAction*>& actions) {
  QStringList out;
  for (QAction* a : actions) out << a->text();
  return out;
}

// The menu bars on screen.
QList<QMenuBar*> shownMenuBars() {
  QList<QMenuBar*> out;
  for (QMenuBar* bar : mdi()->findChildren<QMenuBar*>())
    if (bar->isVisible()) out << bar;
  return out;
}

// The focus order of a window: Tab pressed from its first control until the
// focus comes back to it (at most 40 stops).
QStringList tabWalk(QWidget* first) {
  QStringList order;
  first->setFocus(Qt::TabFocusReason);
  QWidget* at = QApplication::focusWidget();
  for (int i = 0; i < 40 && at; ++i) {
    order << at->objectName();
    QTest::keyClick(at, Qt::Key_Tab);
    at = QApplication::focusWidget();
    if (at == first) break;
  }
  return order;
}

// The control of a window that has the focus within it.
QString focusIn(QWidget* window) {
  QWidget* f = window->focusWidget();
  return f ? f->objectName() : QString();
}

void typeCharacter(QWidget* box, const QString& ch) {
  QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, ch);
  QApplication::sendEvent(box, &press);
}

}  // namespace

class TestTarotRoad : public QObject {
  Q_OBJECT
 private slots:
  void init() {
    testsupport::resetProgram();
    // No update reminder on the way to the tarot pages.
    platform::SaveSetting(platform::exeName(), QStringLiteral("Settings"),
                          modTextEncoding::EncodeText(QStringLiteral("Duration")),
                          modTextEncoding::EncodeText(shell::formatReminderDate(testsupport::fakes().today)));
    mdi()->show();
    mdi()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(mdi()));
  }

  // While a child window with menus is active its menus stand in the main
  // window's menu bar, and its own bar stays hidden; with no such child the
  // main window's menus show. There is never a second bar on screen.
  void oneMenuBar_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QStringList>("menus");
    const QStringList own = {"&File", "&Help", "&Donate", "Make Money &Online"};
    QTest::newRow("welcome") << "" << own;
    QTest::newRow("splash, which has no menus") << "frmTarotOpen" << own;
    QTest::newRow("front page") << "frmTarotFront"
                                << QStringList{"File", "Help", "Donate", "Make Money &Online"};
    QTest::newRow("spread page") << "frmTarot"
                                 << QStringList{"&File", "&Help", "Donate", "Make Money &Online"};
    QTest::newRow("pick window") << "frmTarotManual"
                                 << QStringList{"&File", "&Help", "Donate", "Make Money &Online"};
    QTest::newRow("board") << "frmAuto" << QStringList{"File", "&Help", "Donate", "Make Money &Online"};
    QTest::newRow("after the mode windows close") << "closed" << own;
  }
  void oneMenuBar() {
    QFETCH(QString, window);
    QFETCH(QStringList, menus);
    if (window == "frmTarotOpen") openSplash();
    if (window == "frmTarotFront") openFront();
    if (window == "frmTarot") openSpreadPage();
    if (window == "frmTarotManual") openManual(1);
    if (window == "frmAuto") openSpreadPage()->cmdAuto->click();
    if (window == "closed") {
      openSpreadPage();
      mdi()->lblCaption_Click(0);  // closes every mode window
    }
    QCOMPARE(captions(mdi()->menuBar()->actions()), menus);
    QCOMPARE(shownMenuBars(), QList<QMenuBar*>{mdi()->menuBar()});
    // The bar's items are the child's own: choosing one runs its handler.
    if (window == "frmTarotFront") {
      frmTarotFront* front = Forms::find<frmTarotFront>();
      QCOMPARE(mdi()->menuBar()->actions().at(0), front->mnuFile);
      front->txtName->setText("Ann");
      front->mnuReset->trigger();
      QCOMPARE(front->txtName->text(), QString());
    }
    // The spread page's File menu stays switched off in the frame's bar.
    if (window == "frmTarot") QVERIFY(!mdi()->menuBar()->actions().at(0)->isEnabled());
  }

  // A child window hidden on its way to the next one hands the bar over;
  // the board's menus follow once the reading is on it.
  void menusFollowTheHandOver() {
    frmTarotFront* front = openFront();
    QCOMPARE(mdi()->menuBar()->actions().at(0), front->mnuFile);
    front->cmdNext->click();
    frmTarot* page = Forms::find<frmTarot>();
    QCOMPARE(mdi()->menuBar()->actions().at(0), page->mnuFile);
    page->cmdBack->click();
    QCOMPARE(mdi()->menuBar()->actions().at(0), front->mnuFile);
    front->cmdCancel->click();
    QCOMPARE(mdi()->menuBar()->actions().at(0), mdi()->mnuFile);
  }

  // The title bar shows the main window's caption as it stands: no display
  // name is set that the window system would append to it.
  void captionsAsGiven() {
    QCOMPARE(mdi()->windowTitle(), QString("Auravane v1.15"));
    const QString name = QCoreApplication::applicationName();
    QCoreApplication::setApplicationName("probe");
    const QString shown = QGuiApplication::applicationDisplayName();
    QCoreApplication::setApplicationName(name);
    QCOMPARE(shown, QString("probe"));
  }

  void dialogFileTypes_data() {
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QStringList>("shown");
    QTest::newRow("open") << "Auravane (*.lqs)|*.lqs" << QStringList{"Auravane (*.lqs)"};
    QTest::newRow("save") << "Auravane | *.lqs" << QStringList{"Auravane (*.lqs)"};
    QTest::newRow("two types") << "Readings|*.lqs|All files|*.*"
                               << QStringList{"Readings (*.lqs)", "All files (*.*)"};
    QTest::newRow("none") << "" << QStringList{"All files (*)"};
  }
  void dialogFileTypes() {
    QFETCH(QString, filter);
    QFETCH(QStringList, shown);
    QCOMPARE(platform::dialogNameFilters(filter), shown);
  }

  // The real dialogs: the open dialog shows its file type once and starts in
  // the documents folder; once a file was chosen, the next dialog, open or
  // save, starts in that file's folder.
  void realDialogsStartWhereFilesAre() {
    const platform::Services fakes = platform::services();
    const platform::Services real = platform::realServices();
    platform::services().openDialog = real.openDialog;
    platform::services().saveDialog = real.saveDialog;
    const QString folder = testsupport::tempDir() + "/kept";
    QDir().mkpath(folder);
    const QString path = writeFile("kept/one.lqs", line("sOne Card") + line("dr") + line("c5"));
    QStringList seenFilters;
    QStringList seenFolders;
    auto answer = [&](const QString& choose) {
      QTimer::singleShot(0, this, [&, choose] {
        auto* dlg = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dlg) return;
        seenFilters << dlg->nameFilters();
        seenFolders << QDir(dlg->directory()).absolutePath();
        if (choose.isEmpty()) return dlg->reject();
        dlg->selectFile(choose);
        QMetaObject::invokeMethod(dlg, "accept");
      });
    };
    frmTarotFront* front = openFront();
    answer(path);
    front->cmdOpen->click();
    answer(QString());
    mdi()->cmdSave->click();
    platform::services() = fakes;
    QCOMPARE(seenFilters, (QStringList{"Auravane (*.lqs)", "Auravane (*.lqs)"}));
    QCOMPARE(seenFolders.size(), 2);
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QCOMPARE(seenFolders[0], QDir(QFileInfo(documents).isDir() ? documents : QDir::homePath()).absolutePath());
    QCOMPARE(seenFolders[1], QDir(folder).absolutePath());
    QVERIFY(Forms::find<frmAuto>());  // the chosen file was opened
  }

  // After each hand-over the focus is on the new window's first control.
  void focusAfterHandOver() {
    frmTarotOpen* splash = openSplash();
    QVERIFY(splash->cmdContd->isHidden());
    splash->Timer1_Timer();
    QCOMPARE(focusIn(mdi()), QString("cmdContd"));
    QTest::keyClick(splash->cmdContd, Qt::Key_Return);
    frmTarotFront* front = Forms::find<frmTarotFront>();
    QVERIFY(front && front->isVisible());
    QCOMPARE(focusIn(mdi()), QString("txtName"));
    QTest::keyClick(front->cmdNext, Qt::Key_Return);
    frmTarot* page = Forms::find<frmTarot>();
    QVERIFY(page && page->isVisible());
    QCOMPARE(focusIn(mdi()), QString("lstOption"));
    QTest::keyClick(page->cmdBack, Qt::Key_Return);
    QCOMPARE(focusIn(mdi()), QString("txtName"));
    QTest::keyClick(front->cmdNext, Qt::Key_Return);
    page = Forms::find<frmTarot>();  // Back unloaded the page: this one is new
    page->lstOption->setCurrentRow(1);
    QTest::keyClick(page->cmdManual, Qt::Key_Return);
    frmTarotManual* pick = Forms::find<frmTarotManual>();
    QVERIFY(pick && pick->isVisible());
    QCOMPARE(focusIn(mdi()), QString("cmdBack"));
  }

  // Every road to a reading ends with the board at the client area's left
  // top, beside the report panel, the report at its beginning and the focus
  // on Save.
  void readingHandedToTheReport_data() {
    QTest::addColumn<QString>("road");
    QTest::newRow("AutoCast") << "auto";
    QTest::newRow("manual") << "manual";
    QTest::newRow("open") << "open";
  }
  void readingHandedToTheReport() {
    QFETCH(QString, road);
    if (road == "auto") {
      QTest::keyClick(openSpreadPage()->cmdAuto, Qt::Key_Return);
    } else if (road == "manual") {
      frmTarotManual* pick = openManual(0);
      for (int i = 0; i < 10; ++i) QTest::keyClick(faceDown(pick, i), Qt::Key_Space);
    } else {
      testsupport::fakes().openChoices.push_back(savedCelticCross());
      QTest::keyClick(openFront()->cmdOpen, Qt::Key_Return);
    }
    frmAuto* board = Forms::find<frmAuto>();
    QVERIFY(board && board->isVisible());
    QCOMPARE(board->Left(), 0.0);
    QCOMPARE(board->Top(), 0.0);
    QVERIFY(!mdi()->picRight->isHidden());
    QCOMPARE(board->frame()->pos(), QPoint(0, 0));
    QCOMPARE(mdi()->RTB->SelStart(), 0);
    QVERIFY(mdi()->RTB->verticalScrollBar()->maximum() > 0);
    QCOMPARE(mdi()->RTB->verticalScrollBar()->value(), 0);
    QCOMPARE(focusIn(mdi()), QString("cmdSave"));
    // Enter on the focused Save asks for a file, as a click does.
    QTest::keyClick(mdi()->cmdSave, Qt::Key_Return);
    QCOMPARE(testsupport::fakes().saveRequests.size(), 1);
  }

  // The keyboard walk of each window: Tab reaches every control in this
  // order and comes back to the first.
  void keyboardWalk_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QStringList>("order");
    QTest::newRow("front page") << "front"
                                << QStringList{"txtName",   "cmbDate", "cmbMonth", "cmbYear",
                                               "txtCountry", "txtQuestion", "cmdNext", "cmdReset",
                                               "cmdCancel", "cmdOpen", "Label6",   "lblFullBrand"};
    QTest::newRow("spread page") << "spread"
                                 << QStringList{"lstOption", "chkHA",   "chkLA",      "cmdAuto",
                                                "cmdManual", "cmdBack", "cmdCancel",  "txtDisp",
                                                "chkRev",    "pctCard", "cboCards",   "txtName",
                                                "txtDOB",    "txtCountry", "txtQ",    "Label6"};
    QTest::newRow("pick window: the deck is one stop")
        << "pick" << QStringList{"cmdBack", "cmdCancel", "Label6", "picManual", "p(0)", "txtDisp"};
    QTest::newRow("main window with a reading")
        << "main" << QStringList{"cmdSelectOption(0)", "cmdSelectOption(1)", "cmdSelectOption(2)",
                                 "txtName", "txtDOB", "txtCountry", "txtQ", "cmdSave", "cmdPrint",
                                 "RTB", "lblQuorvaleBanner", "Label7", "cmdMdiExit"};
    QTest::newRow("main window, welcome")
        << "welcome" << QStringList{"cmdSelectOption(0)", "cmdSelectOption(1)", "cmdSelectOption(2)",
                                    "lblCaption(3)", "lblCaption(4)", "lblCaption(5)", "RTB",
                                    "lblQuorvaleBanner", "Label7", "cmdMdiExit"};
  }
  void keyboardWalk() {
    QFETCH(QString, window);
    QFETCH(QStringList, order);
    QWidget* first = nullptr;
    if (window == "front") first = openFront()->txtName;
    if (window == "spread") first = openSpreadPage()->lstOption;
    if (window == "pick") first = openManual(3)->cmdBack;
    if (window == "main") {
      openSpreadPage()->cmdAuto->click();
      first = mdi()->cmdSelectOption[0];
    }
    if (window == "welcome") first = mdi()->cmdSelectOption[0];
    const QStringList walked = tabWalk(first);
    QCOMPARE(walked, order);
  }

  // Tab leaves the report box; typing in it still works.
  void tabLeavesTheReport() {
    openSpreadPage()->cmdAuto->click();
    platform::RichTextBox* rtb = mdi()->RTB;
    const QString before = rtb->Text();
    rtb->setFocus(Qt::TabFocusReason);
    rtb->setSelStart(0);
    QTest::keyClick(rtb, Qt::Key_Tab);
    QCOMPARE(rtb->Text(), before);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(mdi()->lblQuorvaleBanner));
    rtb->setFocus(Qt::TabFocusReason);
    rtb->setSelStart(0);
    QTest::keyClicks(rtb, "Hi ");
    QVERIFY(rtb->Text().startsWith("Hi "));
  }

  // Enter presses the focused button in every window, as Space does.
  void enterPressesTheFocusedButton_data() {
    QTest::addColumn<QString>("button");
    QTest::newRow("splash Continue") << "splash";
    QTest::newRow("front page Reset") << "reset";
    QTest::newRow("spread page Exit") << "exit";
    QTest::newRow("pick window Back") << "back";
    QTest::newRow("main window mode button") << "mode";
  }
  void enterPressesTheFocusedButton() {
    QFETCH(QString, button);
    const Qt::Key keys[2] = {Qt::Key_Return, Qt::Key_Enter};
    for (Qt::Key key : keys) {
      testsupport::resetProgram();
      mdi()->show();
      if (button == "splash") {
        frmTarotOpen* splash = openSplash();
        splash->Timer1_Timer();
        QTest::keyClick(splash->cmdContd, key);
        QVERIFY(Forms::find<frmTarotFront>());
        QVERIFY(!splash->isVisible());
      } else if (button == "reset") {
        frmTarotFront* front = openFront();
        front->txtName->setText("Ann");
        QTest::keyClick(front->cmdReset, key);
        QCOMPARE(front->txtName->text(), QString());
      } else if (button == "exit") {
        QTest::keyClick(openSpreadPage()->cmdCancel, key);
        QVERIFY(!Forms::find<frmTarot>());
      } else if (button == "back") {
        QTest::keyClick(openManual(2)->cmdBack, key);
        QVERIFY(!Forms::find<frmTarotManual>());
        QVERIFY(Forms::find<frmTarotFront>()->isVisible());
      } else {
        QTest::keyClick(mdi()->cmdSelectOption[1], key);
        QVERIFY(Forms::find<frmTarotOpen>());
      }
    }
  }

  // The face-down deck is one stop: the arrow keys move among the cards
  // still on the table, Enter or Space picks the focused one, and the stop
  // moves on to the nearest card left.
  void faceDownDeckByKeyboard() {
    frmTarotManual* pick = openManual(3);  // three cards
    QAbstractButton* p0 = faceDown(pick, 0);
    p0->setFocus(Qt::TabFocusReason);
    auto focused = [] { return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString(); };
    QTest::keyClick(p0, Qt::Key_Left);  // nothing before the first card
    QCOMPARE(focused(), QString("p(0)"));
    QTest::keyClick(p0, Qt::Key_Right);
    QCOMPARE(focused(), QString("p(1)"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QCOMPARE(focused(), QString("p(14)"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_End);
    QCOMPARE(focused(), QString("p(77)"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Home);
    QCOMPARE(focused(), QString("p(0)"));
    // Only the focused card is a tab stop.
    int stops = 0;
    for (int i = 0; i < frmTarotManual::kDeckSize; ++i)
      if (faceDown(pick, i)->focusPolicy() & Qt::TabFocus) ++stops;
    QCOMPARE(stops, 1);

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);  // picks p(0)
    QVERIFY(faceDown(pick, 0)->isHidden());
    QCOMPARE(focused(), QString("p(1)"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);  // p(0) is gone
    QCOMPARE(focused(), QString("p(1)"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);  // no row above
    QCOMPARE(focused(), QString("p(1)"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QCOMPARE(pick->intPicked, 2);
    QCOMPARE(focused(), QString("p(2)"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter);  // the last pick
    QVERIFY(Forms::find<frmAuto>());
    QCOMPARE(focusIn(mdi()), QString("cmdSave"));
  }

  // The name and country boxes refuse every character but letters A to Z,
  // space and the two editing keys, whether typed or committed by an input
  // method: each refusal shows the box's message and keeps the character out.
  void keyFilter_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("inputMethod");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("A") << "A" << false << true;
    QTest::newRow("z") << "z" << false << true;
    QTest::newRow("space") << " " << false << true;
    QTest::newRow("hyphen") << "-" << false << false;
    QTest::newRow("apostrophe") << "'" << false << false;
    QTest::newRow("digit") << "7" << false << false;
    QTest::newRow("e acute (233)") << QString::fromUtf8("é") << false << false;
    QTest::newRow("euro sign (128)") << QString::fromUtf8("€") << false << false;
    QTest::newRow("no-break space (160)") << QString(QChar(0xA0)) << false << false;
    QTest::newRow("y diaeresis (255)") << QString::fromUtf8("ÿ") << false << false;
    QTest::newRow("Chinese") << QString::fromUtf8("中") << false << false;
    QTest::newRow("Cyrillic") << QString::fromUtf8("Ж") << false << false;
    QTest::newRow("emoji") << QString::fromUtf8("\U0001F600") << false << false;
    QTest::newRow("Chinese by input method") << QString::fromUtf8("中") << true << false;
    QTest::newRow("Cyrillic by input method") << QString::fromUtf8("Жа") << true << false;
    QTest::newRow("letters by input method") << "ab" << true << true;
  }
  void keyFilter() {
    QFETCH(QString, typed);
    QFETCH(bool, inputMethod);
    QFETCH(bool, accepted);
    frmTarotFront* front = openFront();
    struct Box {
      QLineEdit* edit;
      QString message;
    };
    for (const Box& box : {Box{front->txtName, "Name cannot contain Numbers and Special Characters"},
                           Box{front->txtCountry, "Country cannot contain Numbers and Special Characters"}}) {
      testsupport::fakes().boxes.clear();
      box.edit->setText("Jo");
      box.edit->setFocus();
      if (inputMethod) {
        QInputMethodEvent commit;
        commit.setCommitString(typed);
        QApplication::sendEvent(box.edit, &commit);
      } else {
        typeCharacter(box.edit, typed);
      }
      QCOMPARE(box.edit->text(), accepted ? "Jo" + typed : QString("Jo"));
      if (accepted) {
        QVERIFY(testsupport::fakes().boxes.isEmpty());
      } else {
        QVERIFY(!testsupport::fakes().boxes.isEmpty());
        QCOMPARE(testsupport::fakes().boxes[0].text, box.message);
        QCOMPARE(testsupport::fakes().boxes[0].style, int(platform::vbInformation));
      }
    }
    // The question box has no filter: every character goes in.
    testsupport::fakes().boxes.clear();
    front->txtQuestion->clear();
    typeCharacter(front->txtQuestion, typed);
    if (!inputMethod) QCOMPARE(front->txtQuestion->document()->toRawText(), typed);
    QVERIFY(testsupport::fakes().boxes.isEmpty());
  }

  // Where a design box cannot hold its text in the fonts that stand in for
  // the design's, the text still shows whole: wrapped labels in a smaller
  // font, never under 7 pt, and multi-line boxes in whole lines.
  void noClippedText_data() {
    QTest::addColumn<QString>("window");
    QTest::newRow("main window") << "main";
    QTest::newRow("front page") << "front";
    QTest::newRow("spread page") << "spread";
    QTest::newRow("pick window") << "pick";
  }
  void noClippedText() {
    QFETCH(QString, window);
    QWidget* root = mdi();
    if (window == "front") root = openFront();
    if (window == "spread") root = openSpreadPage();
    if (window == "pick") root = openManual(0);
    int checked = 0;
    for (QLabel* l : root->findChildren<QLabel*>()) {
      if (l->text().isEmpty() || !l->isVisibleTo(root) || l->pixmap().toImage().width() > 0) continue;
      if (window == "main" && l->window() != root) continue;
      if (window == "main" && !mdi()->isAncestorOf(l)) continue;
      const QRect room = l->contentsRect();
      QVERIFY2(l->font().pointSizeF() >= 7.0, qPrintable(l->objectName()));
      if (l->wordWrap())
        QVERIFY2(l->heightForWidth(l->width()) <= l->height(), qPrintable(l->objectName() + ": " + l->text()));
      else
        QVERIFY2(QFontMetrics(l->font()).horizontalAdvance(platform::stripAccel(l->text())) <= room.width(),
                 qPrintable(l->objectName() + ": " + l->text()));
      ++checked;
    }
    QVERIFY(checked > 0);
    // A question of two lines shows in whole lines.
    for (auto* box : root->findChildren<platform::WholeLinesBox*>()) {
      box->setPlainText("Will I find my way in the new job this year and will it last, and where?");
      const int line = box->fontMetrics().lineSpacing();
      const int margin = int(box->document()->documentMargin());
      QVERIFY2(box->visibleLines() >= 1, qPrintable(box->objectName()));
      QCOMPARE(box->viewport()->height(), 2 * margin + box->visibleLines() * line);
    }
    // A label shows an "&" as it stands, and its name keeps it.
    if (window == "main")
      QVERIFY(mdi()->lblCaption[1]->accessibleName().startsWith("Welcome to Auravane! Numerology & Tarot"));
  }
};

AURAVANE_TEST_MAIN(TestTarotRoad)
#include "test_tarot_road.moc"

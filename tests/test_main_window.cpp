#include <QAction>
#include <QApplication>
#include <QPlainTextEdit>
#include <QLineEdit>
#include <QLockFile>
#include <QMenuBar>
#include <QMouseEvent>

#include "platform/Forms.h"
#include "platform/Settings.h"
#include "platform/SingleInstance.h"
#include "platform/Twips.h"
#include "shell/MainFace.h"
#include "shell/Site.h"
#include "shell/frmMDI.h"
#include "shell/modHelp.h"
#include "shell/modTextEncoding.h"
#include "testsupport.h"

using platform::Forms;

namespace {

// A window of a mode, standing in for the real ones by name: it records its
// unload handler and may show the welcome panel as the mode windows do.
QStringList unloadLog;

class ModeWindow : public QWidget, public platform::Form {
 public:
  explicit ModeWindow(const QString& name) : platform::Form(this, Kind::MdiChild) {
    setObjectName(name);
  }
  std::function<void()> onUnload;
 protected:
  void Form_Unload(bool&) override {
    unloadLog << objectName();
    if (onUnload) onUnload();
  }
};

template <int N>
class ModeWindowN : public ModeWindow {
 public:
  ModeWindowN() : ModeWindow(names()[N]) {}
  static QStringList names() {
    return {"frmKestrune", "frmAuto", "frmTarot", "frmTarotNumerologyDisplay", "frmExitScreen"};
  }
};

void moveOver(QWidget* w) {
  QMouseEvent move(QEvent::MouseMove, QPointF(2, 2), w->mapToGlobal(QPointF(2, 2)), Qt::NoButton,
                   Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(w, &move);
}

const QString kSection = "Settings";

void storeReminder(const QString& plain) {
  if (plain.isNull())
    platform::DeleteSetting(platform::exeName(), kSection, modTextEncoding::EncodeText("Duration"));
  else
    platform::SaveSetting(platform::exeName(), kSection, modTextEncoding::EncodeText("Duration"), modTextEncoding::EncodeText(plain));
}

QString storedReminder() {
  return modTextEncoding::DecodeText(platform::GetSetting(platform::exeName(), kSection, modTextEncoding::EncodeText("Duration")));
}

}  // namespace

class TestMainWindow : public QObject {
  Q_OBJECT
 private slots:
  void init() {
    testsupport::resetProgram();
    unloadLog.clear();
  }

  // The offscreen screen is 800 x 800 pixels: 12000 x 12000 twips.
  void layoutFromScreenSize() {
    QCOMPARE(platform::screenWidthTwips(), 12000.0);
    frmMDI* m = Forms::get<frmMDI>();
    QCOMPARE(m->objectName(), QString("frmMDI"));
    QCOMPARE(m->windowTitle(), QString("Auravane v1.15"));
    QCOMPARE(platform::twLeft(m->lblCaption[0]), (12000.0 - 4500) / 2);
    QCOMPARE(platform::twLeft(m->lblCaption[2]), (12000.0 - 7125) / 2);
    QCOMPARE(platform::twLeft(m->picButtonContainer), (12000.0 - 10935) / 2);  // 532.5, unrounded
    QCOMPARE(platform::twLeft(m->lblQuorvaleBanner), (12000.0 - 9480) / 2);
    QCOMPARE(platform::twLeft(m->cmdMdiExit), 12000.0 - (1335 + 120));
    // The querent strip counts though hidden; the banner does not.
    QCOMPARE(platform::twHeight(m->RTB), 12000.0 - (915 + 900 + 735 + 1000));
    QVERIFY(m->picTop->isHidden());
    QVERIFY(!m->picMain->isHidden());
    QVERIFY(!m->picRight->isHidden());
    // The hidden strip's controls are made on its first use.
    QVERIFY(!m->txtName && !m->cmdSave);
    QCOMPARE(m->querentStrip(), m->picTop);
    QCOMPARE(m->txtName->text(), QString("aa"));
    QVERIFY(m->txtName->isReadOnly());
    // Save and Print follow the window's right edge.
    m->show();
    m->resize(700, 600);
    QCOMPARE(platform::twLeft(m->cmdPrint), platform::toTwips(m->frameGeometry().width()) - 1695 - 300);
    QCOMPARE(platform::twLeft(m->cmdSave), platform::twLeft(m->cmdPrint) - 1695 - 100);
  }

  // Made once the window is on screen, the querent strip shows with its
  // controls, Save and Print placed by the window's width, and Tab walks
  // through it in its place among the window's controls.
  void querentStripMadeOnScreen() {
    frmMDI* m = Forms::get<frmMDI>();
    m->show();
    m->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m));
    shell::mainface::setQuerentStripVisible(true);
    for (QWidget* w : {static_cast<QWidget*>(m->txtName), static_cast<QWidget*>(m->txtQ),
                       static_cast<QWidget*>(m->lblCountry), static_cast<QWidget*>(m->cmdPrint)})
      QVERIFY2(w->isVisible(), qPrintable(w->objectName()));
    QCOMPARE(platform::twLeft(m->cmdPrint), platform::toTwips(m->frameGeometry().width()) - 1695 - 300);
    m->cmdSelectOption[2]->setFocus();
    for (QWidget* next : {static_cast<QWidget*>(m->txtName), static_cast<QWidget*>(m->txtDOB),
                          static_cast<QWidget*>(m->txtCountry), static_cast<QWidget*>(m->txtQ),
                          static_cast<QWidget*>(m->cmdSave), static_cast<QWidget*>(m->cmdPrint),
                          static_cast<QWidget*>(m->lblCaption[3])}) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      QCOMPARE(QApplication::focusWidget(), next);
    }
  }

  void controlsAreNamedForPeopleAndTests() {
    frmMDI* m = Forms::get<frmMDI>();
    m->querentStrip();
    for (const char* name : {"cmdSelectOption(0)", "cmdSelectOption(2)", "lblCaption(5)", "picMain",
                             "picTop", "picRight", "RTB", "rtb1", "cmdSave", "cmdPrint", "cmdMdiExit",
                             "Label7", "lblQuorvaleBanner", "txtQ", "Picture6", "PicCoBrand"})
      QVERIFY2(m->findChild<QWidget*>(name), name);
    QCOMPARE(m->cmdSelectOption[1]->accessibleName(), QString("Tarot Reading"));
    QCOMPARE(m->txtDOB->accessibleName(), QString("Date of Birth"));
    QCOMPARE(m->cmdSave->accessibleName(), QString("Save"));
    QVERIFY(m->cmdSelectOption[0]->focusPolicy() & Qt::TabFocus);
  }

  void menusAndLinks_data() {
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("page");
    QTest::newRow("online help") << "mnuOnline" << "help-web-page";
    QTest::newRow("visit") << "mnuVisit" << "home-page";
    QTest::newRow("update") << "mnuUpdate" << "download-web-page";
    QTest::newRow("donate") << "mnuDonate" << "donate";
  }
  void menusAndLinks() {
    QFETCH(QString, action);
    QFETCH(QString, page);
    frmMDI* m = Forms::get<frmMDI>();
    QAction* a = m->findChild<QAction*>(action);
    QVERIFY(a);
    QVERIFY(a->isEnabled());
    a->trigger();
    QCOMPARE(testsupport::fakes().urls,
             QList<QUrl>{QUrl(QString(AURAVANE_SITE_URL) + "/auravane/ssd.php?page=" + page)});
  }

  void switchedOffMenuAndClickableStrips() {
    frmMDI* m = Forms::get<frmMDI>();
    QVERIFY(!m->mkmoney->isEnabled());
    QCOMPARE(m->mkmoney->text(), QString("Make Money &Online"));
    QTest::mouseClick(m->lblQuorvaleBanner, Qt::LeftButton);
    QTest::mouseClick(m->Label7, Qt::LeftButton);
    QTest::mouseClick(m->Picture6, Qt::LeftButton, {}, QPoint(3, 3));
    const QString base = QString(AURAVANE_SITE_URL) + "/auravane/ssd.php?page=";
    QCOMPARE(testsupport::fakes().urls, (QList<QUrl>{QUrl(base + "home-page"), QUrl(base + "fully-branded"),
                                                     QUrl(base + "home-page")}));
  }

  // Each routine opens its one address, nothing added; twice means twice.
  void everyLinkRoutine() {
    const QString base = QString(AURAVANE_SITE_URL) + "/auravane/ssd.php?page=";
    modHelp::GoToSoftwaresPage();
    modHelp::GoToDonatePage();
    modHelp::GoToHelpPage();
    modHelp::GoToFullyBrandedPage();
    modHelp::GoToCoBrandPage();
    modHelp::GoToHomePage();
    modHelp::GoToDownloadPage();
    modHelp::GoToDownloadPage();
    QStringList got;
    for (const QUrl& u : testsupport::fakes().urls) got << u.toString();
    QCOMPARE(got, (QStringList{base + "thrennicsoftwares", base + "donate", base + "help-web-page",
                               base + "fully-branded", base + "co-brand", base + "home-page",
                               base + "download-web-page", base + "download-web-page"}));
    QCOMPARE(shell::siteDomain(), QString("quorvale.example"));
  }

  // The switch unloads every mode window (each handler once, in the switch's
  // order) and sets the panels as the control that chose it says.
  void modeSwitch_data() {
    QTest::addColumn<bool>("button");
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("mainVisible");
    QTest::newRow("button 0") << true << 0 << false;
    QTest::newRow("button 1") << true << 1 << false;
    QTest::newRow("button 2") << true << 2 << false;
    QTest::newRow("title") << false << 0 << true;
    QTest::newRow("welcome text") << false << 1 << true;
    QTest::newRow("heading") << false << 2 << true;
    QTest::newRow("caption 3") << false << 3 << false;
    QTest::newRow("caption 4") << false << 4 << false;
    QTest::newRow("caption 5") << false << 5 << false;
  }
  void modeSwitch() {
    QFETCH(bool, button);
    QFETCH(int, index);
    QFETCH(bool, mainVisible);
    frmMDI* m = Forms::get<frmMDI>();
    // Mode windows whose unload shows the welcome panel, as theirs do.
    auto* tarot = Forms::get<ModeWindowN<2>>();
    Forms::get<ModeWindowN<3>>();
    auto* board = Forms::get<ModeWindowN<1>>();
    Forms::get<ModeWindowN<0>>();
    tarot->onUnload = [m] { m->picMain->setVisible(true); };
    board->onUnload = [m] { m->picMain->setVisible(true); m->picTop->setVisible(false); };
    m->picMain->setVisible(false);
    m->picTop->setVisible(true);
    if (button)
      QTest::mouseClick(m->cmdSelectOption[index], Qt::LeftButton);
    else
      QTest::mouseClick(m->lblCaption[index], Qt::LeftButton);
    QCOMPARE(unloadLog, (QStringList{"frmKestrune", "frmAuto", "frmTarot", "frmTarotNumerologyDisplay"}));
    QCOMPARE(!m->picMain->isHidden(), mainVisible);
    QVERIFY(m->picRight->isHidden());
    QVERIFY(m->picTop->isHidden());
    for (const char* n : {"frmKestrune", "frmAuto", "frmTarot", "frmTarotNumerologyDisplay"})
      QVERIFY(!Forms::findByName(n));
    QCOMPARE(shell::modeSwitchUnloads().size(), 17);
  }

  void captionsUnderlineOnHover() {
    frmMDI* m = Forms::get<frmMDI>();
    m->show();
    moveOver(m->lblCaption[3]);
    moveOver(m->lblCaption[4]);  // straight from one caption to the next
    moveOver(m->lblCaption[0]);  // the title never changes
    QVERIFY(m->lblCaption[3]->font().underline());
    QVERIFY(m->lblCaption[4]->font().underline());
    QVERIFY(!m->lblCaption[5]->font().underline());
    QVERIFY(!m->lblCaption[0]->font().underline());
    moveOver(m->picMain);
    for (auto* l : m->lblCaption) QVERIFY(!l->font().underline());
  }

  void secondInstanceIsRefused() {
    QLockFile other(platform::singleInstanceLockPath(platform::exeName()));
    QVERIFY(other.tryLock(0));
    storeReminder("1/1/2001");  // would ask if the reminder ran
    QVERIFY(!shell::startProgram());
    other.unlock();
    const auto& f = testsupport::fakes();
    QCOMPARE(f.boxes.size(), 1);
    QCOMPARE(f.boxes[0].text, QString("Application is already running"));
    QCOMPARE(f.boxes[0].style, int(platform::vbInformation));
    QCOMPARE(f.endCalls, 1);
    QVERIFY(!Forms::isLoaded<frmMDI>());
    QCOMPARE(storedReminder(), QString("1/1/2001"));
  }

  // The reminder asks when the stored date lies more than 14 days away in
  // either direction, and stores today whatever the answer.
  void updateReminder_data() {
    QTest::addColumn<QString>("stored");  // null: never stored
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("asks");
    QTest::addColumn<QString>("after");
    QTest::addColumn<bool>("opensDownload");
    const QString today = "12/10/2026";
    QTest::newRow("first run") << QString() << 0 << false << today << false;
    QTest::newRow("today") << today << 0 << false << today << false;
    QTest::newRow("14 days ago") << "11/26/2026" << 0 << false << "11/26/2026" << false;
    QTest::newRow("14 days ahead") << "12/24/2026" << 0 << false << "12/24/2026" << false;
    QTest::newRow("15 days ago, yes") << "11/25/2026" << int(platform::vbYes) << true << today << true;
    QTest::newRow("15 days ago, no") << "11/25/2026" << int(platform::vbNo) << true << today << false;
    QTest::newRow("15 days ahead") << "12/25/2026" << int(platform::vbNo) << true << today << false;
    QTest::newRow("20 days ahead") << "12/30/2026" << int(platform::vbNo) << true << today << false;
    QTest::newRow("two-digit year, 13 days ago") << "11/27/26" << 0 << false << "11/27/26" << false;
    QTest::newRow("two-digit year, a year ago") << "12/10/25" << int(platform::vbNo) << true << today << false;
    QTest::newRow("not a date") << "soon" << 0 << false << "soon" << false;
  }
  void updateReminder() {
    QFETCH(QString, stored);
    QFETCH(int, answer);
    QFETCH(bool, asks);
    QFETCH(QString, after);
    QFETCH(bool, opensDownload);
    storeReminder(stored);
    testsupport::fakes().answers.push_back(answer);
    // The download page opens only after today's date is stored.
    QString storedWhenOpened;
    platform::services().openUrl = [&](const QUrl& u) {
      testsupport::fakes().urls << u;
      storedWhenOpened = storedReminder();
    };
    modHelp::UpdateReminder();
    const auto& f = testsupport::fakes();
    QCOMPARE(f.boxes.size(), asks ? 1 : 0);
    if (asks) {
      QCOMPARE(f.boxes[0].text, QString("There maybe an update to this software available\r"
                                        "Do you want to check for an update?"));
      QCOMPARE(f.boxes[0].style, int(platform::vbYesNo | platform::vbInformation));
      QVERIFY(f.boxes[0].title.isEmpty());
    }
    QCOMPARE(storedReminder(), after);
    QCOMPARE(f.urls.size(), opensDownload ? 1 : 0);
    if (opensDownload) {
      QCOMPARE(f.urls[0].toString(), QString(AURAVANE_SITE_URL) + "/auravane/ssd.php?page=download-web-page");
      QCOMPARE(storedWhenOpened, after);
    }
    // A second call on the same day is silent.
    modHelp::UpdateReminder();
    QCOMPARE(testsupport::fakes().boxes.size(), asks ? 1 : 0);
  }

  // An unload handler that quits again (as the exit screen's does) neither
  // unloads a window twice nor ends the program twice.
  void quitProgramEndsOnce() {
    Forms::get<frmMDI>();
    auto* a = Forms::get<ModeWindowN<4>>();
    auto* b = Forms::get<ModeWindowN<0>>();
    a->onUnload = [] { modHelp::QuitProgram(); };
    (void)b;
    modHelp::QuitProgram();
    QCOMPARE(testsupport::fakes().endCalls, 1);
    QCOMPARE(unloadLog.count("frmExitScreen"), 1);
    QCOMPARE(unloadLog.count("frmKestrune"), 1);
    QVERIFY(Forms::loadedForms().empty());
    modHelp::QuitProgram();
    QCOMPARE(testsupport::fakes().endCalls, 1);
  }
};

AURAVANE_TEST_MAIN(TestMainWindow)
#include "test_main_window.moc"

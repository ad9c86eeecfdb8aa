#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTimer>

#include "platform/Forms.h"
#include "shell/Site.h"
#include "shell/frmAbout.h"
#include "shell/frmExitScreen.h"
#include "shell/frmMDI.h"
#include "shell/modHelp.h"
#include "testsupport.h"

using platform::Forms;

namespace {

QString page(const char* key) { return shell::pageAddress(QString::fromLatin1(key)); }

QStringList openedUrls() {
  QStringList out;
  for (const QUrl& u : testsupport::fakes().urls) out << u.toString(QUrl::FullyEncoded);
  return out;
}

// Fills the refer-a-friend form as a user would leave it; a null text keeps
// the box as it opened.
void fillForm(frmExitScreen* x, const QString& name, const QString& email, const QString& message,
              const QString& friendName, const QString& friendEmail) {
  if (!name.isNull()) x->txtName->setText(name);
  if (!email.isNull()) x->txtEmail->setText(email);
  if (!message.isNull()) x->txtMessage->setPlainText(message);
  if (!friendName.isNull()) x->txtFriendName->setText(friendName);
  if (!friendEmail.isNull()) x->txtFriendEmail->setText(friendEmail);
}

// The five boxes of the form as table columns, in the order of the form.
void addFormColumns() {
  for (const char* box : {"name", "email", "message", "friendName", "friendEmail"})
    QTest::addColumn<QString>(box);
}

void fillFormFromRow(frmExitScreen* x) {
  QFETCH(QString, name);
  QFETCH(QString, email);
  QFETCH(QString, message);
  QFETCH(QString, friendName);
  QFETCH(QString, friendEmail);
  fillForm(x, name, email, message, friendName, friendEmail);
}

}  // namespace

class TestAboutExit : public QObject {
  Q_OBJECT
 private slots:
  void init() { testsupport::resetProgram(); }

  // The About item holds its window until the box closes; both links open
  // their pages (by mouse or keyboard) and leave the box open; OK, Enter, Esc and the close box
  // each close it.
  void aboutBoxIsModal_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("OK") << "ok";
    QTest::newRow("Enter") << "enter";
    QTest::newRow("Esc") << "esc";
    QTest::newRow("close box") << "close";
  }
  void aboutBoxIsModal() {
    QFETCH(QString, how);
    frmMDI* mdi = Forms::get<frmMDI>();
    bool checked = false;
    QTimer::singleShot(0, this, [&] {
      frmAbout* about = Forms::find<frmAbout>();
      QVERIFY(about);
      QVERIFY(about->isVisible());
      QCOMPARE(about->windowModality(), Qt::ApplicationModal);
      QCOMPARE(QApplication::activeModalWidget(), about);
      const QPoint off = about->frameGeometry().center() -
                         QGuiApplication::primaryScreen()->geometry().center();
      QVERIFY2(off.manhattanLength() <= 4, "centred on the screen");
      QTest::mouseClick(about->lblHomePage, Qt::LeftButton);
      QTest::mouseClick(about->lblCobrand, Qt::LeftButton);
      // By keyboard: Enter on a link opens it rather than closing the box.
      QTest::keyClick(about->lblHomePage, Qt::Key_Return);
      QVERIFY(Forms::isLoaded<frmAbout>());
      QVERIFY(about->isVisible());
      checked = true;
      QWidget* keys = about->focusWidget() ? about->focusWidget() : about;
      if (how == "ok") QTest::mouseClick(about->cmdOK, Qt::LeftButton);
      if (how == "enter") QTest::keyClick(keys, Qt::Key_Return);
      if (how == "esc") QTest::keyClick(keys, Qt::Key_Escape);
      if (how == "close") about->close();
    });
    // Should the box fail to close, do not hang the run.
    QTimer::singleShot(3000, this, [] { Forms::unload<frmAbout>(); });
    mdi->mnuAbout->trigger();
    QVERIFY(checked);
    QVERIFY(!Forms::isLoaded<frmAbout>());
    QCOMPARE(openedUrls(),
             QStringList({page("home-page"), page("fully-branded"), page("home-page")}));
    QVERIFY(Forms::isLoaded<frmMDI>());
  }

  // Closing the main window brings up the exit screen above the others; its
  // Exit button or its close box ends the program exactly once.
  void closingMainWindowShowsExitScreen_data() {
    QTest::addColumn<bool>("byExitButton");
    QTest::newRow("Exit button") << true;
    QTest::newRow("close box") << false;
  }
  void closingMainWindowShowsExitScreen() {
    QFETCH(bool, byExitButton);
    frmMDI* mdi = Forms::get<frmMDI>();
    QVERIFY(Forms::unload(mdi));
    QVERIFY(!Forms::isLoaded<frmMDI>());
    frmExitScreen* x = Forms::find<frmExitScreen>();
    QVERIFY(x);
    QVERIFY(x->isVisible());
    QVERIFY(x->windowFlags() & Qt::WindowStaysOnTopHint);
    QVERIFY(x->isWindow());
    QCOMPARE(x->windowTitle(), QString("Auravane v1.15"));
    QCOMPARE(x->lblExitScreenCaption->text(), QString("Auravane v1.15"));
    QCOMPARE(testsupport::fakes().endCalls, 0);
    if (byExitButton) QTest::mouseClick(x->cmdClose, Qt::LeftButton);
    else x->close();
    QCOMPARE(testsupport::fakes().endCalls, 1);
    QVERIFY(!Forms::isLoaded<frmExitScreen>());
    QVERIFY(Forms::loadedForms().empty());
  }

  // Each load draws one of the four messages: the integer part of four
  // times the draw.
  void supportMessageAtRandom_data() {
    QTest::addColumn<double>("draw");
    QTest::addColumn<int>("index");
    QTest::newRow("0") << 0.0 << 0;
    QTest::newRow("just below a quarter") << 0.25 - 1.0 / (1 << 24) << 0;
    QTest::newRow("a quarter") << 0.25 << 1;
    QTest::newRow("a half") << 0.5 << 2;
    QTest::newRow("three quarters") << 0.75 << 3;
    QTest::newRow("largest draw") << 1.0 - 1.0 / (1 << 24) << 3;
    QTest::newRow("1 is no fifth") << 1.0 << 3;
  }
  void supportMessageAtRandom() {
    QFETCH(double, draw);
    QFETCH(int, index);
    testsupport::fakes().rnd = {draw};
    frmExitScreen* x = Forms::get<frmExitScreen>();
    QCOMPARE(testsupport::fakes().randomizeCalls, 1);
    QCOMPARE(x->Label2->text(), frmExitScreen::supportMessage(index));
    QVERIFY(x->Label2->text().contains(shell::siteHost()));
    QSet<QString> messages;
    for (int i = 0; i < 4; ++i) messages << frmExitScreen::supportMessage(i);
    QCOMPARE(messages.size(), 4);
  }

  // Send checks the addresses first (distinct, then "@" and "."), then each
  // value in form order against its placeholder; the first failure shows its
  // message and opens nothing. The trimmed values are stored either way.
  void referAFriendChecks_data() {
    addFormColumns();
    QTest::addColumn<QString>("shown");
    const QString keep;  // the box as it opened
    const QString distinct = "Please Enter Distinct Email Addresses";
    const QString proper = "Please Enter Proper Email Address";
    QTest::newRow("as opened") << keep << keep << keep << keep << keep << proper;
    QTest::newRow("same addresses") << "Ann" << "a@b.org" << keep << "Bob" << "a@b.org" << distinct;
    QTest::newRow("both empty") << "Ann" << "" << keep << "Bob" << "" << distinct;
    QTest::newRow("both spaces") << "Ann" << "  " << keep << "Bob" << " " << distinct;
    QTest::newRow("no @ in own") << "Ann" << "ab.org" << keep << "Bob" << "b@c.org" << proper;
    QTest::newRow("no @ in friend's") << "Ann" << "a@b.org" << keep << "Bob" << "bc.org" << proper;
    QTest::newRow("no . in own") << "Ann" << "a@borg" << keep << "Bob" << "b@c.org" << proper;
    QTest::newRow("no . in friend's") << "Ann" << "a@b.org" << keep << "Bob" << "b@corg" << proper;
    QTest::newRow("case differs, name kept")
        << keep << "Ann@b.org" << keep << "Bob" << "ann@b.org" << "Please Enter Your Name";
    QTest::newRow("name empty") << "" << "a@b.org" << keep << "Bob" << "b@c.org" << "Please Enter Your Name";
    QTest::newRow("name of spaces") << "   " << "a@b.org" << keep << "Bob" << "b@c.org"
                                    << "Please Enter Your Name";
    QTest::newRow("message at placeholder") << "Ann" << "a@b.org" << "Your Message" << "Bob"
                                            << "b@c.org" << "Please Enter Your Message";
    QTest::newRow("message of spaces") << "Ann" << "a@b.org" << "  " << "Bob" << "b@c.org"
                                       << "Please Enter Your Message";
    QTest::newRow("friend's name kept") << "Ann" << "a@b.org" << keep << keep << "b@c.org"
                                        << "Please Enter Your Friend's Name";
    QTest::newRow("friend's name empty") << "Ann" << "a@b.org" << keep << "" << "b@c.org"
                                         << "Please Enter Your Friend's Name";
    QTest::newRow("all given") << " Ann " << "a@b.org " << keep << "Bob" << "b@c.org" << "";
    QTest::newRow("@ and . in any order") << "Ann" << ".@" << keep << "Bob" << "x@." << "";
  }
  void referAFriendChecks() {
    QFETCH(QString, shown);
    frmExitScreen* x = Forms::get<frmExitScreen>();
    fillFormFromRow(x);
    QTest::mouseClick(x->cmdSubmit, Qt::LeftButton);
    auto& f = testsupport::fakes();
    if (shown.isEmpty()) {
      QCOMPARE(f.boxes.size(), 0);
      QCOMPARE(f.urls.size(), 1);
    } else {
      QCOMPARE(f.boxes.size(), 1);
      QCOMPARE(f.boxes[0].text, shown);
      QCOMPARE(f.boxes[0].style, int(platform::vbCritical));
      QVERIFY(f.boxes[0].title.isEmpty());  // the program's title
      QCOMPARE(f.urls.size(), 0);
    }
    const shell::TellAFriendValues& v = shell::shellState().tellAFriend;
    QCOMPARE(v.strTafName, x->txtName->text().trimmed());
    QCOMPARE(v.strTafEmail, x->txtEmail->text().trimmed());
    QCOMPARE(v.strTafFriendEmail, x->txtFriendEmail->text().trimmed());
    QVERIFY(Forms::isLoaded<frmExitScreen>());  // the screen stays open
  }

  // The values go into the address percent-encoded, so that every character
  // typed reaches the page as typed.
  void referAFriendAddress_data() {
    addFormColumns();
    QTest::addColumn<QString>("query");
    QTest::newRow("message box untouched")
        << "Ann" << "ann@example.org" << QString() << "Bob" << "bob@example.net"
        << "&taf1=Ann&taf2=ann@example.org&taf3=Your%20Message%0D%0A&taf4=Bob"
           "&taf5=bob@example.net";
    QTest::newRow("trimmed, spaces inside kept")
        << "  Ann Lee  " << " a_b-c.d~e@x.org" << "Hello there" << "Bob  Ray " << "b@y.net"
        << "&taf1=Ann%20Lee&taf2=a_b-c.d~e@x.org&taf3=Hello%20there&taf4=Bob%20%20Ray"
           "&taf5=b@y.net";
    QTest::newRow("characters that cut an address")
        << "Ann & Co = #1" << "a+b@x.org" << "50% off? a=b&c#d/e" << "Bob+Sue" << "b@y.net"
        << "&taf1=Ann%20%26%20Co%20%3D%20%231&taf2=a%2Bb@x.org"
           "&taf3=50%25%20off%3F%20a%3Db%26c%23d%2Fe&taf4=Bob%2BSue&taf5=b@y.net";
    QTest::newRow("letters beyond ASCII")
        << QString::fromUtf8("Zoë") << "z@x.org" << QString::fromUtf8("Grüße\r\nZoë") << "Ñame"
        << "n@y.net"
        << "&taf1=Zo%C3%AB&taf2=z@x.org&taf3=Gr%C3%BC%C3%9Fe%0D%0AZo%C3%AB&taf4=%C3%91ame"
           "&taf5=n@y.net";
  }
  void referAFriendAddress() {
    QFETCH(QString, query);
    frmExitScreen* x = Forms::get<frmExitScreen>();
    fillFormFromRow(x);
    QTest::mouseClick(x->cmdSubmit, Qt::LeftButton);
    const QString expected = shell::siteBase() + "/auravane/ssd.php?page=vrtc-refer-a-friend" +
                             query + "&taf6=" + shell::siteBase() + "/auravane/";
    QCOMPARE(shell::shellState().tellAFriend.strTafUrl, expected);
    QCOMPARE(openedUrls(), QStringList{expected});
  }

  // The address boxes take no typed space (a pasted one stays); the other
  // boxes do.
  void addressBoxesRefuseSpaces_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<bool>("refuses");
    QTest::newRow("own address") << "txtEmail" << true;
    QTest::newRow("friend's address") << "txtFriendEmail" << true;
    QTest::newRow("name") << "txtName" << false;
  }
  void addressBoxesRefuseSpaces() {
    QFETCH(QString, box);
    QFETCH(bool, refuses);
    frmExitScreen* x = Forms::get<frmExitScreen>();
    auto* edit = x->findChild<QLineEdit*>(box);
    QVERIFY(edit);
    edit->setText("ab");
    QTest::keyClicks(edit, "c d");
    auto& f = testsupport::fakes();
    if (refuses) {
      QCOMPARE(edit->text(), QString("abcd"));
      QCOMPARE(f.boxes.size(), 1);
      QCOMPARE(f.boxes[0].text, QString("Email Address Cannot Contain Space"));
      QCOMPARE(f.boxes[0].style, int(platform::vbCritical));
    } else {
      QCOMPARE(edit->text(), QString("abc d"));
      QCOMPARE(f.boxes.size(), 0);
    }
    edit->insert(" ");  // as pasted
    QVERIFY(edit->text().endsWith(' '));
  }

  // A box's placeholder goes when the box takes the focus and comes back
  // when it is left empty, before Send checks the form.
  void placeholderComesBack() {
    frmExitScreen* x = Forms::get<frmExitScreen>();
    x->Show();
    x->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(x));
    x->txtEmail->setText("a@b.org");
    x->txtFriendEmail->setText("b@c.org");
    x->txtName->setFocus();
    QCOMPARE(x->txtName->text(), QString());
    QTest::keyClicks(x->txtName, "   ");
    QTest::mouseClick(x->cmdSubmit, Qt::LeftButton);
    QCOMPARE(x->txtName->text(), QString("Your Name"));
    QCOMPARE(testsupport::fakes().boxes.size(), 1);
    QCOMPARE(testsupport::fakes().boxes[0].text, QString("Please Enter Your Name"));
  }

  // The screen's two links; the check box opens its page once for each tick
  // and never stays ticked.
  void exitScreenLinks() {
    frmExitScreen* x = Forms::get<frmExitScreen>();
    QCOMPARE(x->Check1->text(), "Click Here To Visit " + shell::siteHost() + " Now");
    QTest::mouseClick(x->Check1, Qt::LeftButton);
    QVERIFY(!x->Check1->isChecked());
    QTest::mouseClick(x->Check1, Qt::LeftButton);
    QVERIFY(!x->Check1->isChecked());
    QTest::mouseClick(x->lblGoToHome, Qt::LeftButton);
    QCOMPARE(openedUrls(),
             QStringList({page("home-page"), page("home-page"), page("thrennicsoftwares")}));
    QVERIFY(Forms::isLoaded<frmExitScreen>());
  }
};

AURAVANE_TEST_MAIN(TestAboutExit)
#include "test_about_exit.moc"

#include <QClipboard>
#include <QGuiApplication>
#include <QMenuBar>
#include <QMdiSubWindow>

#include "numerology/NumerologyReadingFile.h"
#include "numfixtures.h"

using namespace numfixtures;
using platform::Forms;

class TestNumInputPage : public QObject {
  Q_OBJECT
 private slots:
  void init() { reset(); }

  // The mode button opens the page as a person first sees it.
  void opensFromTheModeButton() {
    frmKestruneSoftwareMain* page = openInputPage();
    QVERIFY(page);
    QVERIFY(page->isVisible());
    QCOMPARE(page->windowTitle(), QStringLiteral("Kestrune Software"));
    QCOMPARE(page->cboMonth->currentText(), QStringLiteral("August"));
    QCOMPARE(page->cboDate->currentText(), QStringLiteral("6"));
    QCOMPARE(page->cboYear->currentText(), QStringLiteral("1979"));
    QCOMPARE(page->cboMonth->count(), 12);
    QCOMPARE(page->cboDate->count(), 31);
    QCOMPARE(page->cboYear->count(), 151);
    QCOMPARE(page->cboYear->itemText(150), QStringLiteral("2050"));
    QVERIFY(!page->cboMonth->isEditable());
    QVERIFY(!Forms::find<frmMDI>()->picMain->isVisible());
    // The comprehensive report window is loaded with the page, and hidden.
    QVERIFY(Forms::isLoaded<frmKestruneSoftwareSave>());
    QVERIFY(!Forms::find<frmKestruneSoftwareSave>()->isVisible());
    QVERIFY(!page->mnuMakeMoney->isEnabled());
    // The page is a child window placed at the top of the frame.
    QCOMPARE(page->frame()->y(), 0);
  }

  // Each check in its order, with its message and the focus it leaves;
  // a name of blanks only counts as missing.
  void validation_data() {
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("last");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");
    QTest::newRow("both empty") << "" << "" << "Please Enter Your First Name" << "txtFirstName";
    QTest::newRow("first blanks only") << "   " << "LEE" << "Please Enter Your First Name" << "txtFirstName";
    QTest::newRow("last empty") << "ANN" << "" << "Please Enter Your Last Name" << "txtLastName";
    QTest::newRow("last blanks only") << "ANN" << "  " << "Please Enter Your Last Name" << "txtLastName";
    QTest::newRow("complete") << " ANN " << "LEE" << "" << "";
  }
  void validation() {
    QFETCH(QString, first);
    QFETCH(QString, last);
    QFETCH(QString, message);
    QFETCH(QString, focus);
    frmKestruneSoftwareMain* page = openInputPage();
    page->activateWindow();
    fill(page, first, "", last);
    page->cmdNext->click();
    auto& boxes = testsupport::fakes().boxes;
    if (message.isEmpty()) {
      QVERIFY(boxes.isEmpty());
      QVERIFY(Forms::isLoaded<frmKestrune>());
      QCOMPARE(numerologyState().reading().ReadingFirstName, QStringLiteral("ANN"));
      return;
    }
    QCOMPARE(boxes.size(), 1);
    QCOMPARE(boxes[0].text, message);
    QCOMPARE(boxes[0].style, int(platform::vbInformation));
    QCOMPARE(page->focusWidget()->objectName(), focus);
    QVERIFY(!Forms::isLoaded<frmKestrune>());
    QVERIFY(page->isVisible());
  }

  // Typed lower-case letters become capitals; pasted text stays as it is.
  void typedAndPastedCase() {
    frmKestruneSoftwareMain* page = openInputPage();
    QTest::keyClicks(page->txtFirstName, "anne-marie 2");
    QCOMPARE(page->txtFirstName->text(), QStringLiteral("ANNE-MARIE 2"));
    QTest::keyClicks(page->txtMiddleName, "zo");
    QTest::sendKeyEvent(QTest::Click, page->txtMiddleName, Qt::Key_unknown, QString::fromUtf8("é"),
                        Qt::NoModifier);
    QCOMPARE(page->txtMiddleName->text(), QString::fromUtf8("ZOé"));
    QGuiApplication::clipboard()->setText(QStringLiteral("smith"));
    page->txtLastName->setFocus();
    QTest::keyClick(page->txtLastName, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(page->txtLastName->text(), QStringLiteral("smith"));
  }

  // "&Next" keeps the trimmed reading, starts the chooser's numbers afresh,
  // hides the page and opens the chooser.
  void nextKeepsTheReadingAndResetsTheChooser() {
    frmKestrune* first = openChooser("ANN", "", "LEE");
    QVERIFY(first);
    numerologyState().recordLifePath(7, 25);
    numerologyState().recordDestiny(44, 8);
    first->cmdBack->click();
    frmKestruneSoftwareMain* page = Forms::find<frmKestruneSoftwareMain>();
    fill(page, "  JOHN ", " Q ", " SMITH  ", "December", "31", "2050");
    page->mnuNext->trigger();
    const CurrentReading& r = numerologyState().reading();
    QCOMPARE(r.ReadingFirstName, QStringLiteral("JOHN"));
    QCOMPARE(r.ReadingMiddleName, QStringLiteral("Q"));
    QCOMPARE(r.ReadingLastName, QStringLiteral("SMITH"));
    QCOMPARE(r.ReadingBirthMonth, QStringLiteral("December"));
    QCOMPARE(r.ReadingBirthDate, QStringLiteral("31"));
    QCOMPARE(r.ReadingBirthYear, QStringLiteral("2050"));
    QCOMPARE(numerologyState().chooser().LifePathNum, 0);
    QCOMPARE(numerologyState().chooser().DestinyTotal, 0);
    QVERIFY(!page->isVisible());
    QVERIFY(Forms::isLoaded<frmKestruneSoftwareMain>());
    QVERIFY(Forms::find<frmKestrune>()->isVisible());
    QVERIFY(!Forms::find<frmMDI>()->picMain->isVisible());
    // The page's boxes still hold what was typed (the numbers read them).
    QCOMPARE(page->txtFirstName->text(), QStringLiteral("  JOHN "));
  }

  // Exit, from the button or the menu, and the close box close the page
  // and bring the welcome panel back.
  void exitClosesThePage_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("button") << "button";
    QTest::newRow("menu") << "menu";
    QTest::newRow("close box") << "close";
  }
  void exitClosesThePage() {
    QFETCH(QString, how);
    frmKestruneSoftwareMain* page = openInputPage();
    if (how == "button") page->cmdExit->click();
    if (how == "menu") page->mnuExit->trigger();
    if (how == "close") page->frame()->close();
    QVERIFY(!Forms::isLoaded<frmKestruneSoftwareMain>());
    QVERIFY(Forms::find<frmMDI>()->picMain->isVisible());
  }

  // A saved reading opens again: the page is filled and the chooser opens.
  void openFillsThePageAndGoesOn() {
    const QString path = testsupport::tempDir() + "/anne.num";
    writeFile(path, encodedLine("mary-ann") + encodedLine("") + encodedLine("O'NEIL") +
                        encodedLine("February") + encodedLine("29") + encodedLine("1900"));
    frmKestruneSoftwareMain* page = openInputPage();
    testsupport::fakes().openChoices.push_back(path);
    page->cmdOpen->click();
    const auto& req = testsupport::fakes().openRequests.at(0);
    QCOMPARE(req.filter, QStringLiteral("Kestrune (*.num)|*.num"));
    QCOMPARE(req.title, QStringLiteral("Select the source file"));
    QCOMPARE(req.defaultExt, QStringLiteral("num"));
    QVERIFY(testsupport::fakes().boxes.isEmpty());
    QCOMPARE(page->txtFirstName->text(), QStringLiteral("mary-ann"));
    QCOMPARE(page->txtMiddleName->text(), QString());
    QCOMPARE(page->txtLastName->text(), QStringLiteral("O'NEIL"));
    QCOMPARE(page->cboMonth->currentText(), QStringLiteral("February"));
    QCOMPARE(page->cboDate->currentText(), QStringLiteral("29"));
    QCOMPARE(page->cboYear->currentText(), QStringLiteral("1900"));
    QVERIFY(Forms::isLoaded<frmKestrune>());
    QCOMPARE(numerologyState().reading().ReadingLastName, QStringLiteral("O'NEIL"));
  }

  // A file whose names are missing opens into the page and stops at the
  // first name's message, as "&Next" would.
  void openWithoutANameStopsAtNext() {
    const QString path = testsupport::tempDir() + "/noname.num";
    writeFile(path, encodedLine("") + encodedLine("") + encodedLine("LEE") + encodedLine("May") +
                        encodedLine("1") + encodedLine("2000"));
    frmKestruneSoftwareMain* page = openInputPage();
    fill(page, "OLD", "", "NAME");
    testsupport::fakes().openChoices.push_back(path);
    page->cmdOpen->click();
    QCOMPARE(testsupport::fakes().boxes.size(), 1);
    QCOMPARE(testsupport::fakes().boxes[0].text, QStringLiteral("Please Enter Your First Name"));
    QCOMPARE(page->txtFirstName->text(), QString());
    QCOMPARE(page->cboMonth->currentText(), QStringLiteral("May"));
    QVERIFY(!Forms::isLoaded<frmKestrune>());
  }

  // Refused files: one message with the critical icon; the page keeps what
  // it shows and the chooser does not open. A cancelled dialog says nothing.
  void openRefuses_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray good = encodedLine("ANN") + encodedLine("") + encodedLine("LEE") +
                            encodedLine("August") + encodedLine("6") + encodedLine("1979");
    QTest::newRow("capital NUM") << "reading.NUM" << good;
    QTest::newRow("other extension") << "reading.txt" << good;
    QTest::newRow("missing file") << "" << QByteArray();
    QTest::newRow("empty file") << "empty.num" << QByteArray();
    QTest::newRow("plain text") << "plain.num" << QByteArray("ANN\r\n\r\nLEE\r\nAugust\r\n6\r\n1979\r\n");
    QTest::newRow("bad year") << "year.num"
                              << encodedLine("ANN") + encodedLine("") + encodedLine("LEE") +
                                     encodedLine("August") + encodedLine("6") + encodedLine("1850");
    QTest::newRow("too large") << "large.num" << good + QByteArray(70000, '\xa0');
  }
  void openRefuses() {
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    const QString path = testsupport::tempDir() + "/" + (name.isEmpty() ? "absent.num" : name);
    if (!name.isEmpty()) writeFile(path, bytes);
    frmKestruneSoftwareMain* page = openInputPage();
    fill(page, "KEEP", "THIS", "NAME", "March", "3", "2003");
    testsupport::fakes().openChoices.push_back(path);
    page->cmdOpen->click();
    QCOMPARE(testsupport::fakes().boxes.size(), 1);
    QCOMPARE(testsupport::fakes().boxes[0].text, QStringLiteral("Please Check The File."));
    QCOMPARE(testsupport::fakes().boxes[0].style, int(platform::vbCritical));
    QCOMPARE(page->txtFirstName->text(), QStringLiteral("KEEP"));
    QCOMPARE(page->txtMiddleName->text(), QStringLiteral("THIS"));
    QCOMPARE(page->cboMonth->currentText(), QStringLiteral("March"));
    QCOMPARE(page->cboYear->currentText(), QStringLiteral("2003"));
    QVERIFY(!Forms::isLoaded<frmKestrune>());

    // Cancelled: nothing at all.
    testsupport::fakes().boxes.clear();
    page->cmdOpen->click();
    QVERIFY(testsupport::fakes().boxes.isEmpty());
    QCOMPARE(page->txtFirstName->text(), QStringLiteral("KEEP"));
  }

  // The page's links and menus open their pages.
  void linksAndMenus() {
    frmKestruneSoftwareMain* page = openInputPage();
    auto& urls = testsupport::fakes().urls;
    urls.clear();
    QTest::mouseClick(page->Label61, Qt::LeftButton);
    QTest::mouseClick(page->lblFullBrand, Qt::LeftButton);
    page->lblCobrand_Click();
    page->mnuVisit->trigger();
    page->mnuDonate->trigger();
    page->mnuOnline->trigger();
    page->mnuUpdate->trigger();
    QStringList keys;
    for (const QUrl& u : urls) keys << u.query().section('=', 1);
    QCOMPARE(keys, (QStringList{"home-page", "fully-branded", "co-brand", "home-page", "donate",
                                "help-web-page", "download-web-page"}));
    QCOMPARE(page->mnuUpdate->text(), QStringLiteral("&Check for Software Update"));
  }
};

AURAVANE_TEST_MAIN(TestNumInputPage)
#include "test_num_input_page.moc"

#include <QClipboard>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMimeData>
#include <QPageSize>
#include <QPdfWriter>
#include <QPrinter>
#include <QTextCursor>

#include "numerology/NumerologyReadingFile.h"
#include "numfixtures.h"
#include "platform/VbString.h"
#include "shell/Site.h"

using namespace numfixtures;
using platform::Forms;

namespace {

// The middle of the character at a position of the box's text.
QPoint pointOnCharacter(platform::RichTextBox* box, int vbPos) {
  QTextCursor c(box->document());
  c.setPosition(box->toDocPos(vbPos));
  const QRect left = box->cursorRect(c);
  c.setPosition(box->toDocPos(vbPos) + 1);
  const QRect right = box->cursorRect(c);
  return QPoint((left.x() + right.x()) / 2, left.center().y());
}

// Runs one action inside the single-number window of the Life Path.
void inSingleWindow(frmKestrune* c, const std::function<void(frmKestruneSoftwareDisplay*)>& act) {
  QVERIFY(whileModal<frmKestruneSoftwareDisplay>([c] { c->cmdLifePath->click(); }, act));
}

void inComprehensiveWindow(frmKestrune* c, const std::function<void(frmKestruneSoftwareSave*)>& act) {
  QVERIFY(whileModal<frmKestruneSoftwareSave>([c] { c->cmdComprehensiveReading->click(); }, act));
}

}  // namespace

class TestNumReportWindows : public QObject {
  Q_OBJECT
 private slots:
  void init() { reset(); }

  // Save writes the reading of the last "&Next" - the trimmed names and the
  // date - byte for byte from either window, and the file opens again.
  void saveAndOpenAgain_data() {
    QTest::addColumn<bool>("comprehensive");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("middle");
    QTest::addColumn<QString>("last");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("written");
    QTest::newRow("single, empty middle") << false << " ANN " << "" << "LEE" << "ann.num" << "ann.num";
    QTest::newRow("comprehensive, pasted case") << true << "mary-ann" << "Q" << "O'NEIL"
                                                << "mary" << "mary.num";
    QTest::newRow("other extension gets .num") << false << "JOHN" << "" << "SMITH" << "reading.txt"
                                               << "reading.txt.num";
    QTest::newRow("capital NUM gets .num") << true << "JOHN" << "" << "SMITH" << "r.NUM" << "r.NUM.num";
  }
  void saveAndOpenAgain() {
    QFETCH(bool, comprehensive);
    QFETCH(QString, first);
    QFETCH(QString, middle);
    QFETCH(QString, last);
    QFETCH(QString, chosen);
    QFETCH(QString, written);
    const QString dir = testsupport::tempDir() + "/" + QTest::currentDataTag();
    QVERIFY(QDir().mkpath(dir));
    frmKestrune* c = openChooser(first, middle, last, "October", "12", "1905");
    testsupport::fakes().saveChoices.push_back(dir + "/" + chosen);
    const auto save = [](KestruneReportWindow* w) { w->cmdSave->click(); };
    if (comprehensive) inComprehensiveWindow(c, save);
    else inSingleWindow(c, save);

    const auto& req = testsupport::fakes().saveRequests.at(0);
    QCOMPARE(req.filter, QStringLiteral("Rich Text Format | *.num"));
    QCOMPARE(req.title, QStringLiteral("Save Your Kestrune Result ...."));
    QCOMPARE(req.defaultExt, QStringLiteral("num"));
    QVERIFY(req.overwritePrompt);
    QVERIFY(testsupport::fakes().boxes.isEmpty());
    const QByteArray expected = encodedLine(platform::vb::Trim(first)) + encodedLine(middle) +
                                encodedLine(last) + encodedLine("October") + encodedLine("12") +
                                encodedLine("1905");
    QCOMPARE(readAll(dir + "/" + written), expected);
    QCOMPARE(QDir(dir).entryList(QDir::Files), QStringList{written});

    // Open it again from a fresh page.
    c->cmdBack->click();
    frmKestruneSoftwareMain* page = Forms::find<frmKestruneSoftwareMain>();
    fill(page, "OTHER", "", "PERSON", "May", "1", "2000");
    testsupport::fakes().openChoices.push_back(dir + "/" + written);
    page->cmdOpen->click();
    QVERIFY(testsupport::fakes().boxes.isEmpty());
    QCOMPARE(page->txtFirstName->text(), platform::vb::Trim(first));
    QCOMPARE(page->txtMiddleName->text(), middle);
    QCOMPARE(page->cboMonth->currentText(), QStringLiteral("October"));
    QCOMPARE(page->cboDate->currentText(), QStringLiteral("12"));
    QCOMPARE(page->cboYear->currentText(), QStringLiteral("1905"));
    QVERIFY(Forms::isLoaded<frmKestrune>());
  }

  // A cancelled dialog writes nothing and says nothing; a save that fails
  // says so.
  void cancelAndFailure() {
    frmKestrune* c = openChooser("ANN", "", "LEE");
    inSingleWindow(c, [](frmKestruneSoftwareDisplay* w) { w->cmdSave->click(); });
    QCOMPARE(testsupport::fakes().saveRequests.size(), 1);
    QVERIFY(testsupport::fakes().boxes.isEmpty());

    const QString dir = testsupport::tempDir();
    writeFile(dir + "/afile", "x");
    testsupport::fakes().saveChoices.push_back(dir + "/afile/reading.num");
    inSingleWindow(c, [](frmKestruneSoftwareDisplay* w) { w->cmdSave->click(); });
    QCOMPARE(testsupport::fakes().boxes.size(), 1);
    QCOMPARE(testsupport::fakes().boxes[0].style, int(platform::vbCritical));
    QVERIFY(testsupport::fakes().boxes[0].text.contains("reading.num"));
  }

  // Characters the file cannot keep: Save names them and asks first; No
  // writes nothing, Yes writes the reading without them.
  void charactersTheFileCannotKeep_data() {
    QTest::addColumn<int>("answer");
    QTest::newRow("No") << int(platform::vbNo);
    QTest::newRow("Yes") << int(platform::vbYes);
  }
  void charactersTheFileCannotKeep() {
    QFETCH(int, answer);
    const QString path = testsupport::tempDir() + "/accents-" + QString::number(answer) + ".num";
    frmKestrune* c = openChooser(QString::fromUtf8("JOSÉ"), QString::fromUtf8("ŁUKASZ"), "ÉLAN");
    testsupport::fakes().answers.push_back(answer);
    testsupport::fakes().saveChoices.push_back(path);
    inSingleWindow(c, [](frmKestruneSoftwareDisplay* w) { w->cmdSave->click(); });
    QCOMPARE(testsupport::fakes().boxes.size(), 1);
    const auto& box = testsupport::fakes().boxes[0];
    QCOMPARE(box.style & 7, int(platform::vbYesNo));
    QVERIFY(box.text.contains(QString::fromUtf8("É Ł")));
    if (answer == platform::vbNo) {
      QVERIFY(testsupport::fakes().saveRequests.isEmpty());
      QVERIFY(!QFileInfo::exists(path));
      return;
    }
    QCOMPARE(readAll(path), encodedLine("JOS") + encodedLine("UKASZ") + encodedLine("LAN") +
                                encodedLine("August") + encodedLine("6") + encodedLine("1979"));
  }

  // Print sends the whole report with its bold and colours, whatever is
  // selected, and leaves the report as it was; without a printer it says so.
  void print() {
    frmKestrune* c = openChooser("ANN", "", "LEE");
    const QString pdf = testsupport::tempDir() + "/report.pdf";
    QStringList printedRuns;
    platform::services().print = [&](const QTextDocument& doc) {
      printedRuns = runs(&doc);
      QPdfWriter writer(pdf);
      writer.setPageSize(QPageSize(QPageSize::A4));
      doc.print(static_cast<QPagedPaintDevice*>(&writer));
      return true;
    };
    QStringList shownRuns;
    QString before, after;
    inComprehensiveWindow(c, [&](frmKestruneSoftwareSave* w) {
      shownRuns = runs(w->RTB->document());
      before = w->RTB->Text();
      w->RTB->setSelStart(6);
      w->RTB->setSelLength(4);
      w->cmdPrint->click();
      after = w->RTB->Text();
    });
    QCOMPARE(printedRuns, shownRuns);
    QCOMPARE(after, before);
    const QByteArray bytes = readAll(pdf);
    QVERIFY(bytes.startsWith("%PDF"));
    QVERIFY(bytes.size() > 1000);

    testsupport::installFakes();
    testsupport::fakes().printerPresent = false;
    inSingleWindow(c, [](frmKestruneSoftwareDisplay* w) { w->cmdPrint->click(); });
    QCOMPARE(testsupport::fakes().boxes.size(), 1);
    QVERIFY(testsupport::fakes().boxes[0].text.contains("printed"));
  }

  // The report box clears the clipboard of what this program put there, on
  // a change or any mouse event over it; another program's text stays.
  void clipboardRule() {
    frmKestrune* c = openChooser("ANN", "", "LEE");
    QClipboard* cb = QGuiApplication::clipboard();
    QString afterCopy, afterMove, foreignAfterMove;
    inSingleWindow(c, [&](frmKestruneSoftwareDisplay* w) {
      w->RTB->selectAll();
      w->RTB->copy();
      afterCopy = cb->text();
      QTest::mouseMove(w->RTB->viewport(), QPoint(10, 10));
      afterMove = cb->text();
      cb->setText(QStringLiteral("from another program"));
      QTest::mouseMove(w->RTB->viewport(), QPoint(20, 20));
      QTest::mouseClick(w->RTB->viewport(), Qt::LeftButton, {}, QPoint(20, 20));
      w->RTB->append(QStringLiteral("x"));
      foreignAfterMove = cb->text();
    });
    QVERIFY(afterCopy.startsWith("Your LifePath Number is"));
    QCOMPARE(afterMove, QString());
    QCOMPARE(foreignAfterMove, QStringLiteral("from another program"));
  }

  // Each window keeps its own clickable addresses while it is open: the
  // single-number window over the hidden comprehensive one, and the
  // comprehensive one itself.
  void clickableLinks() {
    frmKestrune* c = openChooser("ANN", "", "LEE");
    const auto clickSite = [](KestruneReportWindow* w) {
      const int at = w->RTB->Text().indexOf(shell::siteBase());
      QVERIFY(at >= 0);
      QTest::mousePress(w->RTB->viewport(), Qt::LeftButton, {}, pointOnCharacter(w->RTB, at + 3));
      QTest::mouseRelease(w->RTB->viewport(), Qt::LeftButton, {}, pointOnCharacter(w->RTB, at + 3));
    };
    testsupport::fakes().urls.clear();
    inSingleWindow(c, clickSite);
    inComprehensiveWindow(c, clickSite);
    QCOMPARE(testsupport::fakes().urls.size(), 2);
    for (const QUrl& u : testsupport::fakes().urls) QCOMPARE(u, QUrl(shell::siteBase()));
  }
};

AURAVANE_TEST_MAIN(TestNumReportWindows)
#include "test_num_report_windows.moc"

// The tarot-numerology reading as a person finishes it: the Numerology
// Spread on the result window's third page, the report window that Save
// opens, its printout and the reading file it saves.
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTabBar>
#include <QTextDocument>
#include <QTimer>

#include "platform/Cp1252.h"
#include "platform/Forms.h"
#include "platform/VbString.h"
#include "reportmarkup.h"
#include "shell/ReportWriter.h"
#include "shell/Site.h"
#include "shell/frmMDI.h"
#include "shell/modTextEncoding.h"
#include "tarot_numerology/NumerologySpreadCards.h"
#include "tarot_numerology/NumerologySpreadReport.h"
#include "tarot_numerology/TarotNumerologyPictures.h"
#include "tarot_numerology/TarotNumerologyReadingFile.h"
#include "tarot_numerology/TarotNumerologyState.h"
#include "tarot_numerology/TarotNumerologyTables.h"
#include "tarot_numerology/modNumerologySpread.h"
#include "tarot_numerology/frmTarotNumerologyDisplay.h"
#include "tarot_numerology/frmTarotNumerologyMain.h"
#include "tarot_numerology/frmTarotNumerologySave.h"
#include "testsupport.h"

using platform::Forms;
using testsupport::fakes;

namespace {

// The spread of the fixed reading: Justice and Strength, the first and the
// last card of the deck, and cards of every suit.
const QList<int> kSpread = {8, 11, 0, 22, 77, 39, 70, 2, 46};

void scriptSpread(const QList<int>& cards) {
  for (int c : cards) fakes().rnd.push_back((c + 0.5) / 78);
}

frmTarotNumerologyMain* openForm() {
  QTest::mouseClick(Forms::get<frmMDI>()->cmdSelectOption[2], Qt::LeftButton);
  return Forms::find<frmTarotNumerologyMain>();
}

// A reading through the input form, with the spread the generator is
// scripted to draw.
frmTarotNumerologyDisplay* reading(const QString& name, const QList<int>& spread = kSpread,
                                   const QString& day = QStringLiteral("1"),
                                   const QString& month = QStringLiteral("January"),
                                   const QString& year = QStringLiteral("1970")) {
  frmTarotNumerologyMain* f = openForm();
  if (!f) return nullptr;
  scriptSpread(spread);
  f->txtName->setText(name);
  f->cboDate->setCurrentText(day);
  f->cboMonth->setCurrentText(month);
  f->cboYear->setCurrentText(year);
  QTest::mouseClick(f->cmdProceed, Qt::LeftButton);
  return Forms::find<frmTarotNumerologyDisplay>();
}

QImage shown(const QLabel* pic) { return pic->pixmap().toImage().convertToFormat(QImage::Format_RGB32); }

QByteArray readAll(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

QByteArray encodedLine(const QString& value) {
  return platform::cp1252::toBytes(modTextEncoding::EncodeText(value)) + "\r\n";
}

QString tempPath(const QString& name) { return testsupport::tempDir() + QLatin1Char('/') + name; }

// Lines of a multi-line value as the colour markup shows them.
QStringList valueLines(const QString& crLfText) {
  QStringList out;
  for (const QString& l : crLfText.split(QStringLiteral("\r\n")))
    out << (l.isEmpty() ? QString() : QStringLiteral("{0}") + l);
  return out;
}

// The expected lines of one number's block of the saved report.
QStringList numberBlock(const QString& title, const QString& paragraph, const QString& numberLabel,
                        int n, const QString& text, const QString& bestDays) {
  const TarotNumerologyTables::NumberRow* row = TarotNumerologyTables::numberRow(n);
  const QString planet = QString::fromLatin1(row->planet);
  QStringList want;
  want << "{5b}" + title << "{5}" + paragraph;
  want << "{3b}" + numberLabel + "{0}" + QString::number(n) << valueLines(text);
  want << "{3b}Associated Planet: {0}" + planet << valueLines(TarotNumerologyTables::planetText(planet));
  want << "{3b}Lucky Day: {0}" + QString::fromLatin1(row->luckyDay) << "{3b}Best Day: {0}" + bestDays
       << "{3b}Best Colors: {0}" + QString::fromLatin1(row->colours)
       << "{3b}Lucky Stones: {0}" + QString::fromLatin1(row->stones) << "" << "{3b}Cards Use: ";
  for (const TarotNumerologyTables::SetCard& c : TarotNumerologyTables::cardSet(n))
    want << "{2b}Card Name: {0}" + c.name << "{2b}Card Description: {0}" + c.description
         << "{2b}Card Keywords: {0}" + c.keywords << "";
  return want;
}

// The whole saved report of a reading on 1 January 1970 (Life Path 1) whose
// name has the Destiny number destiny, with the fixed spread.
QStringList savedReport(const QString& name, int destiny) {
  QStringList want = {"{3b}Name: {0}" + name, "", "{3b}Date of Birth: {0}1 January 1970", ""};
  want << numberBlock("Tarot & Life Path Number", TarotNumerologyTables::lifePathParagraph(),
                      "Life Path Number: ", 1, TarotNumerologyTables::lifePathText(1),
                      TarotNumerologyTables::lifePathBestDays(1));
  want << numberBlock("Tarot & Destiny Number", TarotNumerologyTables::destinyParagraph(),
                      "Destiny Number: ", destiny, TarotNumerologyTables::destinyText(destiny),
                      TarotNumerologyTables::destinyBestDays(destiny));
  want << "{5b}Numerology Spread" << "{5b}" + modNumerologySpread::NSSpreadDescription();
  for (int k = 0; k < 9; ++k) {
    const int c = kSpread[k];
    want << "" << QStringLiteral("{3b}Position %1: ").arg(k + 1)
         << "{0}" + modNumerologySpread::NSPositions(k) << "{3b}Card Name: " << "{0}" + NSCardTable::name(c)
         << "{3b}Keywords: " << "{0}" + NSCardTable::keywords(c) << "{3b}Description: "
         << "{0}" + NSCardTable::description(c);
  }
  want << "";
  return want;
}

QStringList messages() {
  QStringList out;
  for (const auto& b : fakes().boxes) out << b.text;
  return out;
}

}  // namespace

class TestTarotNumerologyReportWindow : public QObject {
  Q_OBJECT
 private slots:
  void init() {
    testsupport::resetProgram();
    Forms::get<frmMDI>()->show();
  }

  // The third page shows the nine cards drawn, each in its place of the grid
  // with its position number, around them the chart numbers, lines and
  // captions, and beside them the spread's report.
  void spreadPage() {
    frmTarotNumerologyDisplay* d = reading(QStringLiteral("Ann Lee"));
    QVERIFY(d);
    QCOMPARE(tnState().NSSpreadCards, kSpread);
    for (int k = 0; k < 9; ++k) {
      const QLabel* pic = d->picNumerologyGrid[std::size_t(k)];
      QCOMPARE(pic->objectName(), QStringLiteral("picNumerologyGrid(%1)").arg(k));
      QCOMPARE(shown(pic), TarotNumerologyPictures::spreadCard(kSpread[k]).convertToFormat(QImage::Format_RGB32));
      // Positions 1 to 3 along the top row, 7 to 9 along the bottom.
      QCOMPARE(pic->x(), d->picNumerologyGrid[std::size_t(k % 3)]->x());
      QCOMPARE(pic->y(), d->picNumerologyGrid[std::size_t(k / 3 * 3)]->y());
      if (k % 3) QVERIFY(pic->x() > d->picNumerologyGrid[std::size_t(k - 1)]->x());
      if (k >= 3) QVERIFY(pic->y() > d->picNumerologyGrid[std::size_t(k - 3)]->y());
      QCOMPARE(d->lblCardPosition[std::size_t(k)]->parentWidget(), pic);
      QCOMPARE(d->lblCardPosition[std::size_t(k)]->text(), QString::number(k + 1));
      QVERIFY(pic->accessibleName().contains(NSCardTable::name(kSpread[k])));
    }
    // The chart numbers count up each column from the bottom: 1 under 2
    // under 3 on the left, 9 at the top right.
    auto at = [&](int i) { return d->lblNo[std::size_t(i)]->geometry().topLeft(); };
    QCOMPARE(d->lblNo[0]->text(), QString("1"));
    QCOMPARE(d->lblNo[8]->text(), QString("9"));
    QVERIFY(at(0).x() == at(2).x() && at(0).y() > at(1).y() && at(1).y() > at(2).y());
    QVERIFY(at(3).x() > at(0).x() && at(6).x() > at(3).x() && at(8).y() == at(2).y());
    QCOMPARE(d->lblNo[0]->palette().color(QPalette::Window), QColor(255, 180, 4));
    QStringList captions;
    for (QLabel* l : d->lblNumerologyGrid) {
      QTextDocument shownText;
      shownText.setHtml(l->text());
      captions << shownText.toPlainText().replace(QChar::LineSeparator, ' ').replace('\n', ' ');
    }
    QCOMPARE(captions, QStringList({"Thought", "Organization", "Influence", "Individualistic",
                                    "Material Activity", "Power - strength", "H E A D", "H E A R T",
                                    "D E E D S", "I n t e l l e c t", "L i a s i o n",
                                    "F u n d a m e n t a l"}));
    for (QFrame* line : d->Line1) QVERIFY(line && line->parentWidget() == d->picNumerologySpread);

    // The report box holds the spread's report of these cards, whole.
    platform::RichTextBox expected;
    modNumerologySpread::WriteNumerologySpreadReport(&expected, kSpread);
    reportmarkup::compareLines(reportmarkup::colourLines(d->RTB->document()),
                               reportmarkup::colourLines(expected.document()));
    QVERIFY(d->RTB->urlDetect());

    d->TS->setCurrentIndex(2);
    QVERIFY(d->picNumerologySpread->isVisible());
  }

  // Every reading draws anew: Back and another reading replace the grid and
  // the report whole.
  void eachReadingDrawsAnew() {
    frmTarotNumerologyDisplay* d = reading(QStringLiteral("Ann Lee"));
    QVERIFY(d);
    QTest::mouseClick(d->cmdBack, Qt::LeftButton);
    const QList<int> second = {77, 76, 75, 74, 73, 72, 71, 70, 69};
    d = reading(QStringLiteral("Ann Lee"), second);
    QVERIFY(d);
    QCOMPARE(tnState().NSSpreadCards, second);
    QCOMPARE(shown(d->picNumerologyGrid[0]), TarotNumerologyPictures::spreadCard(77).convertToFormat(QImage::Format_RGB32));
    QCOMPARE(d->RTB->Text().count(QStringLiteral("Position ")), 9);
    QVERIFY(!d->RTB->Text().contains(NSCardTable::name(8) + QStringLiteral("\r\n")));
  }

  // The result window's Save opens the report window modal over it; closing
  // it returns to the page that was in front.
  void saveOpensTheReportWindowModal() {
    frmTarotNumerologyDisplay* d = reading(QStringLiteral("Ann Lee"));
    QVERIFY(d && d->cmdSave->isEnabled());
    d->TS->setCurrentIndex(2);
    bool seen = false;
    QTimer::singleShot(0, this, [&] {
      frmTarotNumerologySave* s = Forms::find<frmTarotNumerologySave>();
      seen = s && s->isVisible() && s->isModal() && !s->RTB->Text().isEmpty() &&
             s->focusWidget() == s->RTB;
      if (s) QTest::keyClick(s, Qt::Key_Escape);
    });
    QTest::mouseClick(d->cmdSave, Qt::LeftButton);
    QVERIFY(seen);
    QVERIFY(!Forms::isLoaded<frmTarotNumerologySave>());
    QCOMPARE(d->TS->currentIndex(), 2);
    QVERIFY(d->FormVisible());
  }

  // The saved report of the fixed reading, whole, whatever card the pages
  // show; opening it again writes the same report.
  void savedReportWhole() {
    frmTarotNumerologyDisplay* d = reading(QStringLiteral("Ann Lee"));  // Destiny 6
    QVERIFY(d);
    QTest::mouseClick(d->cmdLifePathNext, Qt::LeftButton);
    QTest::mouseClick(d->cmdLifePathNext, Qt::LeftButton);
    frmTarotNumerologySave* s = Forms::get<frmTarotNumerologySave>();
    const QStringList lines = reportmarkup::colourLines(s->RTB->document());
    reportmarkup::compareLines(lines, savedReport(QStringLiteral("Ann Lee"), 6));
    QVERIFY(s->RTB->Text().startsWith(QStringLiteral("Name: Ann Lee\r\n\r\nDate of Birth: ")));
    Forms::unload(s);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(reportmarkup::colourLines(Forms::get<frmTarotNumerologySave>()->RTB->document()), lines);
  }

  // Print lays the header, the report's text and the footer down once,
  // however often it is pressed.
  void printComposesOneCopy() {
    QVERIFY(reading(QStringLiteral("Ann Lee")));
    frmTarotNumerologySave* s = Forms::get<frmTarotNumerologySave>();
    const QString by = shell::reportGeneratedBy();
    const QString want = by + "\n\n" + platform::vb::fromCrLf(s->RTB->Text()) + "\n\n" + by;
    s->cmdPrint->click();
    s->cmdPrint->click();
    QCOMPARE(fakes().printed, QStringList({want, want}));
    QVERIFY(fakes().boxes.isEmpty());
  }

  // A real printout to a PDF file, printed twice and read back: one header,
  // the report and one footer.
  void printTwiceToPdf() {
    if (QStandardPaths::findExecutable("pdftotext").isEmpty()) QSKIP("pdftotext is not installed");
    const QString pdf = tempPath(QStringLiteral("tn-report.pdf"));
    platform::services().print = [pdf](const QTextDocument& doc) {
      QPrinter printer(QPrinter::HighResolution);
      printer.setOutputFormat(QPrinter::PdfFormat);
      printer.setOutputFileName(pdf);
      doc.print(&printer);
      return printer.printerState() != QPrinter::Error;
    };
    QVERIFY(reading(QStringLiteral("Ann Lee")));
    frmTarotNumerologySave* s = Forms::get<frmTarotNumerologySave>();
    s->cmdPrint->click();
    s->cmdPrint->click();
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    QVERIFY(p.waitForFinished(20000));
    const QString text = QString::fromUtf8(p.readAllStandardOutput()).simplified();
    QCOMPARE(text.count(QStringLiteral("Report Generated By")), 2);
    QVERIFY2(text.startsWith(shell::reportGeneratedBy() + QStringLiteral(" Name: Ann Lee Date of Birth: 1 January 1970")),
             qPrintable(text.left(200)));
    QCOMPARE(text.count(QStringLiteral("Name: Ann Lee")), 1);
    // The footer follows the last position's block (only page numbers after it).
    QVERIFY(text.lastIndexOf(shell::reportGeneratedBy()) > text.indexOf(QStringLiteral("Position 9:")));
    QVERIFY(fakes().boxes.isEmpty());
  }

  void printerMissingSaysSo() {
    QVERIFY(reading(QStringLiteral("Ann Lee")));
    fakes().printerPresent = false;
    Forms::get<frmTarotNumerologySave>()->cmdPrint->click();
    QCOMPARE(fakes().boxes.size(), 1);
    QVERIFY(fakes().boxes[0].text.contains(QStringLiteral("Nothing was printed")));
  }

  // Save writes the four encoded lines, always under a ".tnm" name, and the
  // input form opens the file again with the same name and date and a newly
  // drawn spread.
  void saveAndOpenAgain_data() {
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("written");
    QTest::newRow("tnm name") << "first.tnm" << "first.tnm";
    QTest::newRow("no extension") << "second" << "second.tnm";
    QTest::newRow("other extension") << "third.txt" << "third.txt.tnm";
  }
  void saveAndOpenAgain() {
    QFETCH(QString, chosen);
    QFETCH(QString, written);
    frmTarotNumerologyDisplay* d = reading(QStringLiteral("Ann Lee"), kSpread, QStringLiteral("29"),
                                           QStringLiteral("September"), QStringLiteral("1999"));
    QVERIFY(d);
    frmTarotNumerologySave* s = Forms::get<frmTarotNumerologySave>();
    fakes().saveChoices.push_back(tempPath(chosen));
    s->cmdSave->click();
    QVERIFY(fakes().boxes.isEmpty());
    const platform::FileDialogRequest req = fakes().saveRequests.value(0);
    QCOMPARE(req.filter, QString("Sylvaric | *.tnm"));
    QCOMPARE(req.defaultExt, QString("tnm"));
    QVERIFY(req.overwritePrompt);
    // "Ann Lee": A is 65, so its encoded byte is 65 + 85 = 0x96.
    const QByteArray bytes = readAll(tempPath(written));
    QVERIFY(bytes.startsWith("\x96\xC3\xC3\x75\xA1\xBA\xBA\r\n"));
    QCOMPARE(bytes, encodedLine("Ann Lee") + encodedLine("29") + encodedLine("September") + encodedLine("1999"));
    if (chosen != written) QVERIFY(!QFile::exists(tempPath(chosen)));

    Forms::unload(s);
    QTest::mouseClick(d->cmdBack, Qt::LeftButton);
    frmTarotNumerologyMain* f = Forms::find<frmTarotNumerologyMain>();
    f->txtName->setText(QStringLiteral("Someone Else"));
    const QList<int> again = {1, 2, 3, 4, 5, 6, 7, 9, 10};
    scriptSpread(again);
    fakes().openChoices.push_back(tempPath(written));
    QTest::mouseClick(f->cmdOpen, Qt::LeftButton);
    QVERIFY(messages().isEmpty());
    QCOMPARE(tnState().TNName, QString("Ann Lee"));
    QCOMPARE(tnState().TNBirthDate, QString("29 September 1999"));
    QCOMPARE(tnState().TNLifePath, qint16(3));
    QCOMPARE(tnState().NSSpreadCards, again);
    d = Forms::find<frmTarotNumerologyDisplay>();
    QVERIFY(d && d->FormVisible());
    QCOMPARE(shown(d->picNumerologyGrid[8]), TarotNumerologyPictures::spreadCard(10).convertToFormat(QImage::Format_RGB32));
  }

  // A name ending otherwise gets ".tnm", and a file of that name is replaced
  // only when the user agrees.
  void addedExtensionAsksBeforeReplacing() {
    QVERIFY(reading(QStringLiteral("Ann Lee")));
    const QString target = tempPath(QStringLiteral("kept.tnm"));
    QFile old(target);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("earlier reading");
    old.close();
    frmTarotNumerologySave* s = Forms::get<frmTarotNumerologySave>();
    fakes().saveChoices.push_back(tempPath(QStringLiteral("kept")));
    fakes().answers.push_back(platform::vbNo);
    s->cmdSave->click();
    QCOMPARE(fakes().boxes.size(), 1);
    QVERIFY(fakes().boxes[0].text.contains(QStringLiteral("kept.tnm")));
    QCOMPARE(readAll(target), QByteArray("earlier reading"));
    fakes().saveChoices.push_back(tempPath(QStringLiteral("kept")));
    fakes().answers.push_back(platform::vbYes);
    s->cmdSave->click();
    QVERIFY(readAll(target).startsWith(encodedLine("Ann Lee")));
  }

  // Cancel writes nothing and says nothing; a write that fails says so and
  // leaves the earlier file whole.
  void cancelAndFailure() {
    QVERIFY(reading(QStringLiteral("Ann Lee")));
    frmTarotNumerologySave* s = Forms::get<frmTarotNumerologySave>();
    fakes().saveChoices.push_back(std::nullopt);
    s->cmdSave->click();
    QVERIFY(fakes().boxes.isEmpty());

    const QString target = tempPath(QStringLiteral("earlier.tnm"));
    QFile old(target);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("earlier reading, longer than the room left");
    old.close();
    fakes().saveChoices.push_back(target);
    {
      testsupport::FileSizeLimit full(6);
      s->cmdSave->click();
    }
    QCOMPARE(fakes().boxes.size(), 1);
    QCOMPARE(fakes().boxes[0].style, int(platform::vbCritical));
    QVERIFY(fakes().boxes[0].text.contains(QStringLiteral("earlier.tnm")));
    QCOMPARE(readAll(target), QByteArray("earlier reading, longer than the room left"));

    fakes().saveChoices.push_back(tempPath(QStringLiteral("no-such-folder/r.tnm")));
    s->cmdSave->click();
    QCOMPARE(fakes().boxes.size(), 2);
    QCOMPARE(fakes().boxes[1].style, int(platform::vbCritical));
  }

  // A name with characters the file cannot keep (above 170 in the code
  // page, or not in it) asks first, naming them; No writes nothing, Yes
  // writes the encoded bytes, which leave them out.
  void charactersTheFileCannotKeep_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("named");  // the characters the question names; empty: no question
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("reopened");
    QTest::newRow("code 170 is kept") << QString::fromUtf8("Ann \u00AA") << "" << 0
                                      << QString::fromUtf8("Ann \u00AA");
    QTest::newRow("declined") << QString::fromUtf8("Zo\u00EB \u0166am") << QString::fromUtf8("\u00EB \u0166")
                              << int(platform::vbNo) << "";
    QTest::newRow("accepted") << QString::fromUtf8("Zo\u00EB \u00EBam\u00AB") << QString::fromUtf8("\u00EB \u00AB")
                              << int(platform::vbYes) << "Zo am";
  }
  void charactersTheFileCannotKeep() {
    QFETCH(QString, name);
    QFETCH(QString, named);
    QFETCH(int, answer);
    QFETCH(QString, reopened);
    QVERIFY(reading(name));
    const QString path = tempPath(QStringLiteral("chars-%1.tnm").arg(QTest::currentDataTag()).replace(' ', '-'));
    if (answer) fakes().answers.push_back(answer);
    fakes().saveChoices.push_back(path);
    Forms::get<frmTarotNumerologySave>()->cmdSave->click();
    if (named.isEmpty()) {
      QVERIFY(fakes().boxes.isEmpty());
    } else {
      QCOMPARE(fakes().boxes.size(), 1);
      QCOMPARE(fakes().boxes[0].style, int(platform::vbYesNo | platform::vbQuestion));
      QVERIFY2(fakes().boxes[0].text.contains(named), qPrintable(fakes().boxes[0].text));
    }
    if (reopened.isEmpty()) {
      QVERIFY(!QFile::exists(path));
      return;
    }
    QCOMPARE(readAll(path), encodedLine(name) + encodedLine("1") + encodedLine("January") + encodedLine("1970"));
    const auto back = TarotNumerologyReadingFile::load(path);
    QVERIFY(back);
    QCOMPARE(back->name, reopened);
  }

  // Text copied out of a report box is gone at the next touch of either
  // report box or at the next writing of the spread's report; what another
  // program put on the clipboard stays.
  void reportBoxesClearTheirCopies() {
    frmTarotNumerologyDisplay* d = reading(QStringLiteral("Ann Lee"));
    QVERIFY(d);
    QClipboard* cb = QGuiApplication::clipboard();
    d->RTB->selectAll();
    d->RTB->copy();
    QVERIFY(cb->text().contains(QStringLiteral("Position 1: ")));
    QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), d->RTB->viewport()->mapToGlobal(QPointF(5, 5)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(d->RTB->viewport(), &move);
    QVERIFY(cb->text().isEmpty());

    d->RTB->selectAll();
    d->RTB->copy();
    d->drawSpread(modNumerologySpread::kNumerologySpread);
    QTRY_VERIFY(cb->text().isEmpty());

    frmTarotNumerologySave* s = Forms::get<frmTarotNumerologySave>();
    s->RTB->selectAll();
    s->RTB->copy();
    QVERIFY(cb->text().startsWith(QStringLiteral("Name: Ann Lee")));
    QTest::mouseClick(s->RTB->viewport(), Qt::LeftButton);
    QVERIFY(cb->text().isEmpty());

    cb->setText(QStringLiteral("from another program"));
    QTest::mouseClick(s->RTB->viewport(), Qt::LeftButton);
    d->drawSpread(modNumerologySpread::kNumerologySpread);
    QCoreApplication::processEvents();
    QCOMPARE(cb->text(), QStringLiteral("from another program"));
    cb->clear();
  }

  // The report window's links open their pages.
  void links() {
    QVERIFY(reading(QStringLiteral("Ann Lee")));
    frmTarotNumerologySave* s = Forms::get<frmTarotNumerologySave>();
    QTest::mouseClick(s->Label14, Qt::LeftButton);
    QTest::mouseClick(s->Label1, Qt::LeftButton);
    QTest::mouseClick(s->Label7, Qt::LeftButton);
    QCOMPARE(fakes().urls, QList<QUrl>({QUrl(shell::pageAddress(QStringLiteral("home-page"))),
                                        QUrl(shell::pageAddress(QStringLiteral("home-page"))),
                                        QUrl(shell::pageAddress(QStringLiteral("fully-branded")))}));
  }
};

AURAVANE_TEST_MAIN(TestTarotNumerologyReportWindow)
#include "test_tn_report_window.moc"

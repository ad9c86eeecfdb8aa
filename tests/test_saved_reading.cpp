#include <QFile>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTextDocument>

#include "platform/Cp1252.h"
#include "platform/Forms.h"
#include "platform/WindowServices.h"
#include "tarot/TarotReadingFile.h"
#include "shell/frmMDI.h"
#include "tarot/TarotReadingState.h"
#include "tarotfixtures.h"
#include "testsupport.h"

using TarotReadingFile::Reading;

namespace {

using tarotfixtures::line;
using tarotfixtures::readAll;

void writeFile(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  QVERIFY(f.open(QIODevice::WriteOnly));
  f.write(bytes);
}

void setAutomatic(const QString& spread, const QString& deck, std::vector<int> cards,
                  std::vector<int> reversed) {
  TarotReadingState& s = tarotState();
  s.strSpreadName = spread;
  s.strDeckLetter = deck;
  s.blnManualMode = false;
  s.lngChosenCards.redim(int(cards.size()));  // the deal's spare last element
  for (int i = 0; i < int(cards.size()); ++i) s.lngChosenCards[i] = cards[std::size_t(i)];
  s.lngReversedCards.erase();
  for (int r : reversed) s.lngReversedCards.append(r);
}

}  // namespace

// The main window's Save and Print, as a person reaches them: on the
// querent strip, shown.
void clickSave() {
  frmMDI* m = platform::Forms::get<frmMDI>();
  m->querentStrip()->show();
  m->cmdSave->click();
}

void clickPrint() {
  frmMDI* m = platform::Forms::get<frmMDI>();
  m->querentStrip()->show();
  m->cmdPrint->click();
}

class TestSavedReading : public QObject {
  Q_OBJECT
 private slots:
  void init() {
    testsupport::resetProgram();
    tarotState() = TarotReadingState();
  }

  void goldenFiles_data() {
    QTest::addColumn<bool>("manual");
    QTest::addColumn<QString>("spread");
    QTest::addColumn<QString>("deck");
    QTest::addColumn<QList<int>>("cards");
    QTest::addColumn<QList<int>>("reversed");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("automatic, three cards")
        << false << "Three Cards" << "r" << QList<int>{12, 0, 77} << QList<int>{}
        << (line("sThree Cards") + line("dr") + line("c12") + line("c0") + line("c77"));
    QTest::newRow("automatic with reversed cards")
        << false << "Two Cards" << "m" << QList<int>{7, 40} << QList<int>{40}
        << (line("sTwo Cards") + line("dm") + line("c7") + line("c40") + line("r40"));
    QTest::newRow("manual with two reversed")
        << true << "Three Cards" << "r" << QList<int>{5, 61, 22} << QList<int>{61, 5}
        << (line("sThree Cards") + line("dr") + line("c5") + line("c61") + line("c22") + line("r61") +
            line("r5"));
    QTest::newRow("manual before the first pick")
        << true << "Celtic Cross" << "r" << QList<int>{} << QList<int>{}
        << (line("sCeltic Cross") + line("dr"));
  }
  void goldenFiles() {
    QFETCH(bool, manual);
    QFETCH(QString, spread);
    QFETCH(QString, deck);
    QFETCH(QList<int>, cards);
    QFETCH(QList<int>, reversed);
    QFETCH(QByteArray, expected);
    TarotReadingState& s = tarotState();
    if (manual) {
      s.strSpreadName = spread;
      s.strDeckLetter = deck;
      s.blnManualMode = true;
      for (int c : cards) s.lngChosenCards.append(c);
      for (int r : reversed) s.lngReversedCards.append(r);
    } else {
      setAutomatic(spread, deck, {cards.begin(), cards.end()}, {reversed.begin(), reversed.end()});
    }
    const QString path = testsupport::tempDir() + "/golden.lqs";
    QFile::remove(path);
    testsupport::fakes().saveChoices.push_back(path);
    clickSave();
    QCOMPARE(readAll(path), expected);
    const auto& req = testsupport::fakes().saveRequests.at(0);
    QCOMPARE(req.filter, QString("Auravane | *.lqs"));
    QCOMPARE(req.defaultExt, QString("lqs"));
    QCOMPARE(req.title, QString("Auravane"));
    QVERIFY(testsupport::fakes().boxes.isEmpty());
    // The byte examples of the format.
    QCOMPARE(line("dr"), QByteArray("\xB9\xC7\r\n"));
    QCOMPARE(line("c12"), QByteArray("\xB8\x86\x87\r\n"));
  }

  void cancelWritesNothing() {
    setAutomatic("One Card", "r", {3}, {});
    clickSave();  // no file chosen
    QCOMPARE(testsupport::fakes().saveRequests.size(), 1);
    QVERIFY(testsupport::fakes().boxes.isEmpty());
  }

  // A write that cannot be made says so; an existing file stays whole.
  void failedSaveIsReported() {
    setAutomatic("One Card", "r", {3}, {});
    testsupport::fakes().saveChoices.push_back(testsupport::tempDir() + "/no/such/folder/x.lqs");
    clickSave();
    QCOMPARE(testsupport::fakes().boxes.size(), 1);
    QCOMPARE(testsupport::fakes().boxes[0].style, int(platform::vbCritical));
  }

  // Saving over an earlier reading on a disk that fills up part-way: the
  // critical message shows, and the earlier file keeps every byte.
  void failedSaveKeepsTheEarlierReading() {
    const QString path = testsupport::tempDir() + "/earlier.lqs";
    const QByteArray earlier = line("sOne Card") + line("dr") + line("c3");
    writeFile(path, earlier);
    setAutomatic("Three Cards", "m", {12, 0, 77}, {77});
    testsupport::fakes().saveChoices.push_back(path);
    {
      testsupport::FileSizeLimit full(10);
      clickSave();
    }
    QCOMPARE(testsupport::fakes().boxes.size(), 1);
    QCOMPARE(testsupport::fakes().boxes[0].style, int(platform::vbCritical));
    QVERIFY(testsupport::fakes().boxes[0].text.contains("earlier.lqs"));
    QCOMPARE(readAll(path), earlier);
    // With room on the disk the same save goes through.
    testsupport::fakes().saveChoices.push_back(path);
    clickSave();
    QCOMPARE(testsupport::fakes().boxes.size(), 1);
    QCOMPARE(readAll(path), line("sThree Cards") + line("dm") + line("c12") + line("c0") + line("c77") +
                                line("r77"));
  }

  void openThenSaveReproducesTheFile() {
    const QByteArray original = line("sCeltic Cross") + line("dm") + line("c0") + line("c1") + line("c2") +
                                line("c3") + line("c4") + line("c5") + line("c6") + line("c7") + line("c8") +
                                line("c77") + line("r1") + line("r77");
    const auto r = TarotReadingFile::decode(original);
    QVERIFY(r);
    QCOMPARE(TarotReadingFile::encode(*r), original);
  }

  void damagedFiles_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("accepted");
    const QByteArray good = line("sThree Cards") + line("dr") + line("c1") + line("c2") + line("c3");
    QTest::newRow("good") << good << true;
    QTest::newRow("empty") << QByteArray() << false;
    QTest::newRow("plain text") << QByteArray("sThree Cards\r\ndr\r\nc1\r\nc2\r\nc3\r\n") << false;
    QTest::newRow("binary garbage") << QByteArray("\x00\xFF\x13\x37\x80\x81\x8D\n\r\x00\x01", 11) << false;
    QTest::newRow("no s line") << line("dr") + line("c1") + line("c2") + line("c3") << false;
    QTest::newRow("no d line") << line("sThree Cards") + line("c1") + line("c2") + line("c3") << false;
    QTest::newRow("deck x") << line("sThree Cards") + line("dx") + line("c1") + line("c2") + line("c3") << false;
    QTest::newRow("card 78") << line("sThree Cards") + line("dr") + line("c1") + line("c2") + line("c78") << false;
    QTest::newRow("card -1") << line("sThree Cards") + line("dr") + line("c1") + line("c2") + line("c-1") << false;
    QTest::newRow("card blank") << line("sThree Cards") + line("dr") + line("c1") + line("c2") + line("c") << false;
    QTest::newRow("reversed 99") << good + line("r99") << false;
    QTest::newRow("four cards: no layout")
        << line("sThree Cards") + line("dr") + line("c1") + line("c2") + line("c3") + line("c4") << false;
    QTest::newRow("ten cards, unknown name")
        << line("sMy Cross") + line("dr") + line("c1") + line("c2") + line("c3") + line("c4") + line("c5") +
               line("c6") + line("c7") + line("c8") + line("c9") + line("c10")
        << false;
    QTest::newRow("unknown name, count decides") << line("sMy Three") + line("dm") + line("c5") + line("c6") + line("c7") << true;
    QByteArray lf = good;
    lf.replace("\r\n", "\n");
    QTest::newRow("LF line ends") << lf << true;
    QByteArray cr = good;
    cr.replace("\r\n", "\r");
    QTest::newRow("CR line ends") << cr << true;
    QTest::newRow("any order, unknown tags, duplicates, last s and d")
        << line("c1") + line("xjunk") + line("dm") + line("sOne Card") + line("c1") + line("\r") +
               line("sThree Cards") + line("c1") + line("dr")
        << true;
    QTest::newRow("large file") << good + QByteArray(70 * 1024, '\n') << false;
  }
  void damagedFiles() {
    QFETCH(QByteArray, bytes);
    QFETCH(bool, accepted);
    const QString path = testsupport::tempDir() + "/damaged.lqs";
    writeFile(path, bytes);
    QCOMPARE(TarotReadingFile::load(path).has_value(), accepted);
    QVERIFY(!TarotReadingFile::load(testsupport::tempDir() + "/missing.lqs"));
  }

  void lastLinesWin() {
    const auto r = TarotReadingFile::decode(line("c1") + line("dm") + line("sOne Card") + line("c4") +
                                            line("sThree Cards") + line("c1") + line("dr"));
    QVERIFY(r);
    QCOMPARE(r->spreadName, QString("Three Cards"));
    QCOMPARE(r->deckLetter, QString("r"));
    QCOMPARE(r->cards, (std::vector<int>{1, 4, 1}));
  }

  // Each print is the header, the report as it is now, and the footer.
  void printComposesAfresh() {
    frmMDI* m = platform::Forms::get<frmMDI>();
    const QString by = QString("Report Generated By ") + AURAVANE_SITE_URL;
    m->RTB->setText("First report\r\nline two");
    clickPrint();
    m->RTB->setText("Second");
    clickPrint();
    const QStringList printed = testsupport::fakes().printed;
    QCOMPARE(printed.size(), 2);
    QCOMPARE(printed[0], by + "\n\nFirst report\nline two\n\n" + by);
    QCOMPARE(printed[1], by + "\n\nSecond\n\n" + by);
    m->RTB->setText("");
    clickPrint();
    QCOMPARE(testsupport::fakes().printed[2], by + "\n\n\n\n" + by);
    QVERIFY(testsupport::fakes().boxes.isEmpty());
  }

  void noPrinterSaysSo() {
    testsupport::fakes().printerPresent = false;
    clickPrint();
    QCOMPARE(testsupport::fakes().boxes.size(), 1);
    QVERIFY(testsupport::fakes().boxes[0].text.contains("Nothing was printed"));
  }

  // A real print through the program's printing to a PDF file, read back
  // line by line: the header, the report's lines, the footer, and nothing
  // the toolkit would add (no page number).
  void realPrintToPdf() {
    if (QStandardPaths::findExecutable("pdftotext").isEmpty()) QSKIP("pdftotext is not installed");
    const QString pdf = testsupport::tempDir() + "/report.pdf";
    QFile::remove(pdf);
    platform::services().print = [pdf](const QTextDocument& doc) {
      QPrinter printer(QPrinter::HighResolution);
      printer.setOutputFormat(QPrinter::PdfFormat);
      printer.setOutputFileName(pdf);
      return platform::printOn(doc, printer);
    };
    frmMDI* m = platform::Forms::get<frmMDI>();
    m->RTB->setText("The Tower\r\nThe Tower stands for sudden change.\r\n\r\nThe Star");
    clickPrint();
    QProcess p;
    p.start("pdftotext", {"-layout", pdf, "-"});
    QVERIFY(p.waitForFinished(20000));
    QStringList lines = QString::fromUtf8(p.readAllStandardOutput()).split(QLatin1Char('\n'));
    for (QString& l : lines) l = l.trimmed();
    while (!lines.isEmpty() && (lines.last().isEmpty() || lines.last() == "\f")) lines.removeLast();
    const QString by = QString("Report Generated By ") + AURAVANE_SITE_URL;
    QCOMPARE(lines, (QStringList{by, "", "The Tower", "The Tower stands for sudden change.", "",
                                 "The Star", "", by}));
  }

  // A card value is a whole number from 0 to 77, with or without leading
  // zeros, for cards and reversed cards alike.
  void cardValues_data() {
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("card");  // -1: the file is refused
    QTest::newRow("7") << "7" << 7;
    QTest::newRow("07") << "07" << 7;
    QTest::newRow("077") << "077" << 77;
    QTest::newRow("0") << "0" << 0;
    QTest::newRow("00") << "00" << 0;
    QTest::newRow("000000077") << "000000077" << 77;
    QTest::newRow("078") << "078" << -1;
    QTest::newRow("100") << "100" << -1;
    QTest::newRow("0100") << "0100" << -1;
    QTest::newRow("+7") << "+7" << -1;
    QTest::newRow(" 7") << " 7" << -1;
    QTest::newRow("7 ") << "7 " << -1;
    QTest::newRow("0x1") << "0x1" << -1;
  }
  void cardValues() {
    QFETCH(QString, value);
    QFETCH(int, card);
    const QByteArray head = line("sOne Card") + line("dr");
    const auto asCard = TarotReadingFile::decode(head + line("c" + value));
    const auto asReversed = TarotReadingFile::decode(head + line("c1") + line("r" + value));
    QCOMPARE(asCard.has_value(), card >= 0);
    QCOMPARE(asReversed.has_value(), card >= 0);
    if (card < 0) return;
    QCOMPARE(asCard->cards, std::vector<int>{card});
    QCOMPARE(asReversed->reversed, std::vector<int>{card});
  }
};

AURAVANE_TEST_MAIN(TestSavedReading)
#include "test_saved_reading.moc"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#include <QLabel>
#include <QLineEdit>

#include "board/frmAuto.h"
#include "platform/Forms.h"
#include "platform/Pictures.h"
#include "platform/Twips.h"
#include "shell/frmMDI.h"
#include "tarot/TarotCardTable.h"
#include "tarot/TarotReadingState.h"
#include "tarot/frmTarotFront.h"
#include "tarotfixtures.h"
#include "testsupport.h"

using platform::Forms;

namespace {

using namespace tarotfixtures;

// A Celtic Cross of the second deck whose reversed lines name the crossing
// card (40) and card 3.
QByteArray celticCross() {
  QByteArray b = line("sCeltic Cross") + line("dm");
  for (int c : {3, 40, 12, 0, 77, 22, 5, 60, 31, 18}) b += line("c" + QString::number(c));
  return b + line("r40") + line("r3");
}

void openFile(const QString& path) {
  testsupport::fakes().openChoices.push_back(path);
  Forms::get<frmTarotFront>()->cmdOpen->click();
}

}  // namespace

class TestOpenReading : public QObject {
  Q_OBJECT
 private slots:
  void init() { testsupport::resetProgram(); }

  void celticCrossIsLaidOutAgain() {
    openFile(writeFile("cross.lqs", celticCross()));
    const auto& req = testsupport::fakes().openRequests.at(0);
    QCOMPARE(req.filter, QString("Auravane (*.lqs)|*.lqs"));
    QCOMPARE(req.title, QString("Select the source file"));
    frmAuto* board = Forms::find<frmAuto>();
    QVERIFY(board);
    const int cards[10] = {3, 40, 12, 0, 77, 22, 5, 60, 31, 18};
    for (int k = 0; k < 10; ++k) {
      const QImage shown = rgb(board->p[std::size_t(k)]->pixmap());
      if (k == 1)  // upright and turned, though a reversed line names it
        QCOMPARE(shown, platform::turnQuarter(face("m", 40)).convertToFormat(QImage::Format_RGB32));
      else if (cards[k] == 3)
        QCOMPARE(shown, platform::turnHalf(face("m", 3)).convertToFormat(QImage::Format_RGB32));
      else
        QCOMPARE(shown, face("m", cards[k]));
    }
    QCOMPARE(platform::twLeft(board->p[1]), 2300.0);
    QCOMPARE(platform::twTop(board->p[1]), 4200.0);
    for (int k = 10; k < 21; ++k) QVERIFY(board->p[std::size_t(k)]->isHidden());

    frmMDI* mdi = Forms::get<frmMDI>();
    const QString report = mdi->RTB->Text();
    QCOMPARE(report.count("Spread Type - Celtic Cross Spread"), 1);  // one header only
    QVERIFY(report.contains("Three of Wands - Reversed") == false);
    QVERIFY(report.contains(TarotCardTable::reversedName(40)));
    QVERIFY(report.contains(TarotCardTable::reversedName(3)));
    QVERIFY(report.contains(TarotCardTable::name(18) + "\r\n"));
    QVERIFY(!mdi->picRight->isHidden());
    QVERIFY(!mdi->picTop->isHidden());
    QCOMPARE(mdi->txtName->text(), QString());
    QVERIFY(Forms::find<frmTarotFront>());  // the front page stays

    const TarotReadingState& st = tarotState();
    QVERIFY(!st.blnOpenedReading);
    QCOMPARE(st.strSpreadName, QString("Celtic Cross"));
    QCOMPARE(st.strDeckLetter, QString("m"));
  }

  // Save right after Open writes the same file again, byte for byte.
  void openThenSave() {
    const QByteArray original = celticCross();
    openFile(writeFile("again.lqs", original));
    const QString out = testsupport::tempDir() + "/saved-again.lqs";
    QFile::remove(out);
    testsupport::fakes().saveChoices.push_back(out);
    Forms::get<frmMDI>()->cmdSave->click();
    QCOMPARE(readAll(out), original);
  }

  // Whatever options an earlier reading left, an opened reading deals
  // nothing, and a file opened twice gives the same board and report.
  void earlierOptionsPlayNoPart() {
    TarotReadingState& st = tarotState();
    st.blnAutoCast = true;
    st.blnReverseCards = true;
    st.blnMajorArcana = true;
    st.blnManualMode = true;
    const QString path = writeFile("three.lqs", line("sThree Cards") + line("dr") + line("c70") +
                                                    line("c71") + line("c72"));
    openFile(path);
    const QString first = Forms::get<frmMDI>()->RTB->Text();
    QCOMPARE(testsupport::fakes().randomizeCalls, 0);
    openFile(path);
    QCOMPARE(Forms::get<frmMDI>()->RTB->Text(), first);
    frmAuto* board = Forms::find<frmAuto>();
    for (int k = 0; k < 3; ++k) QCOMPARE(rgb(board->p[std::size_t(k)]->pixmap()), face("r", 70 + k));
    QVERIFY(board->p[3]->isHidden());
    QVERIFY(!st.lngReversedCards.hasBounds());
  }

  // A refused file changes nothing: state, board and report stay.
  void refusedFiles_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("upper-case extension") << "READING.LQS" << celticCross();
    QTest::newRow("other extension") << "reading.txt" << celticCross();
    QTest::newRow("plain text") << "plain.lqs" << QByteArray("sCeltic Cross\r\ndr\r\n");
    QTest::newRow("card out of the deck") << "bad.lqs" << line("sOne Card") + line("dr") + line("c80");
    QTest::newRow("no layout") << "four.lqs" << line("sOne Card") + line("dr") + line("c1") + line("c2") +
                                                    line("c3") + line("c4");
    QTest::newRow("empty") << "empty.lqs" << QByteArray();
  }
  void refusedFiles() {
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    openFile(writeFile("good.lqs", line("sTwo Cards") + line("dr") + line("c8") + line("c9")));
    const QString report = Forms::get<frmMDI>()->RTB->Text();
    const TarotReadingState before = tarotState();
    openFile(writeFile(name, bytes));
    const auto& boxes = testsupport::fakes().boxes;
    QCOMPARE(boxes.size(), 1);
    QCOMPARE(boxes[0].text, QString("Please Check The File."));
    QCOMPARE(boxes[0].style, int(platform::vbCritical));
    QCOMPARE(Forms::get<frmMDI>()->RTB->Text(), report);
    const TarotReadingState& after = tarotState();
    QVERIFY(after.lngOpenedCards == before.lngOpenedCards);
    QVERIFY(after.lngChosenCards == before.lngChosenCards);
    QCOMPARE(after.strDeckLetter, before.strDeckLetter);
    QCOMPARE(after.strOpenedSpreadName, before.strOpenedSpreadName);
    QVERIFY(!after.blnOpenedReading);
    QCOMPARE(rgb(Forms::find<frmAuto>()->p[0]->pixmap()), face("r", 8));
  }

  void cancelChangesNothing() {
    Forms::get<frmTarotFront>()->cmdOpen->click();
    QVERIFY(testsupport::fakes().boxes.isEmpty());
    QVERIFY(!Forms::find<frmAuto>());
    QVERIFY(!tarotState().blnOpenedReading);
  }

  // Only a regular file is opened: a named pipe (which would wait for a
  // writer), a device, a socket or a folder is refused at once with the
  // message, and the reading on screen stays as it was.
  void onlyRegularFilesOpen_data() {
    QTest::addColumn<QString>("kind");
    QTest::newRow("named pipe") << "fifo";
    QTest::newRow("device") << "device";
    QTest::newRow("socket") << "socket";
    QTest::newRow("folder") << "folder";
  }
  void onlyRegularFilesOpen() {
    QFETCH(QString, kind);
    openFile(writeFile("first.lqs", celticCross()));
    const QString report = Forms::get<frmMDI>()->RTB->Text();
    const QString dir = testsupport::tempDir() + "/special-" + kind;
    QDir(dir).removeRecursively();
    QDir().mkpath(dir);
    QString path = dir + "/reading.lqs";
    int sock = -1;
    if (kind == "fifo") QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    if (kind == "device") {
      // A device whose name ends in "lqs": a link to one, followed on open.
      QVERIFY(QFile::link("/dev/zero", path));
    }
    if (kind == "socket") {
      sock = ::socket(AF_UNIX, SOCK_STREAM, 0);
      sockaddr_un addr{};
      addr.sun_family = AF_UNIX;
      const QByteArray name = QFile::encodeName(path);
      QVERIFY(name.size() < int(sizeof(addr.sun_path)));
      std::copy(name.begin(), name.end(), addr.sun_path);
      QCOMPARE(::bind(sock, reinterpret_cast<sockaddr*>(&addr), sizeof(addr)), 0);
    }
    if (kind == "folder") QVERIFY(QDir().mkpath(path));
    testsupport::fakes().boxes.clear();
    QElapsedTimer clock;
    clock.start();
    openFile(path);
    QVERIFY(clock.elapsed() < 5000);
    QCOMPARE(testsupport::fakes().boxes.size(), 1);
    QCOMPARE(testsupport::fakes().boxes[0].text, QString("Please Check The File."));
    QCOMPARE(testsupport::fakes().boxes[0].style, int(platform::vbCritical));
    QCOMPARE(Forms::get<frmMDI>()->RTB->Text(), report);
    QCOMPARE(tarotState().strSpreadName, QString("Celtic Cross"));
    if (sock >= 0) ::close(sock);
  }
};

AURAVANE_TEST_MAIN(TestOpenReading)
#include "test_open_reading.moc"

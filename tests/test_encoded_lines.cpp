#include <QBuffer>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <sys/stat.h>

#include "platform/Cp1252.h"
#include "shell/EncodedLinesFile.h"
#include "shell/modTextEncoding.h"
#include "testsupport_core.h"

namespace {

// A device that takes the first `room` bytes, then fails every write.
class FailingDevice : public QIODevice {
 public:
  explicit FailingDevice(qint64 room) : room_(room) { open(QIODevice::WriteOnly | QIODevice::Unbuffered); }
  QByteArray written;

 protected:
  qint64 readData(char*, qint64) override { return -1; }
  qint64 writeData(const char* data, qint64 len) override {
    if (room_ <= 0) return -1;
    const qint64 n = qMin(len, room_);
    written.append(data, n);
    room_ -= n;
    return n;
  }

 private:
  qint64 room_;
};

QByteArray readAll(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeBytes(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
  QCOMPARE(f.write(bytes), bytes.size());
}

const QStringList kReading = {QStringLiteral("Anna"), QString(), QStringLiteral("Larsen"),
                              QStringLiteral("March"), QStringLiteral("7"), QStringLiteral("1984")};

}  // namespace

class TestEncodedLines : public QObject {
  Q_OBJECT
 private slots:
  void init() { testsupport::resetModel(); }

  void lineEnds_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("empty file") << QByteArray() << QStringList();
    QTest::newRow("CR LF") << QByteArray("\xB6\r\n\xB7\r\n") << QStringList{"a", "b"};
    QTest::newRow("CR") << QByteArray("\xB6\r\xB7\r") << QStringList{"a", "b"};
    QTest::newRow("LF") << QByteArray("\xB6\n\xB7\n") << QStringList{"a", "b"};
    QTest::newRow("mixed, last line open") << QByteArray("\xB6\r\n\xB7\r\xB8\n\xB9")
                                           << QStringList{"a", "b", "c", "d"};
    // A blank field is a line of its own, whichever line end follows it.
    QTest::newRow("empty lines kept") << QByteArray("\xB6\r\n\r\n\xB7\n\n\r\r")
                                      << QStringList{"a", "", "b", "", "", ""};
  }
  void lineEnds() {
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);
    QCOMPARE(EncodedLinesFile::decode(bytes), lines);
  }

  // Every line goes through the encoding and ends in CR LF; reading gives
  // the same lines back, blank ones included.
  void roundTrip() {
    const QByteArray bytes = EncodedLinesFile::encode(kReading);
    QVERIFY(bytes.startsWith(platform::cp1252::toBytes(modTextEncoding::EncodeText("Anna")) + "\r\n\r\n"));
    QCOMPARE(bytes.count("\r\n"), 6);
    QCOMPARE(EncodedLinesFile::decode(bytes), kReading);
    const QString path = testsupport::tempDir() + "/round.txt";
    QVERIFY(EncodedLinesFile::write(path, kReading));
    QCOMPARE(readAll(path), bytes);
    QCOMPARE(EncodedLinesFile::read(path), std::optional<QStringList>(kReading));
  }

  // What is not a regular file of a sensible size is refused, and at once:
  // a named pipe without a writer must not hold the reader.
  void readRefuses() {
    const QString dir = testsupport::tempDir();
    QVERIFY(!EncodedLinesFile::read(dir + "/missing.txt"));
    QVERIFY(!EncodedLinesFile::read(dir));
    const QString fifo = dir + "/pipe";
    QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QElapsedTimer t;
    t.start();
    QVERIFY(!EncodedLinesFile::read(fifo));
    QVERIFY(t.elapsed() < 5000);

    const QString big = dir + "/big.txt";
    writeBytes(big, QByteArray(100, '\xB6'));
    QVERIFY(EncodedLinesFile::read(big, 100));
    QVERIFY(!EncodedLinesFile::read(big, 99));
  }

  // A device that stops taking bytes part-way fails the write, wherever it
  // stops; one that takes them in small pieces does not.
  void writeAllSeesEveryFailure_data() {
    QTest::addColumn<qint64>("room");
    QTest::newRow("nothing taken") << qint64(0);
    QTest::newRow("one byte") << qint64(1);
    QTest::newRow("half") << qint64(20);
    QTest::newRow("all but the last byte") << qint64(EncodedLinesFile::encode(kReading).size() - 1);
  }
  void writeAllSeesEveryFailure() {
    QFETCH(qint64, room);
    FailingDevice device(room);
    QVERIFY(!EncodedLinesFile::writeAll(device, EncodedLinesFile::encode(kReading)));
    QCOMPARE(device.written.size(), room);

    FailingDevice roomy(1 << 20);
    QVERIFY(EncodedLinesFile::writeAll(roomy, EncodedLinesFile::encode(kReading)));
    QCOMPARE(roomy.written, EncodedLinesFile::encode(kReading));
  }

  // A disk that fills up part-way through a save: the save fails, and the
  // file that was there keeps every byte.
  void failedWriteKeepsTheOldFile_data() {
    QTest::addColumn<qint64>("limit");
    QTest::newRow("disk already full") << qint64(0);
    QTest::newRow("full after one byte") << qint64(1);
    QTest::newRow("full mid-line") << qint64(9);
    QTest::newRow("full before the last byte") << qint64(EncodedLinesFile::encode(kReading).size() - 1);
  }
  void failedWriteKeepsTheOldFile() {
    QFETCH(qint64, limit);
    const QString path = testsupport::tempDir() + "/old.txt";
    const QByteArray old = EncodedLinesFile::encode({"an", "earlier", "reading"});
    writeBytes(path, old);
    bool saved = true;
    {
      testsupport::FileSizeLimit full(limit);
      saved = EncodedLinesFile::write(path, kReading);
    }
    QVERIFY(!saved);
    QCOMPARE(readAll(path), old);
    // Nothing is left behind beside it.
    QCOMPARE(QDir(testsupport::tempDir()).entryList({"old.txt*"}, QDir::Files), QStringList{"old.txt"});
  }

  void failedWriteWithoutFolder() {
    QVERIFY(!EncodedLinesFile::write(testsupport::tempDir() + "/no/such/folder/x.txt", kReading));
  }
};

AURAVANE_MODEL_TEST_MAIN(TestEncodedLines)
#include "test_encoded_lines.moc"

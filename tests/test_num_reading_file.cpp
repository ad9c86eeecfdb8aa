#include <QDir>
#include <QFile>

#include <QTest>

#include "numerology/NumerologyReadingFile.h"
#include "platform/Cp1252.h"
#include "testsupport_core.h"

Q_DECLARE_METATYPE(CurrentReading)

namespace {

// One encoded line of a reading file: each byte its character's code + 85.
QByteArray encodedLine(const QString& plain) {
  QByteArray out;
  for (QChar c : plain) out += char(platform::cp1252::toCode(c) + 85);
  return out + "\r\n";
}

QByteArray readAll(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  QVERIFY(f.open(QIODevice::WriteOnly));
  QCOMPARE(f.write(bytes), qint64(bytes.size()));
}

CurrentReading reading(const QString& first, const QString& middle, const QString& last,
                       const QString& month, const QString& day, const QString& year) {
  CurrentReading r;
  r.ReadingFirstName = first;
  r.ReadingMiddleName = middle;
  r.ReadingLastName = last;
  r.ReadingBirthMonth = month;
  r.ReadingBirthDate = day;
  r.ReadingBirthYear = year;
  return r;
}

const CurrentReading& ann() {
  static const CurrentReading r = reading("ANN", "", "LEE", "August", "6", "1979");
  return r;
}

}  // namespace

class TestNumReadingFile : public QObject {
  Q_OBJECT
 private slots:
  // The six lines, byte for byte: each character's code plus 85, CR LF after
  // every line, an empty middle name an empty line.
  void bytes_data() {
    QTest::addColumn<CurrentReading>("r");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("empty middle name")
        << ann()
        << QByteArray("\x96\xa3\xa3\r\n\r\n\xa1\x9a\x9a\r\n\x96\xca\xbc\xca\xc8\xc9\r\n\x8b\r\n"
                      "\x86\x8e\x8c\x8e\r\n");
    QTest::newRow("middle name, hyphen, apostrophe, lower case")
        << reading("mary-ann", "O'NEIL", "SMITH", "December", "31", "2050")
        << (encodedLine("mary-ann") + encodedLine("O'NEIL") + encodedLine("SMITH") +
            encodedLine("December") + encodedLine("31") + encodedLine("2050"));
    QTest::newRow("highest kept code")
        << reading(QString(QChar(0xAA)), "~", "Z", "May", "1", "1900")
        << (QByteArray("\xff\r\n") + QByteArray("\xd3\r\n") + encodedLine("Z") + encodedLine("May") +
            encodedLine("1") + encodedLine("1900"));
  }
  void bytes() {
    QFETCH(CurrentReading, r);
    QFETCH(QByteArray, expected);
    QCOMPARE(NumerologyReadingFile::encode(r), expected);
    const QString path = testsupport::tempDir() + "/bytes.num";
    QVERIFY(NumerologyReadingFile::save(path, r));
    QCOMPARE(readAll(path), expected);
    const auto back = NumerologyReadingFile::load(path);
    QVERIFY(back);
    QVERIFY(*back == r);
  }

  // Characters the file cannot keep are named once each, in order; the saved
  // bytes simply leave them out.
  void unkeptCharacters_data() {
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("unkept");
    QTest::newRow("all kept") << "JOHN" << "";
    QTest::newRow("above 170") << QString::fromUtf8("JOSÉ ÉLAN") << QString::fromUtf8("É");
    QTest::newRow("171 is the first lost") << QString(QChar(0xAB)) << QString(QChar(0xAB));
    QTest::newRow("outside the code page") << QString::fromUtf8("ŁUKASZ Ωß") << QString::fromUtf8("ŁΩß");
  }
  void unkeptCharacters() {
    QFETCH(QString, first);
    QFETCH(QString, unkept);
    CurrentReading r = ann();
    r.ReadingFirstName = first;
    QCOMPARE(NumerologyReadingFile::unkeptCharacters(r), unkept);
    const auto back = NumerologyReadingFile::decode(NumerologyReadingFile::encode(r));
    QVERIFY(back);
    QString kept = first;
    for (QChar c : unkept) kept.remove(c);
    QCOMPARE(back->ReadingFirstName, kept);
  }

  // What a file may hold and still open, and what is refused.
  void decode_data() {
    const QByteArray names = encodedLine("ANN") + encodedLine("") + encodedLine("LEE");
    const QByteArray date = encodedLine("August") + encodedLine("6") + encodedLine("1979");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("opens");
    QTest::addColumn<QString>("first");
    QTest::newRow("as saved") << names + date << true << "ANN";
    QByteArray lf = names + date;
    lf.replace("\r\n", "\n");
    QTest::newRow("LF line ends") << lf << true << "ANN";
    QByteArray cr = names + date;
    cr.replace("\r\n", "\r");
    QTest::newRow("CR line ends") << cr << true << "ANN";
    QByteArray lastOpen = names + date;
    lastOpen.chop(2);
    QTest::newRow("no line end after the year") << lastOpen << true << "ANN";
    QTest::newRow("lines after the sixth ignored") << names + date + encodedLine("EXTRA") << true << "ANN";
    QTest::newRow("empty first name still opens") << encodedLine("") + encodedLine("") +
                                                         encodedLine("LEE") + date
                                                  << true << "";
    QTest::newRow("empty file") << QByteArray() << false << "";
    QTest::newRow("names only") << names << false << "";
    QTest::newRow("five lines") << names + encodedLine("August") + encodedLine("6") << false << "";
    QTest::newRow("month in lower case") << names + encodedLine("august") + encodedLine("6") +
                                                encodedLine("1979")
                                         << false << "";
    QTest::newRow("day with a leading zero") << names + encodedLine("August") + encodedLine("06") +
                                                    encodedLine("1979")
                                             << false << "";
    QTest::newRow("day 32") << names + encodedLine("August") + encodedLine("32") + encodedLine("1979")
                            << false << "";
    QTest::newRow("year 1899") << names + encodedLine("August") + encodedLine("6") +
                                      encodedLine("1899")
                               << false << "";
    QTest::newRow("day with a blank") << names + encodedLine("August") + encodedLine(" 6") +
                                             encodedLine("1979")
                                      << false << "";
    QTest::newRow("plain text, not encoded")
        << QByteArray("ANN\r\n\r\nLEE\r\nAugust\r\n6\r\n1979\r\n") << false << "";
    QTest::newRow("binary") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16) << false << "";
  }
  void decode() {
    QFETCH(QByteArray, bytes);
    QFETCH(bool, opens);
    QFETCH(QString, first);
    const auto r = NumerologyReadingFile::decode(bytes);
    QCOMPARE(bool(r), opens);
    if (r) {
      QCOMPARE(r->ReadingFirstName, first);
      QCOMPARE(r->ReadingLastName, QStringLiteral("LEE"));
      QCOMPARE(r->ReadingBirthMonth, QStringLiteral("August"));
    }
  }

  // Files that cannot be read whole are refused without reading them.
  void loadRefuses() {
    const QString dir = testsupport::tempDir();
    QVERIFY(!NumerologyReadingFile::load(dir + "/missing.num"));
    QVERIFY(QDir(dir).mkpath("folder.num"));
    QVERIFY(!NumerologyReadingFile::load(dir + "/folder.num"));
    QByteArray big = NumerologyReadingFile::encode(ann());
    big += QByteArray(NumerologyReadingFile::kMaxFileSize, 'x');
    writeFile(dir + "/big.num", big);
    QVERIFY(!NumerologyReadingFile::load(dir + "/big.num"));
  }

  // A save that cannot write says so and leaves nothing behind.
  void saveFailure() {
    const QString dir = testsupport::tempDir();
    writeFile(dir + "/plainfile", "x");
    QVERIFY(!NumerologyReadingFile::save(dir + "/plainfile/inside.num", ann()));
    QVERIFY(!NumerologyReadingFile::save(dir + "/no/such/folder/r.num", ann()));
  }
};

AURAVANE_MODEL_TEST_MAIN(TestNumReadingFile)
#include "test_num_reading_file.moc"

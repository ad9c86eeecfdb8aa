#include <QDir>
#include <QFile>
#include <QSet>
#include <QTest>

#include "platform/Cp1252.h"
#include "shell/modTextEncoding.h"
#include "tarot_numerology/TarotNumerologyNumbers.h"
#include "tarot_numerology/TarotNumerologyReadingFile.h"
#include "tarot_numerology/TarotNumerologyTables.h"
#include "testsupport_core.h"

using namespace TarotNumerologyNumbers;
namespace File = TarotNumerologyReadingFile;

namespace {

QByteArray encodedLine(const QString& value) {
  return platform::cp1252::toBytes(modTextEncoding::EncodeText(value)) + "\r\n";
}

QByteArray fileOf(const QStringList& values) {
  QByteArray out;
  for (const QString& v : values) out += encodedLine(v);
  return out;
}

QString writeTemp(const QString& name, const QByteArray& bytes) {
  const QString path = testsupport::tempDir() + QLatin1Char('/') + name;
  QFile f(path);
  if (!f.open(QIODevice::WriteOnly)) return QString();
  f.write(bytes);
  return path;
}

}  // namespace

class TestTarotNumerologyNumbers : public QObject {
  Q_OBJECT
 private slots:
  void reduceNumber_data() {
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("expected");
    for (auto [n, e] : std::initializer_list<std::pair<int, int>>{
             {0, 0}, {9, 9}, {10, 1}, {11, 11}, {22, 22}, {29, 11}, {38, 11}, {56, 11},
             {1993, 22}, {33, 6}, {49, 4}, {1999, 1}, {2999, 2}, {32767, 7}, {-5, 5}})
      QTest::addRow("%d", n) << n << e;
  }
  // The result is also stored back into the caller's variable.
  void reduceNumber() {
    QFETCH(int, n);
    QFETCH(int, expected);
    qint16 v = qint16(n);
    QCOMPARE(int(ReduceNumber(v)), expected);
    QCOMPARE(int(v), expected);
  }

  // The day and year parts are reduced once only, and only the total is
  // looked at for 11 and 22.
  void lifePath_data() {
    QTest::addColumn<QString>("day");
    QTest::addColumn<QString>("month");
    QTest::addColumn<QString>("year");
    QTest::addColumn<int>("expected");
    QTest::newRow("1 January 1970") << "1" << "January" << "1970" << 1;
    QTest::newRow("1 February 1970: total 11") << "1" << "February" << "1970" << 11;
    QTest::newRow("6 August 1979: total 22") << "6" << "August" << "1979" << 22;
    QTest::newRow("29 September 1999: day 2, year 10") << "29" << "September" << "1999" << 3;
    QTest::newRow("29th counts 2, not 11") << "29" << "March" << "1970" << 4;
    QTest::newRow("19th counts 1, not 10") << "19" << "February" << "1970" << 11;
    QTest::newRow("31 February is not checked") << "31" << "February" << "1970" << 5;
    QTest::newRow("1999 keeps 10: total 19") << "8" << "January" << "1999" << 1;
    QTest::newRow("total 28") << "9" << "September" << "1999" << 1;
    QTest::newRow("total 22 from 4 + 8 + 10") << "4" << "August" << "1999" << 22;
    QTest::newRow("total 11 from 2 + 1 + 8") << "29" << "October" << "1970" << 11;
    QTest::newRow("October counts 1") << "1" << "October" << "2050" << 9;
    QTest::newRow("December counts 3") << "12" << "December" << "1900" << 7;
    QTest::newRow("a month name in lower case counts 0") << "1" << "january" << "1970" << 9;
  }
  void lifePath() {
    QFETCH(QString, day);
    QFETCH(QString, month);
    QFETCH(QString, year);
    QFETCH(int, expected);
    QCOMPARE(int(Life_Path_Number(day, month, year)), expected);
  }

  // Every date the lists offer gives a number that has a page.
  void lifePathOverEveryListedDate() {
    const QSet<int> valid = {1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 22};
    QSet<int> seen;
    for (const QString& d : File::dayEntries())
      for (const QString& m : File::monthEntries())
        for (const QString& y : File::yearEntries()) {
          const int lp = Life_Path_Number(d, m, y);
          if (!valid.contains(lp))
            QFAIL(qPrintable(QStringLiteral("%1 %2 %3 gives %4").arg(d, m, y).arg(lp)));
          seen.insert(lp);
        }
    QCOMPARE(seen, valid);
  }

  void destiny_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("expected");
    QTest::newRow("abc") << "abc" << 6;
    QTest::newRow("ABC") << "ABC" << 6;
    QTest::newRow("digits and blanks count nothing") << "Abc 123" << 6;
    QTest::newRow("Abe") << "Abe" << 8;
    QTest::newRow("total 29 gives 11") << "RRIB" << 11;  // 9 + 9 + 9 + 2
    QTest::newRow("total 22 stays") << "RRD" << 22;      // 9 + 9 + 4
    QTest::newRow("accented letters count nothing") << QString::fromUtf8("Jos\u00e9") << 8;
    QTest::newRow("dotless i is not I") << QString::fromUtf8("\u0131") << 0;
    QTest::newRow("long s is not S") << QString::fromUtf8("\u017f") << 0;
    QTest::newRow("digits only") << "1234" << 0;
    QTest::newRow("another script") << QString::fromUtf8("\u03a9\u03bc\u03ad\u03b3\u03b1") << 0;
    QTest::newRow("empty") << "" << 0;
    // 3640 nines make 32760; G brings the total to 32767, and a further A
    // would carry it past, so it is not added.
    QTest::newRow("16-bit total") << (QString(3640, QLatin1Char('r')) + QStringLiteral("gA")) << 7;
    QTest::newRow("past 16 bits") << QString(5000, QLatin1Char('R')) << 9;
  }
  void destiny() {
    QFETCH(QString, name);
    QFETCH(int, expected);
    QCOMPARE(int(Destiny_Number(name)), expected);
    QCOMPARE(hasCountedLetter(name), expected != 0);
  }

  // What the pages rely on: each number's card count is the size of its set,
  // and every text a page shows is there.
  void tablesAgree() {
    for (int n : TarotNumerologyTables::numbers()) {
      const TarotNumerologyTables::NumberRow* row = TarotNumerologyTables::numberRow(n);
      QVERIFY(row);
      const auto set = TarotNumerologyTables::cardSet(n);
      QCOMPARE(int(set.size()), row->cardCount);
      QVERIFY(!TarotNumerologyTables::lifePathText(n).isEmpty());
      QVERIFY(!TarotNumerologyTables::destinyText(n).isEmpty());
      QVERIFY(!TarotNumerologyTables::planetText(QString::fromLatin1(row->planet)).isEmpty());
      for (const auto& c : set) {
        QVERIFY2(c.description.size() >= 196 && c.description.size() <= 654, qPrintable(c.name));
        QVERIFY(c.deckCard >= 0 && c.deckCard <= 77);
      }
    }
    for (int n : {0, 10, 12, 21, 33, -1}) {
      QVERIFY(!TarotNumerologyTables::numberRow(n));
      QVERIFY(TarotNumerologyTables::cardSet(n).empty());
    }
    // The High Priestess is one card in the sets of 2 and 5.
    const auto two = TarotNumerologyTables::cardSet(2), five = TarotNumerologyTables::cardSet(5);
    QCOMPARE(two[1].name, five[1].name);
    QCOMPARE(two[1].description, five[1].description);
    QCOMPARE(two[1].deckCard, five[1].deckCard);
  }

  // The file holds exactly four encoded lines ending in CR LF.
  void fileBytes() {
    const QByteArray bytes = File::encode({QStringLiteral("Ann Lee"), QStringLiteral("6"),
                                           QStringLiteral("August"), QStringLiteral("1979")});
    QCOMPARE(bytes, fileOf({"Ann Lee", "6", "August", "1979"}));
    QCOMPARE(bytes.left(3), QByteArray("\x96\xC3\xC3"));  // "Ann" raised by 85
    QCOMPARE(bytes.count("\r\n"), 4);
  }

  void fileRoundTrip() {
    const File::Reading r{QStringLiteral("Mary-Ann O'Neil"), QStringLiteral("29"),
                          QStringLiteral("September"), QStringLiteral("1999")};
    const QString path = testsupport::tempDir() + QStringLiteral("/round.tnm");
    QVERIFY(File::save(path, r));
    const auto back = File::load(path);
    QVERIFY(back);
    QCOMPARE(back->name, r.name);
    QCOMPARE(back->day, r.day);
    QCOMPARE(back->month, r.month);
    QCOMPARE(back->year, r.year);
  }

  // A save that cannot be made says so and leaves the old file whole.
  void failedSaveKeepsOldFile() {
    const QString dir = testsupport::tempDir() + QStringLiteral("/locked");
    QVERIFY(QDir().mkpath(dir));
    const QString path = dir + QStringLiteral("/old.tnm");
    const QByteArray old = fileOf({"Old", "1", "January", "1970"});
    QCOMPARE(writeTemp(QStringLiteral("locked/old.tnm"), old), path);
    QFile::setPermissions(dir, QFile::ReadOwner | QFile::ExeOwner);
    const bool saved = File::save(path, {QStringLiteral("New"), QStringLiteral("2"),
                                         QStringLiteral("May"), QStringLiteral("1980")});
    QFile::setPermissions(dir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (saved) QSKIP("the folder cannot be locked for this user");
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), old);
  }

  void fileDecode_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QString>("name");
    const QByteArray good = fileOf({"Ann", "6", "August", "1979"});
    QTest::newRow("good") << good << true << "Ann";
    QTest::newRow("LF line ends") << QByteArray(good).replace("\r\n", "\n") << true << "Ann";
    QTest::newRow("CR line ends") << QByteArray(good).replace("\r\n", "\r") << true << "Ann";
    QTest::newRow("no line end at the end") << good.chopped(2) << true << "Ann";
    QTest::newRow("lines after the fourth are ignored") << good + encodedLine("anything") << true << "Ann";
    QTest::newRow("empty name: the form answers it")
        << fileOf({"", "6", "August", "1979"}) << true << "";
    QTest::newRow("name characters above 170 were dropped when saved")
        << fileOf({QString::fromUtf8("Ren\u00e9e"), "6", "August", "1979"}) << true << "Rene";
    QTest::newRow("empty file") << QByteArray() << false << "";
    QTest::newRow("three lines") << fileOf({"Ann", "6", "August"}) << false << "";
    QTest::newRow("day not in the list") << fileOf({"Ann", "32", "August", "1979"}) << false << "";
    QTest::newRow("day with a leading zero") << fileOf({"Ann", "06", "August", "1979"}) << false << "";
    QTest::newRow("short month name") << fileOf({"Ann", "6", "Sept", "1979"}) << false << "";
    QTest::newRow("year before the list") << fileOf({"Ann", "6", "August", "1899"}) << false << "";
    QTest::newRow("month before day") << fileOf({"Ann", "August", "6", "1979"}) << false << "";
    QTest::newRow("a plain text file decodes to control characters")
        << QByteArray("Ann\r\n6\r\nAugust\r\n1979\r\n") << false << "";
    QTest::newRow("a control character in the name")
        << (platform::cp1252::toBytes(modTextEncoding::EncodeText(QStringLiteral("A"))) + char(85 + 7) + "\r\n" +
            fileOf({"6", "August", "1979"}))
        << false << "";
  }
  void fileDecode() {
    QFETCH(QByteArray, bytes);
    QFETCH(bool, accepted);
    QFETCH(QString, name);
    const auto r = File::decode(bytes);
    QCOMPARE(bool(r), accepted);
    if (r) QCOMPARE(r->name, name);
  }

  void fileLoadRefusals() {
    QVERIFY(!File::load(testsupport::tempDir() + QStringLiteral("/missing.tnm")));
    QVERIFY(!File::load(testsupport::tempDir()));  // a folder
    // Larger than 64 KiB, though its first four lines are good.
    QByteArray big = fileOf({"Ann", "6", "August", "1979"});
    big += QByteArray(File::kMaxFileSize, char(0xAA));
    QVERIFY(!File::load(writeTemp(QStringLiteral("big.tnm"), big)));
    QVERIFY(File::load(writeTemp(QStringLiteral("ok.tnm"), fileOf({"Ann", "6", "August", "1979"}))));
  }
};

AURAVANE_MODEL_TEST_MAIN(TestTarotNumerologyNumbers)
#include "test_tarot_numerology_numbers.moc"

#include <QTest>

#include "testsupport_core.h"
#include <climits>

#include "numerology/modNumerology.h"

using namespace modNumerology;

namespace {
QString S(const char* s) { return QString::fromUtf8(s); }
}  // namespace

// The six routines every number is built from, checked against hand-worked
// values, including the odd corners readings have always relied on.
class TestNumerologyArithmetic : public QObject {
  Q_OBJECT
 private slots:
  void letterValue_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value");
    QTest::newRow("A") << S("A") << 1;
    QTest::newRow("R") << S("R") << 9;
    QTest::newRow("Z") << S("Z") << 8;
    QTest::newRow("Y") << S("Y") << 7;
    QTest::newRow("lower a") << S("a") << 0;
    QTest::newRow("two letters") << S("AB") << 0;
    QTest::newRow("digit") << S("1") << 0;
    QTest::newRow("empty") << QString() << 0;
    QTest::newRow("accented capital") << S("É") << 0;
    QTest::newRow("blank") << S(" ") << 0;
  }
  void letterValue() {
    QFETCH(QString, text);
    QFETCH(int, value);
    QCOMPARE(LetterValue(text), value);
  }

  // The whole alphabet against the value table, one row per value.
  void letterTableComplete() {
    const char* rows[9] = {"AJS", "BKT", "CLU", "DMV", "ENW", "FOX", "GPY", "HQZ", "IR"};
    int seen = 0;
    for (int v = 1; v <= 9; ++v)
      for (const char* c = rows[v - 1]; *c; ++c, ++seen)
        QCOMPARE(LetterValue(QChar(QLatin1Char(*c))), v);
    QCOMPARE(seen, 26);
  }

  void nameValue_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("value");
    QTest::newRow("JOHN") << S("JOHN") << 20;
    QTest::newRow("SMITH") << S("SMITH") << 24;
    QTest::newRow("hyphen counts nothing") << S("MARY-ANN") << 32;
    QTest::newRow("lower case") << S("john") << 0;
    QTest::newRow("empty") << QString() << 0;
    // 3,640 nines make 32,760; the next nine would pass 32,767 and is not
    // added, but the later ones still fit and are.
    QTest::newRow("16-bit limit skips, then goes on")
        << QString(3641, QLatin1Char('I')) + S("AAAAAAAA") << 32767;
  }
  void nameValue() {
    QFETCH(QString, name);
    QFETCH(int, value);
    QCOMPARE(NameValue(name), value);
  }

  void reduceNumber_data() {
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("result");
    const int rows[][2] = {{0, 0},     {9, 9},     {10, 1},    {11, 11},   {22, 22},
                           {29, 11},   {38, 11},   {56, 11},   {1993, 22}, {33, 6},
                           {49, 4},    {1999, 1},  {2999, 2},  {32767, 7}, {-5, 5},
                           {-29, 11},  {32778, 9}, {117, 9},   {292, 4}};
    for (const auto& r : rows)
      QTest::addRow("%d", r[0]) << r[0] << r[1];
  }
  // The result is also left in the caller's variable.
  void reduceNumber() {
    QFETCH(int, n);
    QFETCH(int, result);
    int var = n;
    QCOMPARE(ReduceNumber(var), result);
    QCOMPARE(var, result);
  }

  void reduceNumberExtremes() {
    int lowest = INT_MIN, highest = INT_MAX;
    // 2147483648: digits 47 -> 11 -> 2; 2147483647: digits 46 -> 10 -> 1.
    QCOMPARE(ReduceNumber(lowest), 2);
    QCOMPARE(ReduceNumber(highest), 1);
  }

  void reduceDigitString_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("result");
    QTest::addColumn<int>("once");
    QTest::newRow("1979") << S("1979") << 8 << 8;
    QTest::newRow("2050") << S("2050") << 7 << 7;
    QTest::newRow("29") << S("29") << 11 << 11;
    QTest::newRow("11 is summed first") << S("11") << 2 << 2;
    QTest::newRow("letters count nothing") << S("1A9") << 1 << 1;
    QTest::newRow("empty") << QString() << 0 << 0;
    QTest::newRow("thirteen nines lose the middle digit") << QString(13, QLatin1Char('9')) << 8
                                                          << 8;
    QTest::newRow("75") << S("75") << 3 << 3;
    QTest::newRow("119") << S("119") << 11 << 11;
    QTest::newRow("22") << S("22") << 4 << 4;
    QTest::newRow("99") << S("99") << 9 << 9;
    QTest::newRow("199") << S("199") << 1 << 10;
    QTest::newRow("1993") << S("1993") << 22 << 22;
    QTest::newRow("227") << S("227") << 11 << 11;
    QTest::newRow("1122") << S("1122") << 6 << 6;
    QTest::newRow("blanks and sign") << S(" -2 9 ") << 11 << 11;
    QTest::newRow("non-ASCII digits count nothing") << S("٣5") << 5 << 5;
  }
  void reduceDigitString() {
    QFETCH(QString, text);
    QFETCH(int, result);
    QFETCH(int, once);
    QCOMPARE(ReduceDigitString(text), result);
    QCOMPARE(ReduceDigitStringOnce(text), once);
  }

  void monthDigit_data() {
    QTest::addColumn<QString>("month");
    QTest::addColumn<int>("digit");
    const char* names[12] = {"January", "February", "March",     "April",   "May",      "June",
                             "July",    "August",   "September", "October", "November", "December"};
    const int digits[12] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 1, 2, 3};
    for (int i = 0; i < 12; ++i) {
      QTest::newRow(names[i]) << S(names[i]) << digits[i];
      QTest::addRow("number %d", i + 1) << QString::number(i + 1) << digits[i];
    }
    QTest::newRow("lower case") << S("october") << 0;
    QTest::newRow("short form") << S("Sept") << 0;
    QTest::newRow("empty") << QString() << 0;
    QTest::newRow("leading zero") << S("09") << 0;
    QTest::newRow("blank around") << S(" May") << 0;
    QTest::newRow("13") << S("13") << 0;
  }
  void monthDigit() {
    QFETCH(QString, month);
    QFETCH(int, digit);
    QCOMPARE(MonthDigit(month), digit);
  }
};

AURAVANE_MODEL_TEST_MAIN(TestNumerologyArithmetic)
#include "test_numerology_arithmetic.moc"

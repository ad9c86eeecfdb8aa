#include <QRegularExpression>
#include <QSet>
#include <QTest>

#include "testsupport_core.h"

#include "numerology/NumberTextsTwo.h"

namespace T = NumberTextsTwo;

namespace {

int sentenceCount(const QString& text) {
  static const QRegularExpression end(QStringLiteral("[.!?](\\s|$)"));
  return int(text.count(end));
}

bool isPlainAscii(const QString& text) {
  for (const QChar c : text) {
    if (c.unicode() < 0x20 || c.unicode() > 0x7e) return false;
  }
  return true;
}

using TextOf = QString (*)(int);

// Every keyed table with the keys that must have a row.
struct Table {
  const char* name;
  TextOf text;
  QList<int> keys;
};

const QList<int> kOneToNine = {1, 2, 3, 4, 5, 6, 7, 8, 9};
const QList<int> kWithMasters = {1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 22};

QList<Table> tables() {
  return {
      {"challenge", T::challengeText, {0, 1, 2, 3, 4, 5, 6, 7, 8}},
      {"pinnacle", T::pinnacleText, kWithMasters},
      {"life path periods", T::periodsText, kWithMasters},
      {"period description", T::periodDescription, {1, 2, 3}},
      {"personal year", T::personalYearText, kOneToNine},
      {"personal month", T::personalMonthText, kOneToNine},
      {"personal day", T::personalDayText, kOneToNine},
      {"essence", T::essenceText, kWithMasters},
      {"plane", T::planeText, {1, 2, 3, 4}},
      {"plane heading", T::planeHeading, {1, 2, 3, 4}},
  };
}

}  // namespace

class TestNumberTextsTwo : public QObject {
  Q_OBJECT
 private slots:
  // Each text opens with exactly its given words and goes on into a real
  // paragraph of plain sentences.
  void textsOpenWithTheirWords_data() {
    QTest::addColumn<QString>("number");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("words");
    for (const T::OpeningWords& row : T::openingWords()) {
      const QByteArray tag = row.number.toUtf8() + ' ' + QByteArray::number(row.key);
      QTest::newRow(tag.constData()) << row.number << row.key << row.words;
    }
  }
  void textsOpenWithTheirWords() {
    QFETCH(QString, number);
    QFETCH(int, key);
    QFETCH(QString, words);
    const QString text = T::textFor(number, key);
    QVERIFY2(text.startsWith(words), qPrintable(text.left(words.size() + 20)));
    QVERIFY2(text.size() > words.size() + 200, "the paragraph barely goes on");
    QVERIFY2(sentenceCount(text) >= 4, qPrintable(text));
    QVERIFY2(text.endsWith(u'.'), qPrintable(text.right(30)));
    QVERIFY2(isPlainAscii(text), "line break or character outside plain ASCII");
    // The only doubled blanks are those the opening words carry.
    QCOMPARE(text.mid(words.size()).indexOf(QLatin1String("  ")), -1);
    // The continuation starts as a sentence or runs on from the opening.
    // (The third pinnacle's form of row 3 has no blank there: see below.)
    if (number == QLatin1String(T::PinnacleThird)) return;
    QString rest = text.mid(words.size());
    if (!words.endsWith(u'.') && rest.startsWith(u',')) rest.remove(0, 1);
    QVERIFY(rest.startsWith(u' '));
    if (words.endsWith(u'.')) QVERIFY(rest.at(1).isUpper());
    else QVERIFY(rest.at(1).isLower() || rest.at(1).isDigit());
  }

  // Every row the tables need exists and has its opening words; a value
  // without a row, or out of any range, gives an empty text.
  void rowsExactlyWhereValuesHaveThem() {
    QSet<QString> opened;
    for (const T::OpeningWords& row : T::openingWords())
      opened.insert(row.number + QString::number(row.key));
    QCOMPARE(opened.size(), T::openingWords().size());

    for (const Table& table : tables()) {
      for (int key = -3; key <= 30; ++key) {
        const bool hasRow = table.keys.contains(key);
        QVERIFY2(table.text(key).isEmpty() != hasRow,
                 qPrintable(QStringLiteral("%1 %2").arg(QLatin1String(table.name)).arg(key)));
      }
      for (int key : {-2147483647 - 1, 2147483647, 33, 100})
        QVERIFY(table.text(key).isEmpty());
    }
    // Personal year, month and day 11 and 22, Essence 0 and period 0.
    QVERIFY(T::personalYearText(11).isEmpty() && T::personalYearText(22).isEmpty());
    QVERIFY(T::personalMonthText(11).isEmpty() && T::personalMonthText(22).isEmpty());
    QVERIFY(T::personalDayText(11).isEmpty() && T::personalDayText(22).isEmpty());
    QVERIFY(T::essenceText(0).isEmpty());
    QVERIFY(T::periodDescription(0).isEmpty() && T::periodsText(0).isEmpty());

    // The named lookups and the one view give the same texts, and every
    // text with a row has its opening words in the table.
    const QList<std::pair<const char*, TextOf>> byId = {
        {T::Challenge, T::challengeText},         {T::Pinnacle, T::pinnacleText},
        {T::LifePathPeriods, T::periodsText},     {T::PeriodDescription, T::periodDescription},
        {T::PersonalYear, T::personalYearText},   {T::PersonalMonth, T::personalMonthText},
        {T::PersonalDay, T::personalDayText},     {T::Essence, T::essenceText},
        {T::Plane, T::planeText}};
    for (const auto& [id, text] : byId) {
      for (int key = 0; key <= 22; ++key) {
        const QString name = QLatin1String(id);
        QCOMPARE(T::textFor(name, key), text(key));
        if (!text(key).isEmpty()) QVERIFY2(opened.contains(name + QString::number(key)), id);
      }
    }
    QVERIFY(T::textFor(QStringLiteral("Nothing"), 1).isEmpty());
    QVERIFY(T::textFor(QLatin1String(T::PeriodDescription), T::GeneralDescription).isEmpty());
  }

  // The general descriptions are reached through the one view too, and no two
  // texts are the same (a table wired to another number's rows shows here).
  void descriptionsAndNoSharedTexts() {
    const QList<std::pair<const char*, QString>> descriptions = {
        {T::Challenge, T::challengeDescription()},
        {T::Pinnacle, T::pinnacleDescription()},
        {T::LifePathPeriods, T::periodsDescription()},
        {T::PersonalYear, T::personalYearDescription()},
        {T::PersonalMonth, T::personalMonthDescription()},
        {T::PersonalDay, T::personalDayDescription()},
        {T::Essence, T::essenceDescription()},
        {T::Plane, T::personalAspectsDescription()}};
    for (const auto& [id, text] : descriptions)
      QCOMPARE(T::textFor(QLatin1String(id), T::GeneralDescription), text);

    QSet<QString> seen;
    int count = 0;
    for (const T::OpeningWords& row : T::openingWords()) {
      if (row.number == QLatin1String(T::PinnacleThird)) continue;
      seen.insert(T::textFor(row.number, row.key));
      ++count;
    }
    QCOMPARE(seen.size(), count);
  }

  // Captions and heading lines, with their exact blanks.
  void fixedTexts_data() {
    QTest::addColumn<QString>("actual");
    QTest::addColumn<QString>("expected");
    const auto row = [](const char* tag, const QString& actual, const char* expected) {
      QTest::newRow(tag) << actual << QString::fromUtf8(expected);
    };
    row("challenge title", T::challengeTitle(), "Challenge Number");
    row("challenge line", T::challengeFirstLine(), "Your Challenge Numbers are: ");
    row("pinnacle title", T::pinnacleTitle(), "Pinnacle Phases");
    row("periods title", T::periodsTitle(), "LifePath Periods");
    row("periods heading", T::periodsHeading(), "Your Current LifePath Period Number is: ");
    row("year title", T::personalYearTitle(), "Personal Year");
    row("year heading", T::personalYearHeading(), "Your Personal Year is: ");
    row("month title", T::personalMonthTitle(), "Personal Month");
    row("month heading", T::personalMonthHeading(), "Your Personal Month Number is: ");
    row("day title", T::personalDayTitle(), "Personal Day");
    row("day heading", T::personalDayHeading(), "Your Personal Day is:");
    row("essence title", T::essenceTitle(), "Essence");
    row("essence heading", T::essenceHeading(), "Your Essence Number is: ");
    row("aspects title", T::personalAspectsTitle(), "Personal Aspects");
    row("aspects dominant", T::personalAspectsDominantLine(),
        "Your Planes of Expression is towards ");
    row("aspects list", T::personalAspectsListLine(), "Your Personal Aspects: ");
    row("physical heading", T::planeHeading(T::PhysicalPlane),
        "Plane of expression: Physical (body):");
    row("mental heading", T::planeHeading(T::MentalPlane), "Planes of expression: Mental (mind): ");
    row("emotional heading", T::planeHeading(T::EmotionalPlane),
        "Plane of Expression: Emotional (heart): ");
    row("intuitive heading", T::planeHeading(T::IntuitivePlane),
        "Plane of Expression: Intuitive (spirit):");
    row("first challenge 0", T::challengeHeading(1, 0), "First Challenge Number is 0");
    row("fourth challenge 8", T::challengeHeading(4, 8), "Fourth Challenge Number is 8");
    row("third pinnacle 4", T::pinnacleHeadingText(3, 4), "Third Pinnacle from age 42-50 is  ");
    row("third pinnacle 22", T::pinnacleHeadingText(3, 22), "Third Pinnacle from age 42-50 is ");
    row("fourth pinnacle 7", T::pinnacleHeadingText(4, 7), "Fourth Pinnacle from age 48 & beyond is ");
    row("period 2 of 4", T::periodHeadingText(2, 4), "Life Path Period 2 from age 24 - 59 is ");
  }
  void fixedTexts() {
    QFETCH(QString, actual);
    QFETCH(QString, expected);
    QCOMPARE(actual, expected);
  }

  // The challenge headings name the challenge and end in the key's digit.
  void challengeHeadings() {
    const char* const ordinals[] = {"First", "Second", "Third", "Fourth"};
    for (int k = 1; k <= 4; ++k) {
      for (int key = 0; key <= 8; ++key)
        QCOMPARE(T::challengeHeading(k, key), QLatin1String(ordinals[k - 1]) +
                                                  QLatin1String(" Challenge Number is ") +
                                                  QString::number(key));
    }
    for (const auto& [k, key] : QList<std::pair<int, int>>{{0, 1}, {5, 1}, {1, -1}, {1, 9}})
      QVERIFY(T::challengeHeading(k, key).isEmpty());
  }

  // Each pinnacle heading names the span its own value gives: 0 to 36 - v,
  // 37 - v to 45 - v, 46 - v to 54 - v, 55 - v on; 11 as 2, 22 as 4.
  void pinnacleHeadingSpans() {
    for (int v : kWithMasters) {
      const int s = v == 11 ? 2 : v == 22 ? 4 : v;
      const QString expected[4] = {
          QStringLiteral("First Pinnacle from age 0-%1 years is ").arg(36 - s),
          QStringLiteral("Second Pinnacle from age %1-%2 is ").arg(37 - s).arg(45 - s),
          QStringLiteral("Third Pinnacle from age %1-%2 is ").arg(46 - s).arg(54 - s) +
              (v == 4 ? QStringLiteral(" ") : QString()),
          QStringLiteral("Fourth Pinnacle from age %1 & beyond is ").arg(55 - s)};
      for (int k = 1; k <= 4; ++k) QCOMPARE(T::pinnacleHeadingText(k, v), expected[k - 1]);
    }
    for (const auto& [k, v] : QList<std::pair<int, int>>{{0, 1}, {5, 1}, {1, 0}, {1, 10}, {2, 33}})
      QVERIFY(T::pinnacleHeadingText(k, v).isEmpty());
  }

  // The period headings follow each Life Path value's bounds; 11 and 22 take
  // those of 1.
  void periodHeadings() {
    const int bounds[10][2] = {{0, 0},   {26, 53}, {25, 52}, {24, 51}, {23, 59},
                               {31, 58}, {30, 57}, {29, 56}, {28, 55}, {27, 54}};
    for (int l : kWithMasters) {
      const int row = l > 9 ? 1 : l;
      const int e1 = bounds[row][0], e2 = bounds[row][1];
      QCOMPARE(T::periodHeadingText(1, l),
               QStringLiteral("Life Path Period 1 from age 0 - %1 is ").arg(e1));
      QCOMPARE(T::periodHeadingText(2, l),
               QStringLiteral("Life Path Period 2 from age %1 - %2 is ").arg(e1 + 1).arg(e2));
      QCOMPARE(T::periodHeadingText(3, l),
               QStringLiteral("Life Path Period 3 from age %1 on is ").arg(e2 + 1));
    }
    for (const auto& [p, l] : QList<std::pair<int, int>>{{0, 1}, {4, 1}, {1, 0}, {1, 10}, {2, 33}})
      QVERIFY(T::periodHeadingText(p, l).isEmpty());
  }

  // The third pinnacle prints row 3 without the blank after "creatively."
  // and follows row 1 with one more line end; the others print the rows.
  void pinnacleParagraphs() {
    const QString row3 = T::pinnacleText(3);
    const QString variant = T::pinnacleThirdRowThree();
    QCOMPARE(variant.size(), row3.size() - 1);
    QVERIFY(variant.contains(QLatin1String("creatively.Your")));
    QCOMPARE(QString(variant).replace(QLatin1String("creatively."),
                                      QLatin1String("creatively. ")),
             row3);
    QCOMPARE(T::pinnacleParagraph(3, 3), variant);
    QCOMPARE(T::pinnacleParagraph(3, 1), T::pinnacleText(1) + QLatin1String("\r\n"));
    for (int k : {1, 2, 4}) {
      for (int v : kWithMasters) QCOMPARE(T::pinnacleParagraph(k, v), T::pinnacleText(v));
    }
    QCOMPARE(T::pinnacleParagraph(3, 22), T::pinnacleText(22));
    QVERIFY(T::pinnacleParagraph(0, 1).isEmpty());
    QVERIFY(T::pinnacleParagraph(5, 1).isEmpty());
    QVERIFY(T::pinnacleParagraph(3, 10).isEmpty());
  }
};

AURAVANE_MODEL_TEST_MAIN(TestNumberTextsTwo)
#include "test_number_texts_two.moc"

#include <QTest>

#include "testsupport_core.h"

#include "numerology/NumerologyEngine.h"

Q_DECLARE_METATYPE(numerology::NumerologyReading)

using namespace numerology;

namespace {

QString S(const char* s) { return QString::fromUtf8(s); }

NumerologyReading reading(const QString& first, const QString& middle, const QString& last,
                          const QString& day = S("6"), const QString& month = S("August"),
                          const QString& year = S("1979")) {
  return {first, middle, last, day, month, year};
}

NumerologyReading names(const char* first, const char* middle, const char* last) {
  return reading(S(first), S(middle), S(last));
}

NumerologyReading date(const char* day, const char* month, const char* year) {
  return reading(S("JOHN"), QString(), S("SMITH"), S(day), S(month), S(year));
}

const QDate kSpring2024(2024, 3, 15);

QString letter(QChar c) { return c.isNull() ? S("-") : QString(c); }

// What a reading's numbers show, one compact line: the numbers that do not
// depend on the day, and those that do.
QString timeless(const AllNumbers& a) {
  return QStringLiteral(
             "LP %1 T %2 BD %3 MA %4 DE %5/%6 SU %7/%8 ID %9/%10 HP %11 KL[%12] SS %13 BA %14 "
             "RT %15 LE %16 HB %17 KD %18 CH %19 PI %20 %21 %22 %23 PA %24 DOM %25")
      .arg(a.lifePath.number).arg(a.lifePath.karmicSum).arg(a.birthday.number)
      .arg(a.maturity.refused ? S("refused") : QString::number(a.maturity.number))
      .arg(a.destiny.number).arg(a.destiny.total).arg(a.soulUrge.number).arg(a.soulUrge.total)
      .arg(a.innerDreams.number).arg(a.innerDreams.total).arg(a.hiddenPassion.number)
      .arg(a.karmicLessons.list).arg(a.subconsciousSelf.number).arg(a.balance.number)
      .arg(a.rationalThought.number).arg(a.leBridge.number).arg(a.hpBridge.number)
      .arg(a.karmicDebt.number).arg(a.challenges.text)
      .arg(a.pinnacles.pinnacle[0].value).arg(a.pinnacles.pinnacle[1].value)
      .arg(a.pinnacles.pinnacle[2].value).arg(a.pinnacles.pinnacle[3].value)
      .arg(a.personalAspects.label, a.personalAspects.dominant);
}

QString dated(const AllNumbers& a) {
  const auto& p = a.lifePathPeriods;
  const auto& e = a.essence;
  return QStringLiteral("PE %1:%2 %3 %4 L%5 PY %6 PM %7 PD %8 ES %9:%10%11%12")
      .arg(p.current).arg(p.period[0].number).arg(p.period[1].number).arg(p.period[2].number)
      .arg(p.lifePath).arg(a.personalYear.number).arg(a.personalMonth.number)
      .arg(a.personalDay.number).arg(e.number)
      .arg(letter(e.transitLetter[0]), letter(e.transitLetter[1]), letter(e.transitLetter[2]));
}

// The same numbers gathered from the single functions, as the windows call them.
AllNumbers oneByOne(const NumerologyReading& r, const QDate& today) {
  AllNumbers a;
  a.lifePath = lifePath(r, today);
  a.birthday = birthday(r, today);
  a.maturity = maturity(r, today);
  a.destiny = destiny(r, today);
  a.soulUrge = soulUrge(r, today);
  a.innerDreams = innerDreams(r, today);
  a.hiddenPassion = hiddenPassion(r, today);
  a.karmicLessons = karmicLessons(r, today);
  a.subconsciousSelf = subconsciousSelf(r, today);
  a.balance = balance(r, today);
  a.rationalThought = rationalThought(r, today);
  a.leBridge = leBridge(r, today);
  a.hpBridge = hpBridge(r, today);
  a.karmicDebt = karmicDebt(r, today);
  a.challenges = challenges(r, today);
  a.pinnacles = pinnacles(r, today);
  a.lifePathPeriods = lifePathPeriods(r, today);
  a.personalYear = personalYear(r, today);
  a.personalMonth = personalMonth(r, today);
  a.personalDay = personalDay(r, today);
  a.essence = essence(r, today);
  a.personalAspects = personalAspects(r, today);
  return a;
}

}  // namespace

class TestNumerologyEngine : public QObject {
  Q_OBJECT
 private slots:
  // ---- whole readings ----

  // Every number of one person, worked by hand, at two days: 15 March 2024
  // and 29 November 2027 (a year whose digits make 11). The single functions
  // and the all-at-once computation must agree.
  void wholeReadings_data() {
    QTest::addColumn<NumerologyReading>("r");
    QTest::addColumn<QString>("timelessPart");
    QTest::addColumn<QString>("on2024");
    QTest::addColumn<QString>("on2027");

    QTest::newRow("empty middle name")
        << reading(S("JOHN"), QString(), S("SMITH"), S("6"), S("August"), S("1979"))
        << S("LP 22 T 22 BD 6 MA 3 DE 8/44 SU 6/15 ID 11/29 HP 8 KL[ 3 7] SS 7 BA 2 RT 8 LE 5 "
             "HB 5 KD 0 CH 2 2 0 0 PI 5 5 1 7 PA 44 Strong 11 Weak 44 Strong 0 Weak DOM ")
        << S("PE 2:8 6 8 L22 PY 4 PM 7 PD 4 ES 5:O-H")
        // SMITH at 48 = 2 x 24: its last letter, not the next cycle's S.
        << S("PE 2:8 6 8 L22 PY 7 PM 9 PD 11 ES 7:H-H");
    QTest::newRow("hyphen, apostrophe, 29 February 1999")
        << reading(S("MARY-ANN"), S("D'ARCY"), S("LEE"), S("29"), S("February"), S("1999"))
        << S("LP 5 T 14 BD 29 MA 11 DE 6/69 SU 4/13 ID 11/56 HP 1 KL[ 2 6 8] SS 6 BA 2 RT 7 "
             "LE 1 HB 7 KD 13 CH 0 1 1 1 PI 4 3 7 3 "
             "PA 35 Strong 23 Average 11 Weak 17 Average DOM Mental")
        << S("PE 1:2 11 1 L5 PY 3 PM 6 PD 3 ES 5:NDE")
        << S("PE 1:2 11 1 L5 PY 6 PM 8 PD 1 ES 9:NAL");
    QTest::newRow("no vowels, 1 January 1900")
        << reading(S("LYNN"), QString(), S("GLYNN"), S("1"), S("January"), S("1900"))
        << S("LP 3 T 3 BD 1 MA 5 DE 11/47 SU 5/14 ID 11/47 HP 5 KL[ 1 2 4 6 8 9] SS 3 BA 1 "
             "RT 3 LE 8 HB 6 KD 14 CH 0 0 0 0 PI 2 11 4 11 "
             "PA 77 Strong 0 Weak 0 Weak 22 Strong DOM Mental")
        << S("PE 3:1 1 1 L3 PY 1 PM 4 PD 1 ES 5:Y-Y")
        << S("PE 3:1 1 1 L3 PY 4 PM 6 PD 8 ES 3:Y-N");
    QTest::newRow("born 2050, blank middle box")
        << reading(S("ANN"), S("   "), S("LEE"), S("31"), S("December"), S("2050"))
        << S("LP 5 T 14 BD 31 MA 11 DE 6/24 SU 11/11 ID 4/13 HP 5 KL[ 2 4 6 7 8 9] SS 3 BA 4 "
             "RT 6 LE 1 HB 7 KD 13 CH 1 3 2 4 PI 7 11 9 1 "
             "PA 66 Strong 33 Strong 0 Weak 0 Weak DOM Mental")
        << S("PE 0:3 4 7 L5 PY 6 PM 9 PD 6 ES 0:---")
        << S("PE 0:3 4 7 L5 PY 9 PM 2 PD 4 ES 0:---");
    QTest::newRow("pasted lower case")
        << reading(S("john"), QString(), S("smith"), S("2"), S("January"), S("1907"))
        << S("LP 11 T 11 BD 2 MA refused DE 0/0 SU 0/0 ID 0/0 HP 0 KL[ 1 2 3 4 5 6 7 8 9] SS 0 "
             "BA 0 RT 2 LE 2 HB 0 KD 0 CH 1 6 5 7 PI 3 1 4 9 "
             "PA 0 Weak 0 Weak 0 Weak 0 Weak DOM ")
        << S("PE 3:1 2 8 L11 PY 2 PM 5 PD 2 ES 0:---")
        << S("PE 3:1 2 8 L11 PY 5 PM 7 PD 9 ES 0:---");
  }
  void wholeReadings() {
    QFETCH(NumerologyReading, r);
    QFETCH(QString, timelessPart);
    QFETCH(QString, on2024);
    QFETCH(QString, on2027);
    const QDate days[2] = {kSpring2024, QDate(2027, 11, 29)};
    const QString expectedDated[2] = {on2024, on2027};
    for (int i = 0; i < 2; ++i) {
      const AllNumbers all = computeAll(r, days[i]);
      QCOMPARE(timeless(all), timelessPart);
      QCOMPARE(dated(all), expectedDated[i]);
      const AllNumbers single = oneByOne(r, days[i]);
      QCOMPARE(timeless(single), timelessPart);
      QCOMPARE(dated(single), expectedDated[i]);
    }
  }

  // ---- birth-date numbers ----

  void lifePathNumber_data() {
    QTest::addColumn<NumerologyReading>("r");
    QTest::addColumn<int>("dayPart");
    QTest::addColumn<int>("yearPart");
    QTest::addColumn<int>("karmicSum");
    QTest::addColumn<int>("number");
    QTest::newRow("preset 6 August 1979") << date("6", "August", "1979") << 6 << 8 << 22 << 22;
    QTest::newRow("2 January 1907") << date("2", "January", "1907") << 2 << 8 << 11 << 11;
    QTest::newRow("29 November 1999") << date("29", "November", "1999") << 2 << 10 << 14 << 5;
    QTest::newRow("9 September 1900") << date("9", "September", "1900") << 9 << 1 << 19 << 1;
    QTest::newRow("31 December 2050") << date("31", "December", "2050") << 4 << 7 << 14 << 5;
    QTest::newRow("31 February, no calendar check")
        << date("31", "February", "2000") << 4 << 2 << 8 << 8;
    QTest::newRow("day 19 reduces once to 1") << date("19", "March", "1988") << 1 << 8 << 12 << 3;
    // The month counts only by its English name.
    QTest::newRow("lower-case month") << date("6", "august", "1979") << 6 << 8 << 14 << 5;
    QTest::newRow("month as number") << date("6", "8", "1979") << 6 << 8 << 14 << 5;
  }
  void lifePathNumber() {
    QFETCH(NumerologyReading, r);
    QFETCH(int, dayPart);
    QFETCH(int, yearPart);
    QFETCH(int, karmicSum);
    QFETCH(int, number);
    const LifePathResult lp = lifePath(r, kSpring2024);
    QCOMPARE(lp.dayPart, dayPart);
    QCOMPARE(lp.yearPart, yearPart);
    QCOMPARE(lp.karmicSum, karmicSum);
    QCOMPARE(lp.number, number);
  }

  void birthdayNumber() {
    QCOMPARE(birthday(date(" 13 ", "May", "1970"), kSpring2024).label, S("13"));
    QCOMPARE(birthday(date(" 13 ", "May", "1970"), kSpring2024).number, 13);
    QCOMPARE(birthday(date("x", "May", "1970"), kSpring2024).number, 0);
    QCOMPARE(birthday(date("", "May", "1970"), kSpring2024).number, 0);
  }

  void maturityFromNumbers_data() {
    QTest::addColumn<int>("lifePath");
    QTest::addColumn<int>("destiny");
    QTest::addColumn<bool>("refused");
    QTest::addColumn<int>("number");
    QTest::newRow("22 and 7") << 22 << 7 << false << 11;
    QTest::newRow("11 and 22") << 11 << 22 << false << 6;
    QTest::newRow("7 and 5") << 7 << 5 << false << 3;
    QTest::newRow("5 and 5") << 5 << 5 << false << 1;
    QTest::newRow("9 and 9") << 9 << 9 << false << 9;
    QTest::newRow("no Destiny") << 5 << 0 << true << 0;
    QTest::newRow("no Life Path") << 0 << 5 << true << 0;
  }
  void maturityFromNumbers() {
    QFETCH(int, lifePath);
    QFETCH(int, destiny);
    QFETCH(bool, refused);
    QFETCH(int, number);
    const MaturityResult m = maturityFrom(lifePath, destiny);
    QCOMPARE(m.refused, refused);
    QCOMPARE(m.number, number);
  }

  // ---- name numbers ----

  void nameNumbers_data() {
    QTest::addColumn<NumerologyReading>("r");
    QTest::addColumn<QList<int>>("totalsAndNumbers");  // Destiny, Soul Urge, Inner Dreams
    QTest::newRow("JOHN SMITH") << names("JOHN", "", "SMITH") << QList<int>{44, 8, 15, 6, 29, 11};
    QTest::newRow("no vowels: Y in both")
        << names("LYNN", "", "GLYNN") << QList<int>{47, 11, 14, 5, 47, 11};
    QTest::newRow("blanks at the ends, a blank and a full stop inside")
        << names("  JOHN  ", " ", "SMI TH.") << QList<int>{44, 8, 15, 6, 29, 11};
    QTest::newRow("a vowel keeps Y out of Soul Urge")
        << names("AY", "", "") << QList<int>{8, 8, 1, 1, 7, 7};
    QTest::newRow("pasted lower case") << names("john", "", "smith") << QList<int>{0, 0, 0, 0, 0, 0};
  }
  void nameNumbers() {
    QFETCH(NumerologyReading, r);
    QFETCH(QList<int>, totalsAndNumbers);
    const NameNumberResult d = destiny(r, kSpring2024);
    const NameNumberResult s = soulUrge(r, kSpring2024);
    const NameNumberResult i = innerDreams(r, kSpring2024);
    QCOMPARE((QList<int>{d.total, d.number, s.total, s.number, i.total, i.number}),
             totalsAndNumbers);
  }

  // Hidden Passion, Karmic Lessons and Subconscious Self count the letters
  // of the full name; characters without a letter value take no part.
  void letterCensus_data() {
    QTest::addColumn<NumerologyReading>("r");
    QTest::addColumn<QString>("passionLetter");
    QTest::addColumn<int>("passion");
    QTest::addColumn<QString>("lessons");
    QTest::addColumn<int>("subconscious");
    QTest::newRow("MARY ANN JONES") << names("MARY", "ANN", "JONES") << S("N") << 5 << S(" 2 3 8")
                                    << 6;
    QTest::newRow("every value present")
        << names("JOHN", "PAUL", "SMITH") << S("H") << 8 << QString() << 9;
    QTest::newRow("tie goes to the first") << names("AB", "", "AB") << S("A") << 1 << S(" 3 4 5 6 7 8 9")
                                           << 2;
    QTest::newRow("tie decided by first occurrence, not alphabet")
        << names("BAAB", "", "") << S("B") << 2 << S(" 3 4 5 6 7 8 9") << 2;
    // Three full stops outnumber every letter but have no value.
    QTest::newRow("punctuation never wins")
        << names("A.B.", "", "C.") << S("A") << 1 << S(" 4 5 6 7 8 9") << 3;
    QTest::newRow("blanks never win") << names("A   N   N", "", "") << S("N") << 5
                                      << S(" 2 3 4 6 7 8 9") << 2;
    QTest::newRow("pasted lower case")
        << names("anna", "", "lee") << S("-") << 0 << S(" 1 2 3 4 5 6 7 8 9") << 0;
    QTest::newRow("no name at all") << names("", "", "") << S("-") << 0 << S(" 1 2 3 4 5 6 7 8 9")
                                    << 0;
  }
  void letterCensus() {
    QFETCH(NumerologyReading, r);
    QFETCH(QString, passionLetter);
    QFETCH(int, passion);
    QFETCH(QString, lessons);
    QFETCH(int, subconscious);
    const HiddenPassionResult hp = hiddenPassion(r, kSpring2024);
    QCOMPARE(letter(hp.letter), passionLetter);
    QCOMPARE(hp.number, passion);
    const KarmicLessonsResult kl = karmicLessons(r, kSpring2024);
    QCOMPARE(kl.list, lessons);
    QCOMPARE(kl.missing.size(), lessons.count(QLatin1Char(' ')));
    QCOMPARE(subconsciousSelf(r, kSpring2024).number, subconscious);
  }

  // An earlier reading never shows through: a name without letters after one
  // with letters gives 0 again.
  void hiddenPassionKeepsNothing() {
    QCOMPARE(hiddenPassion(names("ZZZ", "", ""), kSpring2024).number, 8);
    QCOMPARE(hiddenPassion(names("...", "", ""), kSpring2024).number, 0);
  }

  void balanceNumber_data() {
    QTest::addColumn<NumerologyReading>("r");
    QTest::addColumn<int>("sum");
    QTest::addColumn<int>("number");
    QTest::newRow("MARY ANN JONES") << names("MARY", "ANN", "JONES") << 6 << 6;
    QTest::newRow("19 reduces to 1, never 11") << names("RITA", "IAN", "ADAMS") << 19 << 1;
    QTest::newRow("leading blank counts 0") << names(" JOHN", "", "SMITH") << 1 << 1;
    QTest::newRow("two Rs and an I") << names("RITA", "IAN", "ROSS") << 27 << 9;
    QTest::newRow("no upper-case initial") << names("john", "", "-SMITH") << 0 << 0;
  }
  void balanceNumber() {
    QFETCH(NumerologyReading, r);
    QFETCH(int, sum);
    QFETCH(int, number);
    const BalanceResult b = balance(r, kSpring2024);
    QCOMPARE(b.sum, sum);
    QCOMPARE(b.number, number);
  }

  void rationalThoughtNumber_data() {
    QTest::addColumn<NumerologyReading>("r");
    QTest::addColumn<int>("number");
    QTest::newRow("2 and JOHN stay 22")
        << reading(S("JOHN"), QString(), S("SMITH"), S("2")) << 22;
    QTest::newRow("29 and JOHN") << reading(S("JOHN"), QString(), S("SMITH"), S("29")) << 4;
    QTest::newRow("19 and MARY") << reading(S("MARY"), QString(), S("SMITH"), S("19")) << 22;
    QTest::newRow("only the first name counts")
        << reading(S(" MARY "), S("ZZZ"), S("ZZZ"), S(" 19 ")) << 22;
  }
  void rationalThoughtNumber() {
    QFETCH(NumerologyReading, r);
    QFETCH(int, number);
    QCOMPARE(rationalThought(r, kSpring2024).number, number);
  }

  void bridges_data() {
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<int>("number");
    QTest::newRow("22 and 3") << 3 << 22 << 1;
    QTest::newRow("11 and 2 give 9") << 2 << 11 << 9;
    QTest::newRow("nothing computed") << 0 << 0 << 0;
    QTest::newRow("22 and 4 give 9") << 22 << 4 << 9;
    QTest::newRow("equal") << 6 << 6 << 0;
  }
  void bridges() {
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(int, number);
    QCOMPARE(bridgeFrom(from, to).number, number);
    QCOMPARE(bridgeFrom(to, from).number, number);
  }

  void karmicDebtNumbers_data() {
    QTest::addColumn<QList<int>>("values");  // LP total, Destiny, Soul Urge, Inner Dreams, day
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("source");
    QTest::newRow("Life Path total 14") << QList<int>{14, 44, 15, 29, 29} << 14
                                        << int(KarmicDebtSource::LifePath);
    QTest::newRow("last match wins") << QList<int>{22, 13, 5, 8, 19} << 19
                                     << int(KarmicDebtSource::BirthDay);
    QTest::newRow("Inner Dreams over Soul Urge") << QList<int>{3, 40, 16, 13, 1} << 13
                                                 << int(KarmicDebtSource::InnerDreams);
    QTest::newRow("none") << QList<int>{22, 44, 15, 29, 6} << 0 << int(KarmicDebtSource::None);
    QTest::newRow("neighbours do not count") << QList<int>{12, 15, 17, 18, 20} << 0
                                             << int(KarmicDebtSource::None);
  }
  void karmicDebtNumbers() {
    QFETCH(QList<int>, values);
    QFETCH(int, number);
    QFETCH(int, source);
    const KarmicDebtResult k = karmicDebtFrom(values[0], values[1], values[2], values[3], values[4]);
    QCOMPARE(k.number, number);
    QCOMPARE(int(k.source), source);
  }

  // ---- cycles ----

  void challengeNumbers_data() {
    QTest::addColumn<NumerologyReading>("r");
    QTest::addColumn<QString>("text");
    QTest::newRow("6 August 1979") << date("6", "August", "1979") << S("2 2 0 0");
    QTest::newRow("29 December 1993") << date("29", "December", "1993") << S("1 2 1 1");
    QTest::newRow("1 September 1900") << date("1", "September", "1900") << S("8 0 8 8");
    QTest::newRow("29 November 1999") << date("29", "November", "1999") << S("0 1 1 1");
  }
  void challengeNumbers() {
    QFETCH(NumerologyReading, r);
    QFETCH(QString, text);
    const ChallengesResult c = challenges(r, kSpring2024);
    QCOMPARE(c.text, text);
    const QStringList values = text.split(QLatin1Char(' '));
    const char* ordinals[4] = {"First", "Second", "Third", "Fourth"};
    for (int k = 0; k < 4; ++k)
      QCOMPARE(c.headings[k], S(ordinals[k]) + S(" Challenge Number is ") + values[k]);
  }

  void pinnacleSpans_data() {
    QTest::addColumn<NumerologyReading>("r");
    QTest::addColumn<QStringList>("headings");  // heading text + value
    QTest::newRow("6 August 1979: spans overlap and leave a gap")
        << date("6", "August", "1979")
        << QStringList{S("First Pinnacle from age 0-31 years is 5"),
                       S("Second Pinnacle from age 32-40 is 5"),
                       S("Third Pinnacle from age 45-53 is 1"),
                       S("Fourth Pinnacle from age 48 & beyond is 7")};
    QTest::newRow("1 January 1900: 11 spans as 2, third 4 has two blanks")
        << date("1", "January", "1900")
        << QStringList{S("First Pinnacle from age 0-34 years is 2"),
                       S("Second Pinnacle from age 35-43 is 11"),
                       S("Third Pinnacle from age 42-50 is  4"),
                       S("Fourth Pinnacle from age 53 & beyond is 11")};
    QTest::newRow("21 January 1900: 22 stays")
        << date("21", "January", "1900")
        << QStringList{S("First Pinnacle from age 0-32 years is 22"),
                       S("Second Pinnacle from age 33-41 is 4"),
                       S("Third Pinnacle from age 38-46 is 8"),
                       S("Fourth Pinnacle from age 53 & beyond is 11")};
    QTest::newRow("8 September 1930: third 22 has one blank")
        << date("8", "September", "1930")
        << QStringList{S("First Pinnacle from age 0-28 years is 8"),
                       S("Second Pinnacle from age 34-42 is 3"),
                       S("Third Pinnacle from age 44-52 is 11"),
                       S("Fourth Pinnacle from age 51 & beyond is 22")};
  }
  void pinnacleSpans() {
    QFETCH(NumerologyReading, r);
    QFETCH(QStringList, headings);
    const PinnaclesResult p = pinnacles(r, kSpring2024);
    QStringList got;
    for (const Pinnacle& q : p.pinnacle) got << q.heading + QString::number(q.value);
    QCOMPARE(got, headings);
    QCOMPARE(p.pinnacle[3].toAge, -1);
  }

  void lifePathPeriodSpans_data() {
    QTest::addColumn<NumerologyReading>("r");
    QTest::addColumn<int>("todayYear");
    QTest::addColumn<int>("lifePath");
    QTest::addColumn<int>("current");
    QTest::addColumn<QStringList>("headings");
    QTest::newRow("6 August 1979 in 2024") << date("6", "August", "1979") << 2024 << 22 << 2
        << QStringList{S("Life Path Period 1 from age 0 - 26 is 8"),
                       S("Life Path Period 2 from age 27 - 53 is 6"),
                       S("Life Path Period 3 from age 54 on is 8")};
    QTest::newRow("29 December 1993 in 2024") << date("29", "December", "1993") << 2024 << 9 << 2
        << QStringList{S("Life Path Period 1 from age 0 - 27 is 3"),
                       S("Life Path Period 2 from age 28 - 54 is 11"),
                       S("Life Path Period 3 from age 55 on is 22")};
    QTest::newRow("1 September 1900 in 2024") << date("1", "September", "1900") << 2024 << 11 << 3
        << QStringList{S("Life Path Period 1 from age 0 - 26 is 9"),
                       S("Life Path Period 2 from age 27 - 53 is 1"),
                       S("Life Path Period 3 from age 54 on is 1")};
    QTest::newRow("9 February 1901: its own Life Path")
        << date("9", "February", "1901") << 2024 << 22 << 3
        << QStringList{S("Life Path Period 1 from age 0 - 26 is 2"),
                       S("Life Path Period 2 from age 27 - 53 is 9"),
                       S("Life Path Period 3 from age 54 on is 11")};
    QTest::newRow("L 4: second period to 59") << date("2", "January", "1900") << 1959 << 4 << 2
        << QStringList{S("Life Path Period 1 from age 0 - 23 is 1"),
                       S("Life Path Period 2 from age 24 - 59 is 2"),
                       S("Life Path Period 3 from age 60 on is 1")};
    QTest::newRow("born after today: period 0") << date("6", "August", "2050") << 2024 << 3 << 0
        << QStringList{S("Life Path Period 1 from age 0 - 24 is 8"),
                       S("Life Path Period 2 from age 25 - 51 is 6"),
                       S("Life Path Period 3 from age 52 on is 7")};
  }
  void lifePathPeriodSpans() {
    QFETCH(NumerologyReading, r);
    QFETCH(int, todayYear);
    QFETCH(int, lifePath);
    QFETCH(int, current);
    QFETCH(QStringList, headings);
    const LifePathPeriodsResult p = lifePathPeriods(r, QDate(todayYear, 1, 1));
    QCOMPARE(p.lifePath, lifePath);
    QCOMPARE(p.current, current);
    QStringList got;
    for (const LifePathPeriod& q : p.period) got << q.heading + QString::number(q.number);
    QCOMPARE(got, headings);
  }

  // The current period at the edges of the spans; only calendar years count.
  void currentPeriodAtEdges_data() {
    QTest::addColumn<NumerologyReading>("r");
    QTest::addColumn<int>("age");
    QTest::addColumn<int>("current");
    const NumerologyReading one = date("1", "January", "1907");   // L 1
    const NumerologyReading four = date("2", "January", "1900");  // L 4
    QTest::newRow("L1 at 0") << one << 0 << 1;
    QTest::newRow("L1 at 26") << one << 26 << 1;
    QTest::newRow("L1 at 27") << one << 27 << 2;
    QTest::newRow("L1 at 53") << one << 53 << 2;
    QTest::newRow("L1 at 54") << one << 54 << 3;
    QTest::newRow("L1 at -1") << one << -1 << 0;
    QTest::newRow("L4 at 23") << four << 23 << 1;
    QTest::newRow("L4 at 24") << four << 24 << 2;
    QTest::newRow("L4 at 59") << four << 59 << 2;
    QTest::newRow("L4 at 60") << four << 60 << 3;
  }
  void currentPeriodAtEdges() {
    QFETCH(NumerologyReading, r);
    QFETCH(int, age);
    QFETCH(int, current);
    const int born = r.year.toInt();
    // 31 December and 1 January of the same year give the same age.
    for (const QDate& today : {QDate(born + age, 1, 1), QDate(born + age, 12, 31)}) {
      const LifePathPeriodsResult p = lifePathPeriods(r, today);
      QCOMPARE(p.age, age);
      QCOMPARE(p.current, current);
    }
  }

  void personalNumbers_data() {
    QTest::addColumn<NumerologyReading>("r");
    QTest::addColumn<QDate>("today");
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::newRow("6 August on 15 March 2024")
        << date("6", "August", "1979") << QDate(2024, 3, 15) << 4 << 7 << 4;
    QTest::newRow("birth year plays no part")
        << date("6", "August", "2050") << QDate(2024, 3, 15) << 4 << 7 << 4;
    QTest::newRow("29 December in 2024: day reduced to 2")
        << date("29", "December", "1990") << QDate(2024, 1, 1) << 4 << 5 << 6;
    QTest::newRow("29 July in December 2024: month 11")
        << date("29", "July", "1990") << QDate(2024, 12, 1) << 8 << 11 << 3;
    QTest::newRow("year digits 22: Personal Year 11")
        << date("6", "January", "1993") << QDate(1993, 5, 5) << 11 << 7 << 3;
    QTest::newRow("29th of a month in 2027")
        << date("6", "August", "1979") << QDate(2027, 11, 29) << 7 << 9 << 11;
  }
  void personalNumbers() {
    QFETCH(NumerologyReading, r);
    QFETCH(QDate, today);
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(int, day);
    const PersonalYearResult py = personalYear(r, today);
    QCOMPARE(py.number, year);
    QCOMPARE(py.label, S("Your Personal Year is: ") + QString::number(year));
    QCOMPARE(personalMonth(r, today).number, month);
    QCOMPARE(personalDay(r, today).number, day);
  }

  // The letter of one name part whose years cover the age.
  void essenceTransit_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("age");
    QTest::addColumn<QString>("transit");
    QTest::addColumn<int>("value");
    // ABC: A age 0, B 1-2, C 3-5; at 6 (one whole cycle) still C.
    QTest::newRow("ABC at 0") << S("ABC") << 0 << S("A") << 1;
    QTest::newRow("ABC at 1") << S("ABC") << 1 << S("B") << 2;
    QTest::newRow("ABC at 2") << S("ABC") << 2 << S("B") << 2;
    QTest::newRow("ABC at 3") << S("ABC") << 3 << S("C") << 3;
    QTest::newRow("ABC at 6, exact multiple") << S("ABC") << 6 << S("C") << 3;
    // After a whole cycle the A (1) and the B are counted at once.
    QTest::newRow("ABC at 7") << S("ABC") << 7 << S("B") << 2;
    QTest::newRow("ABC at 9") << S("ABC") << 9 << S("C") << 3;
    QTest::newRow("ABC at 600, exact multiple") << S("ABC") << 600 << S("C") << 3;
    QTest::newRow("ABC at 601") << S("ABC") << 601 << S("B") << 2;
    QTest::newRow("blanks, hyphens, apostrophes passed over") << S("A-B 'C") << 6 << S("C") << 3;
    QTest::newRow("FOX at 24") << S("FOX") << 24 << S("O") << 6;
    QTest::newRow("one letter among others") << S("..Z..") << 100 << S("Z") << 8;
    QTest::newRow("negative age") << S("ABC") << -1 << S("-") << 0;
    QTest::newRow("lower case") << S("abc") << 30 << S("-") << 0;
    QTest::newRow("digits only") << S("1979") << 30 << S("-") << 0;
  }
  void essenceTransit() {
    QFETCH(QString, name);
    QFETCH(int, age);
    QFETCH(QString, transit);
    QFETCH(int, value);
    const EssenceResult e =
        essence(reading(name, QString(), QString(), S("1"), S("May"), S("2000")),
                QDate(2000 + age, 6, 1));
    QCOMPARE(e.age, age);
    QCOMPARE(letter(e.transitLetter[0]), transit);
    QCOMPARE(e.transitValue[0], value);
  }

  void essenceNumber_data() {
    QTest::addColumn<NumerologyReading>("r");
    QTest::addColumn<int>("age");
    QTest::addColumn<QList<int>>("values");
    QTest::addColumn<int>("number");
    QTest::newRow("ANN LEE at 24") << names("ANN", "", "LEE") << 24 << QList<int>{5, 0, 5} << 1;
    QTest::newRow("ANN FOX at 24, sum 11 stays")
        << names("ANN", "", "FOX") << 24 << QList<int>{5, 0, 6} << 11;
    QTest::newRow("ANN LEE at 0") << names("ANN", "", "LEE") << 0 << QList<int>{1, 0, 3} << 4;
    QTest::newRow("ANN at 11: second N, not the next A")
        << names("ANN", "", "") << 11 << QList<int>{5, 0, 0} << 5;
    QTest::newRow("middle of blanks") << names("ANN", "    ", "LEE") << 24
                                      << QList<int>{5, 0, 5} << 1;
    QTest::newRow("MARY ANN at 7") << names("MARY ANN", "", "") << 7 << QList<int>{9, 0, 0} << 9;
  }
  void essenceNumber() {
    QFETCH(NumerologyReading, r);
    QFETCH(int, age);
    QFETCH(QList<int>, values);
    QFETCH(int, number);
    r.year = S("1980");
    const EssenceResult e = essence(r, QDate(1980 + age, 12, 31));
    QCOMPARE((QList<int>{e.transitValue[0], e.transitValue[1], e.transitValue[2]}), values);
    QCOMPARE(e.number, number);
  }

  // ---- planes of expression ----

  void planesOfExpression_data() {
    QTest::addColumn<NumerologyReading>("r");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("dominant");
    QTest::newRow("ANN LEE") << names("ANN", "", "LEE") << S("66 Strong 33 Strong 0 Weak 0 Weak")
                             << S("Mental");
    QTest::newRow("JOHN SMITH: a tie, no dominant plane")
        << names("JOHN", "", "SMITH") << S("44 Strong 11 Weak 44 Strong 0 Weak") << QString();
    QTest::newRow("ROSE TORRES") << names("ROSE", "", "TORRES")
                                 << S("0 Weak 20 Average 80 Strong 0 Weak") << S("Emotional");
    QTest::newRow("hyphen lowers every share")
        << names("MARY-ANN", "", "") << S("50 Strong 12 Weak 12 Weak 12 Average") << S("Mental");
    QTest::newRow("empty name divides nothing")
        << names(" ", "", "  ") << S("0 Weak 0 Weak 0 Weak 0 Weak") << QString();
  }
  void planesOfExpression() {
    QFETCH(NumerologyReading, r);
    QFETCH(QString, label);
    QFETCH(QString, dominant);
    const PersonalAspectsResult pa = personalAspects(r, kSpring2024);
    QCOMPARE(pa.label, label);
    QCOMPARE(pa.dominant, dominant);
  }

  void planeLines() {
    const PersonalAspectsResult pa = personalAspects(names("ANN", "", "LEE"), kSpring2024);
    QCOMPARE(pa.length, 6);
    QCOMPARE(pa.planeLines, S("Mental Ability 66 - Strong \r\n"
                              "Physical Ability 33 - Strong \r\n"
                              "Emotional Ability 0 - Weak \r\n"
                              "Intuitive Ability 0 - Weak"));
  }

  // Each plane's rating at the edges of its limits: p letters of the plane
  // in a name of 100 characters give p percent.
  void planeRatingLimits_data() {
    QTest::addColumn<int>("plane");
    QTest::addColumn<int>("percent");
    QTest::addColumn<QString>("rating");
    const char* letters = "AEOK";  // Mental, Physical, Emotional, Intuitive
    const int limits[4][4] = {{25, 26, 32, 33}, {17, 18, 23, 24}, {20, 21, 34, 35},
                              {11, 12, 17, 18}};
    const char* ratings[4] = {"Weak", "Average", "Average", "Strong"};
    for (int p = 0; p < 4; ++p)
      for (int i = 0; i < 4; ++i)
        QTest::addRow("%c %d", letters[p], limits[p][i]) << p << limits[p][i] << S(ratings[i]);
    QTest::newRow("Mental 100") << 0 << 100 << S("Strong");
    QTest::newRow("Intuitive 0") << 3 << 0 << S("Weak");
  }
  void planeRatingLimits() {
    QFETCH(int, plane);
    QFETCH(int, percent);
    QFETCH(QString, rating);
    const QChar letterOf = QLatin1Char("AEOK"[plane]);
    const QString name = QString(percent, letterOf) + QString(100 - percent, QLatin1Char('x'));
    const PersonalAspectsResult pa =
        personalAspects(reading(name, QString(), QString()), kSpring2024);
    QCOMPARE(pa.planes[plane].percent, percent);
    QCOMPARE(pa.planes[plane].rating, rating);
  }

  // ---- names of the longest designed length ----

  // Three boxes of 32,767 characters: letter totals keep the 16-bit rule,
  // counts and percentages are exact, sums past 16 bits reduce correctly.
  void longestNames() {
    const QString as(32767, QLatin1Char('A'));
    const NumerologyReading r = reading(as, as, as, S("29"), S("August"), S("1979"));
    const AllNumbers a = computeAll(r, kSpring2024);
    QCOMPARE(a.destiny.total, 32767);
    QCOMPARE(a.destiny.number, 7);
    QCOMPARE(a.soulUrge.total, 32767);
    QCOMPARE(a.innerDreams.total, 0);
    // 11 for the 29th plus the first name's 32,767: 32,778 -> 27 -> 9.
    QCOMPARE(a.rationalThought.firstNameValue, 32767);
    QCOMPARE(a.rationalThought.number, 9);
    QCOMPARE(a.hiddenPassion.count, 3 * 32767);
    QCOMPARE(a.hiddenPassion.number, 1);
    QCOMPARE(a.personalAspects.length, 3 * 32767);
    QCOMPARE(a.personalAspects.label, S("100 Strong 0 Weak 0 Weak 0 Weak"));
    QCOMPARE(a.essence.number, 3);
    QCOMPARE(timeless(oneByOne(r, kSpring2024)), timeless(a));

    // A plane share past 327 letters: 400 E in 1,000 characters is 40 %.
    const QString mixed = QString(400, QLatin1Char('E')) + QString(600, QLatin1Char('-'));
    QCOMPARE(personalAspects(reading(mixed, QString(), QString()), kSpring2024)
                 .planes[Physical].percent,
             40);

    // One letter at the far end of a long part, and a great age.
    const QString sparse = QString(32766, QLatin1Char('.')) + QLatin1Char('I');
    const EssenceResult e =
        essence(reading(sparse, sparse, sparse, S("1"), S("May"), S("1900")), QDate(2050, 1, 1));
    QCOMPARE(e.transitValue, (std::array<int, 3>{9, 9, 9}));
    QCOMPARE(e.number, 9);
  }

  // Input the lists never offer still gives a defined result.
  void oddInput() {
    const NumerologyReading empty = reading(QString(), QString(), QString(), QString(), QString(),
                                            QString());
    const AllNumbers a = computeAll(empty, QDate());
    QCOMPARE(a.lifePath.number, 0);
    QVERIFY(a.maturity.refused);
    QCOMPARE(a.essence.number, 0);
    QCOMPARE(a.personalAspects.dominant, QString());
    QCOMPARE(a.lifePathPeriods.age, 0);

    const NumerologyReading junk =
        reading(S("ÅSA"), S("\t"), S("O'NEIL"), S("day"), S("Smarch"), S("year 1979"));
    const AllNumbers b = computeAll(junk, kSpring2024);
    QCOMPARE(b.birthday.number, 0);
    QCOMPARE(b.pinnacles.monthDigit, 0);
    QCOMPARE(b.essence.age, 0);  // a year that is no number counts no age
    QCOMPARE(b.lifePath.yearPart, 8);  // its digits still count
  }
};

AURAVANE_MODEL_TEST_MAIN(TestNumerologyEngine)
#include "test_numerology_engine.moc"

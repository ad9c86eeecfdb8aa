#include "numerology/NumerologyEngine.h"

#include <cstdlib>

#include "numerology/modNumerology.h"
#include "platform/VbString.h"

namespace numerology {

using modNumerology::DigitTotal;
using modNumerology::FirstPlusLast;
using modNumerology::LetterValue;
using modNumerology::MonthDigit;
using modNumerology::NameValue;
using modNumerology::ReduceDigitString;
using modNumerology::ReduceDigitStringOnce;
using modNumerology::ReduceNumber;
using platform::vb::Trim;

namespace {

constexpr int Limit = modNumerology::TotalLimit;

// ReduceNumber on a value rather than a variable.
int reduced(int v) { return ReduceNumber(v); }

// Adds v to a letter total unless that would carry it past the 16-bit limit.
void addLetter(int& total, int v) {
  if (total + v <= Limit) total += v;
}

// The month digit by the month's English name only ("10" gives 0 here).
int monthDigitByName(const QString& m) {
  bool isNumber = false;
  m.toInt(&isNumber);
  return isNumber ? 0 : MonthDigit(m);
}

// A trimmed day or year text as a whole number. A text that is not one (or
// lies outside 16 bits) counts 0, as the number a failed conversion leaves.
int wholeNumber(const QString& trimmed) {
  bool ok = false;
  const int v = trimmed.toInt(&ok, 10);
  return ok && v >= -32768 && v <= 32767 ? v : 0;
}

// Today's year minus the trimmed birth year; 0 when the year is no number.
int ageIn(const QString& year, const QDate& today) {
  bool ok = false;
  const int birth = Trim(year).toInt(&ok, 10);
  if (!ok || birth < -32768 || birth > 32767) return 0;
  return today.year() - birth;
}

QString num(int v) { return QString::number(v); }

bool isVowel(QChar c) {
  const char16_t u = c.unicode();
  return u == u'A' || u == u'E' || u == u'I' || u == u'O' || u == u'U';
}

// The letters of the four planes, indexed A..Z: 0 Mental, 1 Physical,
// 2 Emotional, 3 Intuitive.
constexpr std::array<char, 26> PlaneOf{
    /*A*/ 0, /*B*/ 2, /*C*/ 3, /*D*/ 1, /*E*/ 1, /*F*/ 3, /*G*/ 0, /*H*/ 0, /*I*/ 2,
    /*J*/ 0, /*K*/ 3, /*L*/ 0, /*M*/ 1, /*N*/ 0, /*O*/ 2, /*P*/ 0, /*Q*/ 3, /*R*/ 2,
    /*S*/ 2, /*T*/ 2, /*U*/ 3, /*V*/ 3, /*W*/ 1, /*X*/ 2, /*Y*/ 3, /*Z*/ 2};

// The reading's names made ready once: trimmed, joined, and a census of
// the capital letters of the full name taken in one pass.
struct Names {
  QString first, middle, last;  // trimmed
  QString full;                 // first + middle + last
  std::array<int, 26> count{};     // occurrences of each capital letter
  std::array<int, 26> firstAt{};   // position of its first occurrence

  explicit Names(const NumerologyReading& r)
      : first(Trim(r.firstName)), middle(Trim(r.middleName)), last(Trim(r.lastName)) {
    full.reserve(first.size() + middle.size() + last.size());
    full.append(first).append(middle).append(last);
    for (qsizetype i = 0, n = full.size(); i < n; ++i) {
      const char16_t u = full.at(i).unicode();
      if (u < u'A' || u > u'Z') continue;
      if (count[u - u'A']++ == 0) firstAt[u - u'A'] = int(i);
    }
  }
  // Which of the letter values 1..9 occur in the full name.
  std::array<bool, 10> valuesPresent() const {
    std::array<bool, 10> present{};
    for (int i = 0; i < 26; ++i)
      if (count[i] > 0) present[LetterValue(QChar(char16_t(u'A' + i)))] = true;
    return present;
  }
};

// ---- computations over prepared names ----

NameNumberResult destinyOf(const Names& n) {
  NameNumberResult res;
  for (const QString* part : {&n.first, &n.middle, &n.last})
    for (const QChar c : *part) addLetter(res.total, LetterValue(c));
  res.number = reduced(res.total);
  return res;
}

NameNumberResult soulUrgeOf(const Names& n) {
  NameNumberResult res;
  for (const QChar c : n.full)
    if (isVowel(c)) addLetter(res.total, LetterValue(c));
  if (res.total == 0) {
    for (const QChar c : n.full)
      if (c == QLatin1Char('Y')) addLetter(res.total, 7);
  }
  res.number = reduced(res.total);
  return res;
}

NameNumberResult innerDreamsOf(const Names& n) {
  NameNumberResult res;
  for (const QChar c : n.full)
    if (!isVowel(c)) addLetter(res.total, LetterValue(c));
  res.number = reduced(res.total);
  return res;
}

HiddenPassionResult hiddenPassionOf(const Names& n) {
  HiddenPassionResult res;
  int best = -1;
  for (int i = 0; i < 26; ++i) {
    if (n.count[i] == 0) continue;
    if (best < 0 || n.count[i] > n.count[best] ||
        (n.count[i] == n.count[best] && n.firstAt[i] < n.firstAt[best]))
      best = i;
  }
  if (best >= 0) {
    res.letter = QChar(char16_t(u'A' + best));
    res.count = n.count[best];
    res.number = LetterValue(res.letter);
  }
  return res;
}

KarmicLessonsResult karmicLessonsOf(const Names& n) {
  KarmicLessonsResult res;
  const auto present = n.valuesPresent();
  for (int v = 1; v <= 9; ++v) {
    if (present[v]) continue;
    res.missing.append(v);
    res.list += QLatin1Char(' ') + num(v);
  }
  return res;
}

SubconsciousSelfResult subconsciousSelfOf(const Names& n) {
  SubconsciousSelfResult res;
  const auto present = n.valuesPresent();
  for (int v = 1; v <= 9; ++v) res.number += present[v] ? 1 : 0;
  return res;
}

BalanceResult balanceOf(const NumerologyReading& r) {
  BalanceResult res;
  const QString* boxes[3] = {&r.firstName, &r.middleName, &r.lastName};
  for (int i = 0; i < 3; ++i) {
    res.initials[i] = boxes[i]->isEmpty() ? 0 : LetterValue(boxes[i]->at(0));
    res.sum += res.initials[i];
  }
  res.number = ReduceDigitString(num(res.sum));
  return res;
}

RationalThoughtResult rationalThoughtOf(const NumerologyReading& r, const Names& n) {
  RationalThoughtResult res;
  res.dayValue = ReduceDigitString(Trim(r.day));
  res.firstNameValue = NameValue(n.first);
  res.number = reduced(res.dayValue + res.firstNameValue);  // wide: no overflow
  return res;
}

LifePathResult lifePathOf(const NumerologyReading& r) {
  LifePathResult res;
  res.dayPart = FirstPlusLast(DigitTotal(r.day));
  res.monthDigit = monthDigitByName(r.month);
  res.yearPart = FirstPlusLast(DigitTotal(r.year));
  res.karmicSum = res.dayPart + res.monthDigit + res.yearPart;
  const int t = res.karmicSum;
  res.number = (t == 11 || t == 22) ? t : FirstPlusLast(DigitTotal(num(t)));
  return res;
}

BirthdayResult birthdayOf(const NumerologyReading& r) {
  BirthdayResult res;
  res.label = Trim(r.day);
  res.number = wholeNumber(res.label);
  return res;
}

// Letters of one name part counted in cycle order, each lasting as many
// years as its value, until the running total reaches the age; the last
// letter counted is the transit letter.
struct Transit {
  QChar letter;
  int value = 0;
};
Transit transitOf(const QString& part, int age) {
  Transit t;
  long long cycle = 0;  // the letter total of one pass
  qsizetype lastLetter = -1;
  for (qsizetype i = 0, n = part.size(); i < n; ++i) {
    const int v = LetterValue(part.at(i));
    if (v == 0) continue;
    cycle += v;
    lastLetter = i;
  }
  if (cycle == 0) return t;  // nothing to count: the part gives 0

  long long total = 0;
  // Whole passes that end below the age change nothing but the total and
  // end on the part's last letter: take them at once.
  if (age >= 1) {
    const long long whole = (age - 1) / cycle;
    if (whole > 0) {
      total = whole * cycle;
      t.letter = part.at(lastLetter);
      t.value = LetterValue(t.letter);
    }
  }
  // At most two passes remain. A pass counts a letter while the total is at
  // most the age; another pass follows only while the total is below it.
  for (;;) {
    for (const QChar c : part) {
      const int v = LetterValue(c);
      if (v == 0 || total > age) continue;
      total += v;
      t.letter = c;
      t.value = v;
    }
    if (total >= age) break;
  }
  return t;
}

EssenceResult essenceOf(const NumerologyReading& r, const Names& n, const QDate& today) {
  EssenceResult res;
  res.age = ageIn(r.year, today);
  const QString* parts[3] = {&n.first, &n.middle, &n.last};
  int sum = 0;
  for (int i = 0; i < 3; ++i) {
    const Transit t = transitOf(*parts[i], res.age);
    res.transitLetter[i] = t.letter;
    res.transitValue[i] = t.value;
    sum += t.value;
  }
  res.number = reduced(sum);
  return res;
}

PersonalAspectsResult personalAspectsOf(const Names& n) {
  static const std::array<QString, 4> names{QStringLiteral("Mental"), QStringLiteral("Physical"),
                                            QStringLiteral("Emotional"),
                                            QStringLiteral("Intuitive")};
  // Highest percentage that is still Weak, and still Average, per plane.
  static constexpr int weakUpTo[4] = {25, 17, 20, 11};
  static constexpr int averageUpTo[4] = {32, 23, 34, 17};

  PersonalAspectsResult res;
  const long long length = n.full.size();
  res.length = int(length);
  for (int i = 0; i < 26; ++i) res.planes[PlaneOf[i]].count += n.count[i];
  for (int p = 0; p < 4; ++p) {
    PlaneResult& plane = res.planes[p];
    plane.percent = length > 0 ? int(plane.count * 100LL / length) : 0;
    plane.rating = plane.percent <= weakUpTo[p]      ? QStringLiteral("Weak")
                   : plane.percent <= averageUpTo[p] ? QStringLiteral("Average")
                                                     : QStringLiteral("Strong");
  }
  for (int p = 0; p < 4 && res.dominant.isEmpty(); ++p) {
    bool above = true;
    for (int q = 0; q < 4; ++q)
      if (q != p && res.planes[p].percent <= res.planes[q].percent) above = false;
    if (above) res.dominant = names[p];
  }
  for (int p = 0; p < 4; ++p) {
    const PlaneResult& plane = res.planes[p];
    if (p > 0) res.label += QLatin1Char(' ');
    res.label += num(plane.percent) + QLatin1Char(' ') + plane.rating;
    res.planeLines += names[p] + QStringLiteral(" Ability ") + num(plane.percent) +
                      QStringLiteral(" - ") + plane.rating;
    if (p < 3) res.planeLines += QStringLiteral(" \r\n");
  }
  return res;
}

ChallengesResult challengesOf(const NumerologyReading& r) {
  static const std::array<QString, 4> ordinals{QStringLiteral("First"), QStringLiteral("Second"),
                                               QStringLiteral("Third"),
                                               QStringLiteral("Fourth")};
  ChallengesResult res;
  res.dayValue = FirstPlusLast(DigitTotal(r.day));
  res.monthValue = monthDigitByName(r.month);
  res.yearValue = FirstPlusLast(FirstPlusLast(DigitTotal(r.year)));
  auto& c = res.challenge;
  c[0] = std::abs(res.monthValue - res.dayValue);
  c[1] = std::abs(res.yearValue - res.dayValue);
  c[2] = std::abs(c[0] - c[1]);
  c[3] = std::abs(res.yearValue - res.monthValue);
  for (int k = 0; k < 4; ++k) {
    if (k > 0) res.text += QLatin1Char(' ');
    res.text += num(c[k]);
    res.headings[k] = ordinals[k] + QStringLiteral(" Challenge Number is ") + num(c[k]);
  }
  return res;
}

PinnaclesResult pinnaclesOf(const NumerologyReading& r) {
  PinnaclesResult res;
  const int day = wholeNumber(Trim(r.day));
  const int year = wholeNumber(Trim(r.year));
  res.monthDigit = MonthDigit(Trim(r.month));
  const int m = res.monthDigit;
  auto& p = res.pinnacle;
  p[0].value = reduced(m + day);
  p[1].value = reduced(day + year);
  p[2].value = reduced(p[0].value + p[1].value);
  p[3].value = reduced(m + year);
  for (int k = 0; k < 4; ++k) {
    const int v = p[k].value;
    // 11 takes the spans of 2, 22 those of 4.
    const int s = v == 11 ? 2 : v == 22 ? 4 : v;
    p[k].fromAge = k == 0 ? 0 : 28 + 9 * k - s;
    p[k].toAge = k == 3 ? -1 : 36 + 9 * k - s;
  }
  p[0].heading = QStringLiteral("First Pinnacle from age 0-") + num(p[0].toAge) +
                 QStringLiteral(" years is ");
  p[1].heading = QStringLiteral("Second Pinnacle from age ") + num(p[1].fromAge) +
                 QLatin1Char('-') + num(p[1].toAge) + QStringLiteral(" is ");
  p[2].heading = QStringLiteral("Third Pinnacle from age ") + num(p[2].fromAge) +
                 QLatin1Char('-') + num(p[2].toAge) +
                 (p[2].value == 4 ? QStringLiteral(" is  ") : QStringLiteral(" is "));
  p[3].heading = QStringLiteral("Fourth Pinnacle from age ") + num(p[3].fromAge) +
                 QStringLiteral(" & beyond is ");
  return res;
}

LifePathPeriodsResult lifePathPeriodsOf(const NumerologyReading& r, const QDate& today) {
  LifePathPeriodsResult res;
  res.monthValue = MonthDigit(Trim(r.month));
  res.dayValue = ReduceDigitString(Trim(r.day));
  res.yearValue = ReduceDigitString(Trim(r.year));
  res.age = ageIn(r.year, today);
  res.lifePath = reduced(res.monthValue + res.dayValue + res.yearValue);

  // Last age of periods 1 and 2 for L = 1..9; 11, 22 (and a value without a
  // row) take those of 1.
  static constexpr int end1[10] = {26, 26, 25, 24, 23, 31, 30, 29, 28, 27};
  static constexpr int end2[10] = {53, 53, 52, 51, 59, 58, 57, 56, 55, 54};
  const int row = (res.lifePath >= 1 && res.lifePath <= 9) ? res.lifePath : 1;
  const int e1 = end1[row], e2 = end2[row];

  res.current = res.age < 0 ? 0 : res.age <= e1 ? 1 : res.age <= e2 ? 2 : 3;

  auto& p = res.period;
  p[0] = {res.monthValue, 0, e1, {}};
  p[1] = {res.dayValue, e1 + 1, e2, {}};
  p[2] = {res.yearValue, e2 + 1, -1, {}};
  p[0].heading = QStringLiteral("Life Path Period 1 from age 0 - ") + num(e1) + QStringLiteral(" is ");
  p[1].heading = QStringLiteral("Life Path Period 2 from age ") + num(e1 + 1) +
                 QStringLiteral(" - ") + num(e2) + QStringLiteral(" is ");
  p[2].heading = QStringLiteral("Life Path Period 3 from age ") + num(e2 + 1) +
                 QStringLiteral(" on is ");
  return res;
}

PersonalYearResult personalYearOf(const NumerologyReading& r, const QDate& today) {
  PersonalYearResult res;
  const int s = FirstPlusLast(DigitTotal(r.day));
  const int t = FirstPlusLast(s + monthDigitByName(r.month));
  const int y = ReduceDigitString(num(today.year()));
  res.number = ReduceDigitString(num(t + y));
  res.label = QStringLiteral("Your Personal Year is: ") + num(res.number);
  return res;
}

PersonalNumberResult personalMonthOf(const NumerologyReading& r, const QDate& today) {
  const int d = ReduceDigitString(Trim(r.day));
  const int m = MonthDigit(Trim(r.month));
  const int c = ReduceDigitString(num(today.month()));
  const int y = ReduceDigitString(num(today.year()));
  return {ReduceDigitString(num(d + m + c + y))};
}

PersonalNumberResult personalDayOf(const NumerologyReading& r, const QDate& today) {
  const int d = ReduceDigitString(Trim(r.day));
  const int m = MonthDigit(Trim(r.month));
  const int e = ReduceDigitString(num(today.day()));
  const int c = ReduceDigitString(num(today.month()));
  const int y = ReduceDigitString(num(today.year()));
  return {ReduceDigitString(num(d + m + e + c + y))};
}

}  // namespace

// ---- public functions ----

LifePathResult lifePath(const NumerologyReading& r, const QDate&) { return lifePathOf(r); }

BirthdayResult birthday(const NumerologyReading& r, const QDate&) { return birthdayOf(r); }

MaturityResult maturityFrom(int lifePathNum, int destinyNum) {
  MaturityResult res;
  res.lifePath = lifePathNum;
  res.destiny = destinyNum;
  if (lifePathNum == 0 || destinyNum == 0) {
    res.refused = true;
    return res;
  }
  res.digits = num(lifePathNum) + num(destinyNum);
  res.number = ReduceDigitStringOnce(res.digits);
  return res;
}

MaturityResult maturity(const NumerologyReading& r, const QDate&) {
  return maturityFrom(lifePathOf(r).number, destinyOf(Names(r)).number);
}

NameNumberResult destiny(const NumerologyReading& r, const QDate&) { return destinyOf(Names(r)); }
NameNumberResult soulUrge(const NumerologyReading& r, const QDate&) { return soulUrgeOf(Names(r)); }
NameNumberResult innerDreams(const NumerologyReading& r, const QDate&) {
  return innerDreamsOf(Names(r));
}

HiddenPassionResult hiddenPassion(const NumerologyReading& r, const QDate&) {
  return hiddenPassionOf(Names(r));
}
KarmicLessonsResult karmicLessons(const NumerologyReading& r, const QDate&) {
  return karmicLessonsOf(Names(r));
}
SubconsciousSelfResult subconsciousSelf(const NumerologyReading& r, const QDate&) {
  return subconsciousSelfOf(Names(r));
}

BalanceResult balance(const NumerologyReading& r, const QDate&) { return balanceOf(r); }

RationalThoughtResult rationalThought(const NumerologyReading& r, const QDate&) {
  return rationalThoughtOf(r, Names(r));
}

BridgeResult bridgeFrom(int from, int to) {
  BridgeResult res;
  res.from = from;
  res.to = to;
  res.difference = std::abs(from - to);
  res.number = ReduceDigitString(num(res.difference));
  return res;
}

BridgeResult leBridge(const NumerologyReading& r, const QDate&) {
  return bridgeFrom(destinyOf(Names(r)).number, lifePathOf(r).number);
}

BridgeResult hpBridge(const NumerologyReading& r, const QDate&) {
  const Names n(r);
  return bridgeFrom(soulUrgeOf(n).number, innerDreamsOf(n).number);
}

KarmicDebtResult karmicDebtFrom(int lifePathKarmicSum, int destinyTotal, int soulUrgeTotal,
                                int innerDreamsTotal, int birthDayNum) {
  const std::pair<int, KarmicDebtSource> tested[] = {
      {lifePathKarmicSum, KarmicDebtSource::LifePath},
      {destinyTotal, KarmicDebtSource::Destiny},
      {soulUrgeTotal, KarmicDebtSource::SoulUrge},
      {innerDreamsTotal, KarmicDebtSource::InnerDreams},
      {birthDayNum, KarmicDebtSource::BirthDay}};
  KarmicDebtResult res;
  for (const auto& [value, source] : tested) {
    if (value == 13 || value == 14 || value == 16 || value == 19) {
      res.number = value;
      res.source = source;
    }
  }
  return res;
}

KarmicDebtResult karmicDebt(const NumerologyReading& r, const QDate&) {
  const Names n(r);
  return karmicDebtFrom(lifePathOf(r).karmicSum, destinyOf(n).total, soulUrgeOf(n).total,
                        innerDreamsOf(n).total, birthdayOf(r).number);
}

ChallengesResult challenges(const NumerologyReading& r, const QDate&) { return challengesOf(r); }
PinnaclesResult pinnacles(const NumerologyReading& r, const QDate&) { return pinnaclesOf(r); }

LifePathPeriodsResult lifePathPeriods(const NumerologyReading& r, const QDate& today) {
  return lifePathPeriodsOf(r, today);
}
PersonalYearResult personalYear(const NumerologyReading& r, const QDate& today) {
  return personalYearOf(r, today);
}
PersonalNumberResult personalMonth(const NumerologyReading& r, const QDate& today) {
  return personalMonthOf(r, today);
}
PersonalNumberResult personalDay(const NumerologyReading& r, const QDate& today) {
  return personalDayOf(r, today);
}

EssenceResult essence(const NumerologyReading& r, const QDate& today) {
  return essenceOf(r, Names(r), today);
}

PersonalAspectsResult personalAspects(const NumerologyReading& r, const QDate&) {
  return personalAspectsOf(Names(r));
}

AllNumbers computeAll(const NumerologyReading& r, const QDate& today) {
  const Names n(r);
  AllNumbers all;
  all.lifePath = lifePathOf(r);
  all.birthday = birthdayOf(r);
  all.destiny = destinyOf(n);
  all.soulUrge = soulUrgeOf(n);
  all.innerDreams = innerDreamsOf(n);
  all.maturity = maturityFrom(all.lifePath.number, all.destiny.number);
  all.hiddenPassion = hiddenPassionOf(n);
  all.karmicLessons = karmicLessonsOf(n);
  all.subconsciousSelf = subconsciousSelfOf(n);
  all.balance = balanceOf(r);
  all.rationalThought = rationalThoughtOf(r, n);
  all.leBridge = bridgeFrom(all.destiny.number, all.lifePath.number);
  all.hpBridge = bridgeFrom(all.soulUrge.number, all.innerDreams.number);
  all.karmicDebt = karmicDebtFrom(all.lifePath.karmicSum, all.destiny.total, all.soulUrge.total,
                                  all.innerDreams.total, all.birthday.number);
  all.challenges = challengesOf(r);
  all.pinnacles = pinnaclesOf(r);
  all.lifePathPeriods = lifePathPeriodsOf(r, today);
  all.personalYear = personalYearOf(r, today);
  all.personalMonth = personalMonthOf(r, today);
  all.personalDay = personalDayOf(r, today);
  all.essence = essenceOf(r, n, today);
  all.personalAspects = personalAspectsOf(n);
  return all;
}

}  // namespace numerology

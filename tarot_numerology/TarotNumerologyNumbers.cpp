#include "tarot_numerology/TarotNumerologyNumbers.h"

#include <QStringList>

namespace TarotNumerologyNumbers {
namespace {

int digitSum(int t) {
  int s = 0;
  for (t = t < 0 ? -t : t; t > 0; t /= 10) s += t % 10;
  return s;
}

int firstDigit(int t) {
  while (t >= 10) t /= 10;
  return t;
}

// First digit plus last digit of a total of two or more digits.
int firstPlusLast(int t) { return t < 10 ? t : firstDigit(t) + t % 10; }

// The three closing steps of a reduction: 11 and 22 stay, then at most two
// first-plus-last steps.
int reduceTotal(int t) {
  if (t == 11 || t == 22) return t;
  return firstPlusLast(firstPlusLast(t));
}

// The sum of the digits "0" to "9" in a text; other characters count nothing.
int textDigitSum(const QString& s) {
  int t = 0;
  for (QChar c : s)
    if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) t += c.unicode() - '0';
  return t;
}

int monthPart(const QString& month) {
  static const QStringList months = {
      QStringLiteral("January"), QStringLiteral("February"), QStringLiteral("March"),
      QStringLiteral("April"),   QStringLiteral("May"),      QStringLiteral("June"),
      QStringLiteral("July"),    QStringLiteral("August"),   QStringLiteral("September"),
      QStringLiteral("October"), QStringLiteral("November"), QStringLiteral("December")};
  const int i = months.indexOf(month);  // exact, capitals included
  return i < 0 ? 0 : (i % 9) + 1;
}

}  // namespace

int LetterValue(QChar ch) {
  const char16_t u = ch.unicode();
  if (u < u'A' || u > u'Z') return 0;
  return (u - u'A') % 9 + 1;
}

qint16 ReduceNumber(qint16& n) {
  if (n == 11 || n == 22) return n;
  n = qint16(reduceTotal(digitSum(n)));
  return n;
}

qint16 Life_Path_Number(const QString& day, const QString& month, const QString& year) {
  const int dayPart = firstPlusLast(textDigitSum(day));
  const int yearPart = firstPlusLast(textDigitSum(year));
  const int total = dayPart + monthPart(month) + yearPart;
  if (total == 11 || total == 22) return qint16(total);
  return qint16(firstPlusLast(digitSum(total)));
}

qint16 Destiny_Number(const QString& name) {
  qint16 total = 0;
  for (QChar c : name) {
    // Only the letters a to z are raised to capitals: a letter of another
    // alphabet whose capital happens to be A to Z still counts nothing.
    const QChar upper = (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
                            ? QChar(c.unicode() - (u'a' - u'A'))
                            : c;
    const int v = LetterValue(upper);
    if (total + v > 32767) continue;
    total = qint16(total + v);
  }
  return ReduceNumber(total);
}

bool hasCountedLetter(const QString& name) {
  for (QChar c : name)
    if ((c >= QLatin1Char('A') && c <= QLatin1Char('Z')) || (c >= QLatin1Char('a') && c <= QLatin1Char('z')))
      return true;
  return false;
}

}  // namespace TarotNumerologyNumbers

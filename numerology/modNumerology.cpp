#include "numerology/modNumerology.h"

#include <array>

namespace modNumerology {

namespace {

// First decimal digit of a value that is not negative.
long long firstDigit(long long v) {
  while (v >= 10) v /= 10;
  return v;
}

// The steps every reduction ends with, on a total that is not negative:
// 11 and 22 stay; otherwise first plus last digit, and once more when that
// has two digits. A three-digit total loses its middle digit (117 -> 8).
int reduceTotal(long long t) {
  if (t == 11 || t == 22) return int(t);
  long long u = t < 10 ? t : firstDigit(t) + t % 10;
  if (u >= 10) u = firstDigit(u) + u % 10;
  return int(u);
}

}  // namespace

int LetterValue(QChar c) {
  // Values of A..Z in alphabet order.
  static constexpr std::array<char, 26> values{1, 2, 3, 4, 5, 6, 7, 8, 9, 1, 2, 3, 4,
                                               5, 6, 7, 8, 9, 1, 2, 3, 4, 5, 6, 7, 8};
  const char16_t u = c.unicode();
  return (u >= u'A' && u <= u'Z') ? values[u - u'A'] : 0;
}

int LetterValue(const QString& s) { return s.size() == 1 ? LetterValue(s.at(0)) : 0; }

int NameValue(const QString& s) {
  int total = 0;
  for (const QChar c : s) {
    const int v = LetterValue(c);
    if (total + v <= TotalLimit) total += v;
  }
  return total;
}

int DigitTotal(const QString& s) {
  int total = 0;
  for (const QChar c : s) {
    const char16_t u = c.unicode();
    if (u < u'0' || u > u'9') continue;
    const int v = u - u'0';
    if (total + v <= TotalLimit) total += v;
  }
  return total;
}

int FirstPlusLast(int v) {
  if (v < 10) return v;
  return int(firstDigit(v) + v % 10);
}

int ReduceNumber(int& n) {
  if (n == 11 || n == 22) return n;
  long long rest = n < 0 ? -static_cast<long long>(n) : n;
  long long t = 0;
  while (rest > 0) {
    t += rest % 10;
    rest /= 10;
  }
  n = reduceTotal(t);
  return n;
}

int ReduceDigitString(const QString& s) { return reduceTotal(DigitTotal(s)); }

int ReduceDigitStringOnce(const QString& s) {
  const int t = DigitTotal(s);
  if (t == 11 || t == 22) return t;
  return FirstPlusLast(t);
}

int MonthDigit(const QString& m) {
  static const std::array<QString, 12> names{
      QStringLiteral("January"), QStringLiteral("February"), QStringLiteral("March"),
      QStringLiteral("April"),   QStringLiteral("May"),      QStringLiteral("June"),
      QStringLiteral("July"),    QStringLiteral("August"),   QStringLiteral("September"),
      QStringLiteral("October"), QStringLiteral("November"), QStringLiteral("December")};
  for (int i = 0; i < 12; ++i) {
    if (m == names[i] || m == QString::number(i + 1)) return i % 9 + 1;
  }
  return 0;
}

}  // namespace modNumerology

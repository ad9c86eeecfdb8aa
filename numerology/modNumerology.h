#pragma once
#include <QString>

// The numerology arithmetic: letter values, a name's letter total, the three
// reductions to one digit that keep 11 and 22 at the points where they look
// for them, and the digit of a month. Plain functions without state; nothing
// here reports an error: a character without a value counts 0.
//
// Letter values (capital letters A to Z only; every other character is 0):
//   1 A J S   2 B K T   3 C L U   4 D M V   5 E N W
//   6 F O X   7 G P Y   8 H Q Z   9 I R
//
// Letter and digit totals are 16-bit as the readings have always been kept:
// an addition that would carry a total past 32,767 is not made, the total
// keeps its value and the walk goes on with the next character. Walks over
// the text are not limited in length.
namespace modNumerology {

// Largest value a letter or digit total can hold.
constexpr int TotalLimit = 32767;

// The value of one character: 1 to 9 for the capitals A to Z, else 0.
int LetterValue(QChar c);
// The value of a string meant to hold one letter; 0 unless it is exactly
// one of the 26 capitals (so "a", "AB", "1" and "" give 0).
int LetterValue(const QString& s);

// The sum of the letter values of all characters of s, not reduced
// (JOHN 20, MARY-ANN 32, john 0).
int NameValue(const QString& s);

// Reduces n to 0..9, 11 or 22 and stores the result back into n.
// 11 and 22 are kept as they are; any other n is replaced by the sum of its
// decimal digits (a minus sign counts nothing), which is then reduced by the
// first-and-last-digit steps: 29 -> 11, 1993 -> 22, 1999 -> 1, 2999 -> 2.
// Works on any int, so sums built wider than 16 bits reduce correctly.
int ReduceNumber(int& n);

// The digit total of s ("0" to "9" count, everything else counts nothing),
// reduced by the first-and-last-digit steps, keeping a total of 11 or 22.
// The string itself is not looked at for 11: "11" gives 2, "29" gives 11.
int ReduceDigitString(const QString& s);

// The digit total of s after at most one first-and-last-digit step, keeping
// a total of 11 or 22 (0 to 18): "75" -> 3, "119" -> 11, "199" -> 10.
int ReduceDigitStringOnce(const QString& s);

// The month's digit by its exact English name ("January" 1 .. "September" 9,
// "October" 1, "November" 2, "December" 3) or by its number as text ("1" to
// "12"); 0 for any other text ("october", "Sept", "").
int MonthDigit(const QString& m);

// Helpers the number computations share.

// The sum of the digit values of s ("0" to "9"; every other character counts
// nothing), kept by the 16-bit rule above.
int DigitTotal(const QString& s);
// v itself when it has one decimal digit, else its first decimal digit plus
// its last, once, even when that sum has two digits again (19 -> 10).
int FirstPlusLast(int v);

}  // namespace modNumerology

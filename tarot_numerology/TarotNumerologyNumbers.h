#pragma once
#include <QString>
#include <QtGlobal>

// The tarot-numerology mode's own number arithmetic. It follows the
// numerology mode's letter values and reduction, but keeps its own copies so
// that the two modes can never change each other's results: the Life Path
// number here reduces each part of the date only once, and the Destiny number
// counts lower-case letters as their capitals.
namespace TarotNumerologyNumbers {

// The value of a capital letter A to Z (A J S 1 ... I R 9); every other
// character, lower case included, is 0.
int LetterValue(QChar ch);

// Reduces n in place and returns it: 11 and 22 stay; otherwise the digit sum
// of n (a minus sign counts nothing), which stays when it is 11 or 22, and
// otherwise at most two steps of first digit plus last digit.
qint16 ReduceNumber(qint16& n);

// The Life Path number of a date as the form's lists give it: the day's and
// the year's digit sums each reduced once (first digit plus last digit), the
// month's digit from its English name, their total kept when it is 11 or 22
// and otherwise reduced once more. 1 to 9, 11 or 22 for every listed date.
qint16 Life_Path_Number(const QString& day, const QString& month, const QString& year);

// The Destiny number of a name: every letter a to z counts as its capital,
// every other character 0; the total is reduced with ReduceNumber. A letter
// that would carry the total past 32767 is not added. 0 for a name without
// any letter A to Z.
qint16 Destiny_Number(const QString& name);

// Whether a name holds at least one letter A to Z in either case, so that its
// Destiny number is not 0.
bool hasCountedLetter(const QString& name);

}  // namespace TarotNumerologyNumbers

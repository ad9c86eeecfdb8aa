#pragma once
#include <QChar>
#include <QDate>
#include <QString>
#include <QVector>
#include <array>

// The numerology numbers of one reading. Every function takes the reading as
// the input page holds it (the three name boxes' raw texts and the three date
// lists' texts) and today's date, and returns the number together with the
// values its report section and result label show. Nothing here keeps state:
// numbers that rest on others (Maturity, the bridges, Karmic Debt) compute
// those others from the same reading.
//
// Common rules:
// - Names are trimmed of blanks (spaces only) at both ends, except where a
//   number says otherwise (Balance takes each box's first character as typed).
// - The full name is the three trimmed names joined with nothing between.
// - Only the capitals A to Z have letter values; a pasted lower-case name
//   counts nothing. Only "0" to "9" count as digits.
// - Month names are the fixed English names "January" to "December".
// - No calendar check: 31 February is computed like any other date.
// - A day or year text that is not a whole number, where a number needs it
//   as a number, counts as 0 (an age then counts 0).
// - Names of any length are handled in full (each box up to 32,767
//   characters is the designed range). Letter totals keep the 16-bit rule of
//   the arithmetic (see modNumerology.h); counts, percentages and other sums
//   are wide and exact.
// - A number that has no interpretation row (0, 9 for the bridges, 11 and 22
//   for the personal numbers, ...) is returned as it is; the text tables
//   decide what such a value shows.
// - today: only its year, month and day enter; an invalid date counts as
//   year, month and day 0.
namespace numerology {

// One reading, exactly as the input page holds it.
struct NumerologyReading {
  QString firstName;   // raw text of txtFirstName (not trimmed)
  QString middleName;  // raw text of txtMiddleName (may be empty)
  QString lastName;    // raw text of txtLastName
  QString day;         // text of cboDate, "1" to "31"
  QString month;       // text of cboMonth, "January" to "December"
  QString year;        // text of cboYear, "1900" to "2050"
};

// ---- Birth-date numbers ------------------------------------------------

struct LifePathResult {
  int dayPart = 0;     // digit sum of the day, reduced once (29 -> 11 -> 2)
  int monthDigit = 0;  // by the month's name only; 0 for any other text
  int yearPart = 0;    // digit sum of the year, reduced once (1999 -> 28 -> 10)
  int karmicSum = 0;   // dayPart + monthDigit + yearPart (LifePathKarmicSum)
  int number = 0;      // LifePathNum: 1..9, 11 or 22
};
LifePathResult lifePath(const NumerologyReading& r, const QDate& today);

struct BirthdayResult {
  QString label;  // lblBirthDay: the day text trimmed
  int number = 0; // BirthDayNum: the trimmed day text as a number, 1..31
};
BirthdayResult birthday(const NumerologyReading& r, const QDate& today);

struct MaturityResult {
  // True when Life Path or Destiny is 0 (a name without any capital letter
  // gives Destiny 0): the section is refused and no number is shown.
  bool refused = false;
  int lifePath = 0;  // the Life Path number it rests on
  int destiny = 0;   // the Destiny number it rests on
  QString digits;    // Life Path then Destiny in decimal, joined ("227")
  int number = 0;    // the digits' total reduced once: 1..9 or 11
};
MaturityResult maturity(const NumerologyReading& r, const QDate& today);
// The same from two numbers a caller already holds.
MaturityResult maturityFrom(int lifePathNum, int destinyNum);

// ---- Name numbers -----------------------------------------------------

// Destiny, Soul Urge and Inner Dreams: the unreduced total and the number.
struct NameNumberResult {
  int total = 0;   // DestinyTotal / SoulUrgeTotal / InnerDreamsTotal
  int number = 0;  // 0..9, 11 or 22
};
// Every letter of the three names.
NameNumberResult destiny(const NumerologyReading& r, const QDate& today);
// The vowels A E I O U; when the name has none of them, every Y (7).
NameNumberResult soulUrge(const NumerologyReading& r, const QDate& today);
// The consonants, Y always among them.
NameNumberResult innerDreams(const NumerologyReading& r, const QDate& today);

struct HiddenPassionResult {
  QChar letter;    // the letter that occurs most often; null when none
  int count = 0;   // how often it occurs
  int number = 0;  // its letter value, 1..9; 0 when the name has no letter
};
// Only characters with a letter value take part; of letters that share the
// highest count, the one that appears first in the full name wins.
HiddenPassionResult hiddenPassion(const NumerologyReading& r, const QDate& today);

struct KarmicLessonsResult {
  QVector<int> missing;  // the letter values 1..9 absent from the name, ascending
  QString list;          // lblKarmicLessonsNumber: " 2 3 8" (a blank before each)
};
KarmicLessonsResult karmicLessons(const NumerologyReading& r, const QDate& today);

struct SubconsciousSelfResult {
  int number = 0;       // how many of the values 1..9 occur in the name
  bool valid() const { return number >= 3; }  // 0..2 have no reading
};
SubconsciousSelfResult subconsciousSelf(const NumerologyReading& r, const QDate& today);

struct BalanceResult {
  // Letter values of the first character of each box as typed (a leading
  // blank, an empty box or a lower-case letter gives 0): first, middle, last.
  std::array<int, 3> initials{};
  int sum = 0;     // 0..27
  int number = 0;  // the sum's digits reduced: 0..9 (never 11 or 22)
};
BalanceResult balance(const NumerologyReading& r, const QDate& today);

struct RationalThoughtResult {
  int dayValue = 0;        // the trimmed day text reduced (29 -> 11)
  int firstNameValue = 0;  // letter total of the trimmed first name, unreduced
  int number = 0;          // dayValue + firstNameValue reduced: 1..9, 11, 22
};
RationalThoughtResult rationalThought(const NumerologyReading& r, const QDate& today);

struct BridgeResult {
  int from = 0, to = 0;  // the two numbers bridged
  int difference = 0;    // |from - to|
  int number = 0;        // the difference's digits reduced: 0..9
};
// Destiny and Life Path of the reading.
BridgeResult leBridge(const NumerologyReading& r, const QDate& today);
// Soul Urge and Inner Dreams of the reading.
BridgeResult hpBridge(const NumerologyReading& r, const QDate& today);
// The same from two numbers a caller already holds.
BridgeResult bridgeFrom(int from, int to);

// Where a Karmic Debt number was found.
enum class KarmicDebtSource { None, LifePath, Destiny, SoulUrge, InnerDreams, BirthDay };
struct KarmicDebtResult {
  int number = 0;  // 13, 14, 16 or 19; 0 when nothing matched
  KarmicDebtSource source = KarmicDebtSource::None;
};
// Tests the Life Path total, the Destiny, Soul Urge and Inner Dreams totals
// and the birth day, in that order; the last match wins.
KarmicDebtResult karmicDebt(const NumerologyReading& r, const QDate& today);
KarmicDebtResult karmicDebtFrom(int lifePathKarmicSum, int destinyTotal, int soulUrgeTotal,
                                int innerDreamsTotal, int birthDayNum);

// ---- Cycles of life ---------------------------------------------------

struct ChallengesResult {
  int dayValue = 0, monthValue = 0, yearValue = 0;  // each 1..9 for list dates
  std::array<int, 4> challenge{};                   // C1..C4, each 0..8
  QString text;                                     // lblChallenge: "2 2 0 0"
  // "First Challenge Number is 2" .. "Fourth Challenge Number is 0".
  std::array<QString, 4> headings;
};
ChallengesResult challenges(const NumerologyReading& r, const QDate& today);

struct Pinnacle {
  int value = 0;      // 1..9, 11 or 22
  int fromAge = 0;
  int toAge = -1;     // last age of the span; -1 for "& beyond"
  // The heading text, ending in a blank; the value follows it directly:
  // "Second Pinnacle from age 35-43 is ".
  QString heading;
};
struct PinnaclesResult {
  int monthDigit = 0;
  std::array<Pinnacle, 4> pinnacle;  // each span follows from its own value
};
PinnaclesResult pinnacles(const NumerologyReading& r, const QDate& today);

struct LifePathPeriod {
  int number = 0;   // period 1 the month value, 2 the day value, 3 the year value
  int fromAge = 0;
  int toAge = -1;   // last age of the period; -1 for "on"
  // The heading text, ending in a blank; the number follows it directly:
  // "Life Path Period 2 from age 27 - 53 is ".
  QString heading;
};
struct LifePathPeriodsResult {
  int monthValue = 0, dayValue = 0, yearValue = 0;
  int lifePath = 0;  // this section's own Life Path (month + day + year reduced)
  int age = 0;       // today's year minus the birth year (negative when born later)
  int current = 0;   // 1..3, or 0 for a negative age
  std::array<LifePathPeriod, 3> period;
};
LifePathPeriodsResult lifePathPeriods(const NumerologyReading& r, const QDate& today);

struct PersonalYearResult {
  int number = 0;  // 1..9, or 11/22 when today's year brings it
  QString label;   // lblPersonal: "Your Personal Year is: 4"
};
PersonalYearResult personalYear(const NumerologyReading& r, const QDate& today);

struct PersonalNumberResult {
  int number = 0;  // 1..9, 11 or 22
};
PersonalNumberResult personalMonth(const NumerologyReading& r, const QDate& today);
PersonalNumberResult personalDay(const NumerologyReading& r, const QDate& today);

struct EssenceResult {
  int age = 0;  // today's year minus the birth year
  // The letter of each name part (first, middle, last) whose years cover the
  // age, and its value; a null letter and 0 when the part counts none.
  std::array<QChar, 3> transitLetter{};
  std::array<int, 3> transitValue{};
  int number = 0;  // the three values' sum reduced: 0..9, 11 or 22
};
EssenceResult essence(const NumerologyReading& r, const QDate& today);

// ---- Planes of expression ---------------------------------------------

enum Plane { Mental = 0, Physical = 1, Emotional = 2, Intuitive = 3 };
struct PlaneResult {
  int count = 0;    // letters of the full name in this plane
  int percent = 0;  // count * 100 / length of the full name, remainder dropped
  QString rating;   // "Weak", "Average" or "Strong"
};
struct PersonalAspectsResult {
  int length = 0;                     // characters of the full name, all kinds
  std::array<PlaneResult, 4> planes;  // indexed by Plane
  // "Mental", "Physical", "Emotional" or "Intuitive"; empty when two or more
  // planes share the highest percentage.
  QString dominant;
  // lblPersonalAspects: "66 Strong 33 Strong 0 Weak 0 Weak".
  QString label;
  // Four lines "Mental Ability 66 - Strong ", CR LF, ... the last one
  // "Intuitive Ability 0 - Weak" without blank or line end.
  QString planeLines;
};
PersonalAspectsResult personalAspects(const NumerologyReading& r, const QDate& today);

// ---- Everything at once -----------------------------------------------

struct AllNumbers {
  LifePathResult lifePath;
  BirthdayResult birthday;
  MaturityResult maturity;
  NameNumberResult destiny, soulUrge, innerDreams;
  HiddenPassionResult hiddenPassion;
  KarmicLessonsResult karmicLessons;
  SubconsciousSelfResult subconsciousSelf;
  BalanceResult balance;
  RationalThoughtResult rationalThought;
  BridgeResult leBridge, hpBridge;
  KarmicDebtResult karmicDebt;
  ChallengesResult challenges;
  PinnaclesResult pinnacles;
  LifePathPeriodsResult lifePathPeriods;
  PersonalYearResult personalYear;
  PersonalNumberResult personalMonth, personalDay;
  EssenceResult essence;
  PersonalAspectsResult personalAspects;
};
// Every number of one reading, each computed once (the same values the
// single functions give).
AllNumbers computeAll(const NumerologyReading& r, const QDate& today);

}  // namespace numerology

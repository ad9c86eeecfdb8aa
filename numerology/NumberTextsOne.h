#pragma once

#include <QString>
#include <QtGlobal>

// The report texts of the numbers that rest on the birth date and on the
// letters of the name: Life Path, Birthday, Maturity, Destiny, Soul Urge,
// Inner Dreams, Hidden Passion, Karmic Lessons, Subconscious Self, Balance,
// Rational Thought, the two bridges and Karmic Debt.
//
// Each number has a general description (the same for every reader) and an
// interpretation keyed by the number's value. A value without a row gives an
// empty interpretation; no lookup ever reads outside its table.
namespace NumberTextsOne {

enum class Number {
  LifePath,
  Birthday,
  Maturity,
  Destiny,
  SoulUrge,
  InnerDreams,
  HiddenPassion,
  KarmicLessons,
  SubconsciousSelf,
  Balance,
  RationalThought,
  LEBridge,
  HPBridge,
  KarmicDebt,
};

// Line end used between the pieces of a text of several lines.
inline QString lineEnd() { return QStringLiteral("\r\n"); }

// Life Path: rows 1..9, 11, 22.
QString lifePathDescription();
QString lifePathText(int n);

// Birthday: the day of the month, rows 1..31.
QString birthdayDescription();
QString birthdayText(int day);

// Maturity: rows 1..9, 11. A text is a paragraph followed by its one-line
// remarks, each on a line of its own (CR LF between, none after the last).
QString maturityDescription();
QString maturityText(int n);

// Destiny: rows 1..9, 11, 22; two or three paragraphs joined by CR LF, the
// last of which shows the number's weaker side.
QString destinyDescription();
QString destinyText(int n);

// Soul Urge: rows 1..9, 11, 22. Its description is the H/P Bridge's.
QString soulUrgeDescription();
QString soulUrgeText(int n);

// Inner Dreams: rows 1..9, 11, 22.
QString innerDreamsDescription();
QString innerDreamsText(int n);

// Hidden Passion: rows 1..9.
QString hiddenPassionDescription();
QString hiddenPassionText(int n);

// Karmic Lessons: the lesson of one missing value, rows 1..9 (one line each).
QString karmicLessonsDescription();
QString karmicLessonsText(int missingValue);

// Subconscious Self: rows 3..9; the counts 0, 1 and 2 share one short text.
QString subconsciousSelfDescription();
QString subconsciousSelfText(int count);

// Balance: rows 1..9.
QString balanceDescription();
QString balanceText(int n);

// Rational Thought: rows 1..9, 11, 22.
QString rationalThoughtDescription();
QString rationalThoughtText(int n);

// L/E Bridge: rows 0..8; rows 6, 7, 8 are the H/P Bridge's own paragraphs.
QString leBridgeDescription();
QString leBridgeText(int n);

// H/P Bridge: rows 0..8.
QString hpBridgeDescription();
QString hpBridgeText(int n);

// Karmic Debt: rows 13, 14, 16, 19; every other value reads "Not Applicable".
QString karmicDebtDescription();
QString karmicDebtText(int n);

// The same lookups by number.
QString description(Number number);
QString text(Number number, int key);

// The words each text opens with, as the report must show them (spelling and
// punctuation kept, a leading blank where the text starts with one). `key` is
// `DescriptionKey` for the general description, else the row's value;
// `paragraph` counts the CR LF separated pieces of the text from 0.
constexpr int DescriptionKey = -1;

struct Opening {
  Number number;
  int key;
  int paragraph;
  const char* words;
};

// The whole list, and its length.
const Opening* openings();
int openingCount();

}  // namespace NumberTextsOne

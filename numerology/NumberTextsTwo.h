#pragma once
#include <QString>
#include <QVector>

// The texts of the numerology sections that work with cycles and planes:
// Challenges, Pinnacles, Life Path periods, Personal year, month and day,
// Essence and the planes of expression (personal aspects).
//
// Every number keeps its texts in one place as data, keyed by value. A
// lookup for a value without a row gives an empty QString; no lookup ever
// reads outside its table. Captions, heading lines and sub-headings are the
// fixed texts the sections print; the handlers add the numbers after them.
namespace NumberTextsTwo {

// ---- Challenges (keys 0 to 8, shared by the four challenges) ----
QString challengeTitle();                       // "Challenge Number"
QString challengeFirstLine();                   // "Your Challenge Numbers are: "
QString challengeDescription();
QString challengeText(int key);
// "First Challenge Number is 0" .. "Fourth Challenge Number is 8";
// challenge 1 to 4, key 0 to 8.
QString challengeHeading(int challenge, int key);

// ---- Pinnacles (keys 1 to 9, 11, 22, shared by the four pinnacles) ----
QString pinnacleTitle();                        // "Pinnacle Phases"
QString pinnacleDescription();
QString pinnacleText(int key);
// Row 3 as the third pinnacle prints it: without the blank after
// "creatively.".
QString pinnacleThirdRowThree();
// The paragraph of pinnacle 1 to 4 for a value: the row itself, except that
// the third pinnacle prints row 3 in its own form and follows row 1 with
// one more CR LF.
QString pinnacleParagraph(int pinnacle, int key);
// The heading before a pinnacle's value, naming its age span, for pinnacle
// 1 to 4 and value 1 to 9, 11, 22 ("First Pinnacle from age 0-31 years is ").
QString pinnacleHeadingText(int pinnacle, int key);

// ---- Life Path periods ----
QString periodsTitle();                         // "LifePath Periods"
QString periodsHeading();      // "Your Current LifePath Period Number is: "
QString periodsDescription();
// The paragraph of the section's Life Path value (1 to 9, 11, 22).
QString periodsText(int lifePath);
// The fixed paragraph under the heading of period 1, 2 or 3.
QString periodDescription(int period);
// The heading before a period's number, for period 1 to 3 and Life Path
// value 1 to 9, 11, 22 ("Life Path Period 2 from age 27 - 53 is ").
QString periodHeadingText(int period, int lifePath);

// ---- Personal year, month and day (keys 1 to 9; 11 and 22 have no row) ----
QString personalYearTitle();                    // "Personal Year"
QString personalYearHeading();                  // "Your Personal Year is: "
QString personalYearDescription();
QString personalYearText(int key);
QString personalMonthTitle();                   // "Personal Month"
QString personalMonthHeading();         // "Your Personal Month Number is: "
QString personalMonthDescription();
QString personalMonthText(int key);
QString personalDayTitle();                     // "Personal Day"
QString personalDayHeading();                   // "Your Personal Day is:"
QString personalDayDescription();
QString personalDayText(int key);

// ---- Essence (keys 1 to 9, 11, 22; 0 has no row) ----
QString essenceTitle();                         // "Essence"
QString essenceHeading();                       // "Your Essence Number is: "
QString essenceDescription();
QString essenceText(int key);

// ---- Planes of expression / personal aspects ----
// The four plane blocks in the order the section prints them.
enum PlaneBlock { PhysicalPlane = 1, MentalPlane, EmotionalPlane, IntuitivePlane };
QString personalAspectsTitle();                 // "Personal Aspects"
QString personalAspectsDominantLine();  // "Your Planes of Expression is towards "
QString personalAspectsListLine();              // "Your Personal Aspects: "
QString personalAspectsDescription();
QString planeHeading(int block);
QString planeText(int block);

// ---- One view over every text, for checks that go through them all ----
// Number ids of textFor() and openingWords().
inline const char* const Challenge = "Challenge";
inline const char* const Pinnacle = "Pinnacle";
inline const char* const PinnacleThird = "PinnacleThird";  // key 3 only
inline const char* const LifePathPeriods = "LifePathPeriods";
inline const char* const PeriodDescription = "PeriodDescription";  // keys 1-3
inline const char* const PersonalYear = "PersonalYear";
inline const char* const PersonalMonth = "PersonalMonth";
inline const char* const PersonalDay = "PersonalDay";
inline const char* const Essence = "Essence";
inline const char* const Plane = "Plane";  // keys are PlaneBlock values
// The key of a number's general description.
constexpr int GeneralDescription = -1;

// The text of a number id and key (GeneralDescription for the general
// description); empty for an unknown id or a key without a row.
QString textFor(const QString& number, int key);

// Every text with the words it must open with, as the section tables give
// them (spelling, punctuation and blanks exactly as printed).
struct OpeningWords {
  QString number;
  int key;
  QString words;
};
const QVector<OpeningWords>& openingWords();

}  // namespace NumberTextsTwo

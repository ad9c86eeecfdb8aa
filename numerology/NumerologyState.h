#pragma once
#include <QString>
#include <QStringList>

// The numerology reading as the input page hands it on: the three names
// (trimmed of blanks) and the three texts of the birth-date lists.
struct CurrentReading {
  QString ReadingFirstName;
  QString ReadingMiddleName;
  QString ReadingLastName;
  QString ReadingBirthMonth;  // "January" .. "December"
  QString ReadingBirthDate;   // "1" .. "31"
  QString ReadingBirthYear;   // "1900" .. "2050"

  bool operator==(const CurrentReading& o) const;
  bool operator!=(const CurrentReading& o) const { return !(*this == o); }
};

// The entries of the input page's three birth-date lists, in list order.
namespace numerology {
const QStringList& monthEntries();  // "January" .. "December"
const QStringList& dayEntries();    // "1" .. "31"
const QStringList& yearEntries();   // "1900" .. "2050"
}  // namespace numerology

// The numbers the chooser keeps between its handlers, because one number
// feeds another (Maturity, the bridges, Karmic Debt). They outlive the
// chooser window, which is destroyed when it unloads.
struct ChooserState {
  bool ComprehensiveMode = false;
  int LifePathNum = 0;
  int DestinyNum = 0;
  int SoulUrgeNum = 0;
  int InnerDreamsNum = 0;
  int BirthDayNum = 0;
  int LifePathKarmicSum = 0;
  int DestinyTotal = 0;
  int SoulUrgeTotal = 0;
  int InnerDreamsTotal = 0;
  int HiddenPassionNum = 0;
};

// The numerology mode's state for the whole run: the current reading (what
// Save writes) and the chooser's numbers. Changes go through the operations.
class NumerologyState {
 public:
  const CurrentReading& reading() const { return reading_; }
  const ChooserState& chooser() const { return chooser_; }

  // A checked reading becomes the current one ("&Next", also after opening
  // a file). The chooser's numbers start afresh, so nothing computed for an
  // earlier person reaches this one's dependent numbers.
  void beginReading(const CurrentReading& r);

  // The comprehensive reading runs between these two.
  void beginComprehensive() { chooser_.ComprehensiveMode = true; }
  void endComprehensive() { chooser_.ComprehensiveMode = false; }
  bool comprehensive() const { return chooser_.ComprehensiveMode; }

  // What the number handlers leave for the numbers that depend on theirs.
  void recordLifePath(int number, int karmicSum);
  void recordBirthDay(int day);
  void recordDestiny(int total, int number);
  void recordSoulUrge(int total, int number);
  void recordInnerDreams(int total, int number);
  void recordHiddenPassion(int number);

 private:
  CurrentReading reading_;
  ChooserState chooser_;
};

// The one numerology state of the program.
NumerologyState& numerologyState();

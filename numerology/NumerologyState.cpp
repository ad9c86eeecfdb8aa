#include "numerology/NumerologyState.h"

#include "platform/ProgramState.h"

bool CurrentReading::operator==(const CurrentReading& o) const {
  return ReadingFirstName == o.ReadingFirstName && ReadingMiddleName == o.ReadingMiddleName &&
         ReadingLastName == o.ReadingLastName && ReadingBirthMonth == o.ReadingBirthMonth &&
         ReadingBirthDate == o.ReadingBirthDate && ReadingBirthYear == o.ReadingBirthYear;
}

namespace numerology {

const QStringList& monthEntries() {
  static const QStringList months = {
      QStringLiteral("January"), QStringLiteral("February"), QStringLiteral("March"),
      QStringLiteral("April"),   QStringLiteral("May"),      QStringLiteral("June"),
      QStringLiteral("July"),    QStringLiteral("August"),   QStringLiteral("September"),
      QStringLiteral("October"), QStringLiteral("November"), QStringLiteral("December")};
  return months;
}

const QStringList& dayEntries() {
  static const QStringList days = [] {
    QStringList l;
    for (int d = 1; d <= 31; ++d) l << QString::number(d);
    return l;
  }();
  return days;
}

const QStringList& yearEntries() {
  static const QStringList years = [] {
    QStringList l;
    for (int y = 1900; y <= 2050; ++y) l << QString::number(y);
    return l;
  }();
  return years;
}

}  // namespace numerology

void NumerologyState::beginReading(const CurrentReading& r) {
  reading_ = r;
  chooser_ = ChooserState();
}

void NumerologyState::recordLifePath(int number, int karmicSum) {
  chooser_.LifePathNum = number;
  chooser_.LifePathKarmicSum = karmicSum;
}

void NumerologyState::recordBirthDay(int day) { chooser_.BirthDayNum = day; }

void NumerologyState::recordDestiny(int total, int number) {
  chooser_.DestinyTotal = total;
  chooser_.DestinyNum = number;
}

void NumerologyState::recordSoulUrge(int total, int number) {
  chooser_.SoulUrgeTotal = total;
  chooser_.SoulUrgeNum = number;
}

void NumerologyState::recordInnerDreams(int total, int number) {
  chooser_.InnerDreamsTotal = total;
  chooser_.InnerDreamsNum = number;
}

void NumerologyState::recordHiddenPassion(int number) { chooser_.HiddenPassionNum = number; }

NumerologyState& numerologyState() {
  static NumerologyState s;
  static const bool registered =
      platform::registerStateReset([] { numerologyState() = NumerologyState(); });
  (void)registered;
  return s;
}

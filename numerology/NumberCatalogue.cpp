#include "numerology/NumberCatalogue.h"

#include "numerology/NumberEntriesTwo.h"
#include "numerology/NumerologyState.h"
#include "platform/VbString.h"
#include "shell/Site.h"

namespace numerology {
namespace {

const QString kCrLf = QStringLiteral("\r\n");

// --- Arithmetic of the two date and name numbers -------------------------

int digitSum(const QString& s) {
  int t = 0;
  for (QChar c : s)
    if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) t += c.unicode() - '0';
  return t;
}

int firstDigit(int v) {
  while (v >= 10) v /= 10;
  return v;
}

// A value of two or more digits becomes its first plus its last digit, once.
int oneStep(int v) { return v < 10 ? v : firstDigit(v) + v % 10; }

int letterValue(QChar c) {
  static const char* const groups[] = {"AJS", "BKT", "CLU", "DMV", "ENW", "FOX", "GPY", "HQZ", "IR"};
  for (int v = 1; v <= 9; ++v)
    for (const char* p = groups[v - 1]; *p; ++p)
      if (c == QLatin1Char(*p)) return v;
  return 0;
}

int reduceTotal(int t) {
  if (t == 11 || t == 22) return t;
  const int u = oneStep(t);
  return u < 10 ? u : firstDigit(u) + u % 10;
}

int reduceNumber(int n) {
  if (n == 11 || n == 22) return n;
  return reduceTotal(digitSum(QString::number(n)));
}

int monthDigit(const QString& m) {
  static const int digits[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 1, 2, 3};
  const int i = monthEntries().indexOf(m);
  return i < 0 ? 0 : digits[i];
}

NumberResult computeLifePath(const NumberInput& in, NumerologyState& state,
                             const std::function<QString(int)>& text) {
  const int total = oneStep(digitSum(in.day)) + monthDigit(in.month) + oneStep(digitSum(in.year));
  const int number = (total == 11 || total == 22) ? total : oneStep(digitSum(QString::number(total)));
  state.recordLifePath(number, total);
  NumberResult r;
  r.number = number;
  r.labelCaption = QString::number(number);
  r.interpretation = text(number);
  return r;
}

NumberResult computeDestiny(const NumberInput& in, NumerologyState& state,
                            const std::function<QString(int)>& text) {
  int total = 0;
  for (const QString& name : {in.firstName, in.middleName, in.lastName})
    for (QChar c : platform::vb::Trim(name)) {
      const int v = letterValue(c);
      if (total + v <= 32767) total += v;  // a 16-bit total skips what would overflow it
    }
  const int number = reduceNumber(total);
  state.recordDestiny(total, number);
  NumberResult r;
  r.number = number;
  r.labelCaption = QString::number(number);
  r.interpretation = text(number);
  return r;
}

// --- Texts -----------------------------------------------------------------

QString lifePathDescription() {
  return QStringLiteral(
      "This is one of the most important numbers. It is drawn from the day you were born and "
      "shows the road your life is likely to take. It speaks of the lessons you came to learn "
      "and the gifts you carry with you. Every other number of your reading is best read in its "
      "light.");
}

QString lifePathText(int n) {
  switch (n) {
    case 1: return QStringLiteral("Your main purpose should be attaining independency.");
    case 2: return QStringLiteral("Usually you are creative and follow certain protocols.");
    case 3: return QStringLiteral("You are entertainers, optimists and very creative.");
    case 4: return QStringLiteral("The Life Path 4 produces the most reliable, practical,");
    case 5: return QStringLiteral("Generally people with 5 are very multitalented, bold, and progressive.");
    case 6: return QStringLiteral("The Life Path 6 indicates that you have a strong sense");
    case 7: return QStringLiteral("You tend to be calm and affectionate by nature.");
    case 8: return QStringLiteral("You are very materialistic and are focused on learning");
    case 9: return QStringLiteral("People with number 9 are generous, loving and have");
    case 11: return QStringLiteral("This is a master number and is associated with spiritual awareness.");
    case 22: return QStringLiteral("The number 22 is the most powerful of all the");
    default: return QString();
  }
}

QString destinyDescription() {
  return QStringLiteral(
      "This number describes your vibration in the world and the tasks you are here to take "
      "on. It is drawn from every letter of your full name and tells of the talents you can "
      "turn into achievements.");
}

QString destinyText(int n) {
  switch (n) {
    case 1: return QStringLiteral("This tells you are a leader.");
    case 2: return QStringLiteral("This number gives you good people managing skills.");
    case 3: return QStringLiteral("This number indicates a strong creativity in your nature.");
    case 4: return QStringLiteral("You will have good management and organizational skills.");
    case 5: return QStringLiteral("You are gifted with multiple talents.");
    case 6: return QStringLiteral("Your goal of life is to have the right balance of love");
    case 7: return QStringLiteral("You will be interested in analysis and the development of a mind");
    case 8: return QStringLiteral("You need to achieve material and financial comfort above all things.");
    case 9: return QStringLiteral("Your prime focus will be in activities of compassion,");
    case 11: return QStringLiteral("The Number Eleven is a highly charged number.");
    case 22: return QStringLiteral("The Number 22 is a constructive and creative figure.");
    default: return QString();
  }
}

// --- The catalogue ---------------------------------------------------------

NumberEntry make(NumberId id, const char* button, const char* caption, const char* label,
                 const char* labelCaption, const char* title, const char* heading) {
  NumberEntry e;
  e.id = id;
  e.button = QLatin1String(button);
  e.caption = QLatin1String(caption);
  e.label = QLatin1String(label);
  e.labelCaption = QLatin1String(labelCaption);
  e.title = QLatin1String(title);
  e.heading = QLatin1String(heading);
  e.description = [] { return QString(); };
  return e;
}

std::vector<NumberEntry> build() {
  std::vector<NumberEntry> c;
  using N = NumberId;
  NumberEntry lifePath = make(N::LifePath, "cmdLifePath", "LifePath Number", "lblLifePath",
                              "LifePath Number", "LifePath Number", "Your LifePath Number is: ");
  lifePath.description = lifePathDescription;
  lifePath.compute = [](const NumberInput& in, NumerologyState& s) {
    return computeLifePath(in, s, lifePathText);
  };
  lifePath.twoLineEndsAfterHeading = true;
  c.push_back(lifePath);
  c.push_back(make(N::BirthDay, "cmdBirthDay", "Birthday Number", "lblBirthDay", "BirthDay Number",
                   "BirthDay Number", "Your BirthDay Number is: "));
  c.push_back(make(N::Maturity, "cmdMaturityNumber", "Realization or Maturity Number", "lblMaturity",
                   "Maturity Number", "Maturity Number", "Your Maturity Number is: "));
  NumberEntry destiny = make(N::Destiny, "cmdDestiny", "Destiny or Expressions Number", "lblDestiny",
                             "Destiny Number", "Destiny / Expression Number",
                             "Your Destiny Number is: ");
  destiny.description = destinyDescription;
  destiny.compute = [](const NumberInput& in, NumerologyState& s) {
    return computeDestiny(in, s, destinyText);
  };
  c.push_back(destiny);
  c.push_back(make(N::SoulUrge, "cmdSoulUrge", "Soul Urge or Heart's Desire Number", "lblSoulUrge",
                   "Soul Urge Number", "Soul Urge Number", "Your Soul Urge Number is:"));
  c.push_back(make(N::InnerDreams, "cmdInnerDreams", "Inner Dreams or Personality Number",
                   "lblInnerDreams", "Inner Dreams", "Inner Dream Number",
                   "Your InnerDream Number is: "));
  c.push_back(make(N::HiddenPassion, "cmdHiddenPassionNumber", "Hidden Passion Number",
                   "lblHiddenPassionNumber", "Hidden Passion Number", "", ""));
  c.push_back(make(N::KarmicLessons, "cmdKarmicLessonsNumber", "Karmic Lessons Number",
                   "lblKarmicLessonsNumber", "Karmic Lessons Number", "", ""));
  c.push_back(make(N::SubconsciousSelf, "cmdSubconsciousSelfNumber", "Subconscious Self Number",
                   "lblSubconsciousSelfNumber", "Subconscious Self Number", "", ""));
  c.push_back(make(N::Balance, "cmdBalanceNumber", "Balance Number", "lblBalanceNumber",
                   "Balanc Number", "", ""));
  c.push_back(make(N::RationalThought, "cmdRationalThoughtNumber", "Rational Thought Number",
                   "lblRationalThoughtNumber", "Rational Thought Number", "", ""));
  c.push_back(make(N::LEBridge, "cmdLEBidgeNumber", "L/E Bridge Number", "lblLEBridgeNumber", "L/E",
                   "", ""));
  c.push_back(make(N::HPBridge, "cmdHPBridgeNumber", "H/P Bridge Number", "lblHPBridgeNumber", "H/P",
                   "", ""));
  c.push_back(make(N::KarmicDebt, "cmdKarmicDebtNumbers", "Karmic Debt Numbers",
                   "lblKarmicDebtNumbers", "Karmic Debt Numbers", "", ""));
  // The Marriage Vibration button does nothing: it has no computation.
  c.push_back(make(N::MarriageVibration, "cmdMarriageVibrationNumber", "Marriage Vibration Number",
                   "", "", "", ""));
  c.push_back(make(N::Challenge, "cmdChallenge(1)", "Challenge Number", "lblChallenge",
                   "Challenge Number", "", ""));
  c.push_back(make(N::PinnaclePhases, "cmdPinnaclePhases", "Pinnacle Phases", "", "", "", ""));
  c.push_back(make(N::LifePathPeriods, "cmdLifePathPeriods", "Life Path Periods", "", "", "", ""));
  c.push_back(make(N::PersonalYear, "cmdPersonal", "Personal Year", "lblPersonal", "Personal Year",
                   "", ""));
  c.push_back(make(N::PersonalMonth, "cmdPersonalMonth", "Personal Month", "", "", "", ""));
  c.push_back(make(N::PersonalDay, "cmdPersonalDay", "Personal Day", "", "", "", ""));
  c.push_back(make(N::Essence, "cmdEssence", "Essence", "", "", "", ""));
  c.push_back(make(N::PersonalAspects, "cmdPersonalAspects", "Planes of Expression or Personal Aspects",
                   "lblPersonalAspects", "Personal Aspects", "", ""));
  completeEntriesTwo(c);
  return c;
}

}  // namespace

const std::vector<NumberEntry>& catalogue() {
  static const std::vector<NumberEntry> c = build();
  return c;
}

const NumberEntry& entry(NumberId id) {
  for (const NumberEntry& e : catalogue())
    if (e.id == id) return e;
  return catalogue().front();  // every id has an entry
}

const std::vector<NumberId>& comprehensiveOrder() {
  using N = NumberId;
  static const std::vector<NumberId> order = {
      N::LifePath,        N::Destiny,       N::SoulUrge,        N::InnerDreams,   N::BirthDay,
      N::Challenge,       N::PersonalYear,  N::PersonalDay,     N::PersonalMonth, N::LifePathPeriods,
      N::Maturity,        N::Essence,       N::PersonalAspects, N::PinnaclePhases, N::HiddenPassion,
      N::KarmicLessons,   N::Balance,       N::KarmicDebt,      N::SubconsciousSelf, N::LEBridge,
      N::HPBridge,        N::RationalThought};
  return order;
}

QString reportGeneratedByLine() {
  return QStringLiteral("Report Generated By ") + shell::siteBase() + kCrLf + kCrLf + kCrLf + kCrLf;
}

ReportPieces commonLayout(const NumberEntry& e, const NumberResult& r, bool comprehensive) {
  const QString headingEnd = (comprehensive && !e.twoLineEndsAfterHeading) ? kCrLf : kCrLf + kCrLf;
  const QString description = e.description ? e.description() : QString();
  return {
      {e.heading + QString::number(r.number) + headingEnd, true, kCyan},
      {description + kCrLf + kCrLf, true, kCyan},
      {r.interpretation + kCrLf + kCrLf, true, kCyan},
      {reportGeneratedByLine(), true, kCyan},
  };
}

ReportPieces sectionPieces(const NumberEntry& e, const NumberResult& r, bool comprehensive) {
  return e.layout ? e.layout(e, r, comprehensive) : commonLayout(e, r, comprehensive);
}

}  // namespace numerology

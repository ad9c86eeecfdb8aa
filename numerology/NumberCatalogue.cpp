#include "numerology/NumberCatalogue.h"

#include "numerology/NumberEntriesOne.h"
#include "numerology/NumberEntriesTwo.h"
#include "numerology/NumerologyState.h"
#include "shell/Site.h"

namespace numerology {
namespace {

const QString kCrLf = QStringLiteral("\r\n");

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
  c.push_back(make(N::LifePath, "cmdLifePath", "LifePath Number", "lblLifePath",
                   "LifePath Number", "LifePath Number", "Your LifePath Number is: "));
  c.push_back(make(N::BirthDay, "cmdBirthDay", "Birthday Number", "lblBirthDay", "BirthDay Number",
                   "BirthDay Number", "Your BirthDay Number is: "));
  c.push_back(make(N::Maturity, "cmdMaturityNumber", "Realization or Maturity Number", "lblMaturity",
                   "Maturity Number", "Maturity Number", "Your Maturity Number is: "));
  c.push_back(make(N::Destiny, "cmdDestiny", "Destiny or Expressions Number", "lblDestiny",
                   "Destiny Number", "Destiny / Expression Number", "Your Destiny Number is: "));
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
  completeEntriesOne(c);
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

#include "numerology/NumberEntriesTwo.h"

#include "numerology/NumberTextsTwo.h"
#include "numerology/NumerologyEngine.h"
#include "numerology/NumerologyState.h"

namespace numerology {
namespace {

const QString kCrLf = QStringLiteral("\r\n");
const QString kTwoLineEnds = kCrLf + kCrLf;

// The engine's view of the reading the input page holds.
NumerologyReading readingOf(const NumberInput& in) {
  NumerologyReading r;
  r.firstName = in.firstName;
  r.middleName = in.middleName;
  r.lastName = in.lastName;
  r.day = in.day;
  r.month = in.month;
  r.year = in.year;
  return r;
}

// --- Computations ----------------------------------------------------------
//
// Sections with sub-headings (Challenges, Pinnacles, Life Path periods) keep
// them in NumberResult::texts as pairs: a sub-heading line (the number
// already after it), then its paragraph.

NumberResult challengeNumbers(const NumberInput& in, NumerologyState&) {
  const ChallengesResult c = challenges(readingOf(in), in.today);
  NumberResult r;
  r.labelCaption = c.text;  // the four challenges, also on the first line
  for (int k = 0; k < 4; ++k) {
    r.values << c.challenge[k];
    r.texts << c.headings[k] << NumberTextsTwo::challengeText(c.challenge[k]);
  }
  return r;
}

NumberResult pinnaclePhases(const NumberInput& in, NumerologyState&) {
  const PinnaclesResult p = pinnacles(readingOf(in), in.today);
  NumberResult r;  // no result label
  for (int k = 0; k < 4; ++k) {
    const int v = p.pinnacle[k].value;
    r.values << v;
    r.texts << p.pinnacle[k].heading + QString::number(v)
            << NumberTextsTwo::pinnacleParagraph(k + 1, v);
  }
  return r;
}

NumberResult lifePathPeriodNumbers(const NumberInput& in, NumerologyState&) {
  const LifePathPeriodsResult p = numerology::lifePathPeriods(readingOf(in), in.today);
  NumberResult r;  // no result label
  r.number = p.current;
  r.interpretation = NumberTextsTwo::periodsText(p.lifePath);
  for (int k = 0; k < 3; ++k) {
    r.values << p.period[k].number;
    r.texts << p.period[k].heading + QString::number(p.period[k].number)
            << NumberTextsTwo::periodDescription(k + 1);
  }
  return r;
}

NumberResult personalYearNumber(const NumberInput& in, NumerologyState&) {
  const PersonalYearResult y = personalYear(readingOf(in), in.today);
  NumberResult r;
  r.number = y.number;
  r.labelCaption = y.label;  // "Your Personal Year is: " and the number
  r.interpretation = NumberTextsTwo::personalYearText(y.number);
  return r;
}

NumberResult personalMonthNumber(const NumberInput& in, NumerologyState&) {
  NumberResult r;
  r.number = personalMonth(readingOf(in), in.today).number;
  r.interpretation = NumberTextsTwo::personalMonthText(r.number);
  return r;
}

NumberResult personalDayNumber(const NumberInput& in, NumerologyState&) {
  NumberResult r;
  r.number = personalDay(readingOf(in), in.today).number;
  r.interpretation = NumberTextsTwo::personalDayText(r.number);
  return r;
}

NumberResult essenceNumber(const NumberInput& in, NumerologyState&) {
  NumberResult r;
  r.number = essence(readingOf(in), in.today).number;
  r.interpretation = NumberTextsTwo::essenceText(r.number);  // 0 has no row
  return r;
}

// texts: the dominant plane (empty when planes tie), then the plane lines.
NumberResult planesOfExpression(const NumberInput& in, NumerologyState&) {
  const PersonalAspectsResult a = personalAspects(readingOf(in), in.today);
  NumberResult r;
  r.labelCaption = a.label;
  for (const PlaneResult& p : a.planes) r.values << p.percent;
  r.texts << a.dominant << a.planeLines;
  return r;
}

// --- Layouts ---------------------------------------------------------------

// Sub-heading and paragraph pairs: each sub-heading bold, each paragraph
// not, both in palette colour 4 and followed by two line ends.
void appendSubSections(ReportPieces& pieces, const QStringList& pairs) {
  for (int i = 0; i + 1 < pairs.size(); i += 2) {
    pieces.push_back({pairs[i] + kTwoLineEnds, true, kRed});
    pieces.push_back({pairs[i + 1] + kTwoLineEnds, false, kRed});
  }
}

// The closing line of the sections with sub-headings: red and not bold.
ReportPiece redClosingLine() { return {reportGeneratedByLine(), false, kRed}; }

// Challenges and Pinnacles: a bold first line followed by two line ends in
// both reports, the description and the paragraphs not bold, a red bold
// sub-heading before each challenge or pinnacle, a red closing line. The
// first line of Challenges carries the four challenges; Pinnacles has none.
ReportPieces cycleLayout(const NumberEntry& e, const NumberResult& r, bool) {
  const QString firstLine =
      e.id == NumberId::Challenge ? e.heading + r.labelCaption : e.heading;
  ReportPieces pieces = {
      {firstLine + kTwoLineEnds, true, kCyan},
      {e.description() + kTwoLineEnds, false, kCyan},
  };
  appendSubSections(pieces, r.texts);
  pieces.push_back(redClosingLine());
  return pieces;
}

// Life Path periods: the current period after the heading (one line end in
// the comprehensive report, two in a single one), the description and the
// Life Path paragraph not bold, then the three periods as red sub-sections.
ReportPieces periodsLayout(const NumberEntry& e, const NumberResult& r, bool comprehensive) {
  ReportPieces pieces = {
      {e.heading + QString::number(r.number) + (comprehensive ? kCrLf : kTwoLineEnds), true,
       kCyan},
      {e.description() + kTwoLineEnds, false, kCyan},
      {r.interpretation + kTwoLineEnds, false, kCyan},
  };
  appendSubSections(pieces, r.texts);
  pieces.push_back(redClosingLine());
  return pieces;
}

// Planes of expression: the dominant plane and the plane lines in both
// reports, the description only in a single one, the four plane blocks
// bold and red, and a red closing line that is not bold.
ReportPieces planesLayout(const NumberEntry& e, const NumberResult& r, bool comprehensive) {
  const QString dominant = r.texts.value(0);
  const QString planeLines = r.texts.value(1);
  ReportPieces pieces = {
      {e.heading + dominant + kTwoLineEnds + NumberTextsTwo::personalAspectsListLine() + kCrLf +
           planeLines + kTwoLineEnds,
       true, kCyan},
  };
  if (!comprehensive) pieces.push_back({e.description() + kTwoLineEnds, true, kCyan});
  using B = NumberTextsTwo::PlaneBlock;
  for (int block : {B::PhysicalPlane, B::MentalPlane, B::EmotionalPlane, B::IntuitivePlane})
    pieces.push_back({NumberTextsTwo::planeHeading(block) + kCrLf +
                          NumberTextsTwo::planeText(block) + kTwoLineEnds,
                      true, kRed});
  pieces.push_back(redClosingLine());
  return pieces;
}

// --- The entries -----------------------------------------------------------

struct EntryTexts {
  NumberId id;
  QString (*title)();
  QString (*heading)();
  QString (*description)();
  NumberResult (*compute)(const NumberInput&, NumerologyState&);
  LayoutFn layout;  // empty: the common layout
  bool twoLineEndsAfterHeading;
};

// The caption of the single-number window over a Pinnacles section ends in
// a line end of its own.
QString pinnacleWindowTitle() { return NumberTextsTwo::pinnacleTitle() + kCrLf; }

const std::vector<EntryTexts>& entryTexts() {
  namespace T = NumberTextsTwo;
  static const std::vector<EntryTexts> entries = {
      {NumberId::Challenge, T::challengeTitle, T::challengeFirstLine, T::challengeDescription,
       challengeNumbers, cycleLayout, true},
      {NumberId::PinnaclePhases, pinnacleWindowTitle, T::pinnacleTitle, T::pinnacleDescription,
       pinnaclePhases, cycleLayout, true},
      {NumberId::LifePathPeriods, T::periodsTitle, T::periodsHeading, T::periodsDescription,
       lifePathPeriodNumbers, periodsLayout, false},
      {NumberId::PersonalYear, T::personalYearTitle, T::personalYearHeading,
       T::personalYearDescription, personalYearNumber, nullptr, false},
      {NumberId::PersonalMonth, T::personalMonthTitle, T::personalMonthHeading,
       T::personalMonthDescription, personalMonthNumber, nullptr, false},
      {NumberId::PersonalDay, T::personalDayTitle, T::personalDayHeading,
       T::personalDayDescription, personalDayNumber, nullptr, false},
      {NumberId::Essence, T::essenceTitle, T::essenceHeading, T::essenceDescription,
       essenceNumber, nullptr, false},
      {NumberId::PersonalAspects, T::personalAspectsTitle, T::personalAspectsDominantLine,
       T::personalAspectsDescription, planesOfExpression, planesLayout, true},
  };
  return entries;
}

}  // namespace

void completeEntriesTwo(std::vector<NumberEntry>& entries) {
  for (NumberEntry& e : entries) {
    for (const EntryTexts& t : entryTexts()) {
      if (t.id != e.id) continue;
      e.title = t.title();
      e.heading = t.heading();
      e.description = t.description;
      e.compute = t.compute;
      e.layout = t.layout;
      e.twoLineEndsAfterHeading = t.twoLineEndsAfterHeading;
    }
  }
}

}  // namespace numerology

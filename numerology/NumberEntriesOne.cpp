#include "numerology/NumberEntriesOne.h"

#include "numerology/NumberTextsOne.h"
#include "numerology/NumerologyEngine.h"
#include "numerology/NumerologyState.h"

namespace numerology {
namespace {

const QString kCrLf = QStringLiteral("\r\n");

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

// A number shown in decimal, in its label and after its heading.
NumberResult shown(int number, const QString& interpretation) {
  NumberResult r;
  r.number = number;
  r.labelCaption = QString::number(number);
  r.interpretation = interpretation;
  return r;
}

// --- Computations ----------------------------------------------------------

NumberResult lifePathNumber(const NumberInput& in, NumerologyState& state) {
  const LifePathResult lp = lifePath(readingOf(in), in.today);
  state.recordLifePath(lp.number, lp.karmicSum);
  return shown(lp.number, NumberTextsOne::lifePathText(lp.number));
}

NumberResult birthdayNumber(const NumberInput& in, NumerologyState& state) {
  const BirthdayResult b = birthday(readingOf(in), in.today);
  state.recordBirthDay(b.number);
  NumberResult r = shown(b.number, NumberTextsOne::birthdayText(b.number));
  r.labelCaption = b.label;  // the day as the list shows it
  return r;
}

// Maturity rests on the Life Path and Destiny numbers this reading has
// computed so far; while either is missing it refuses and names both.
NumberResult maturityNumber(const NumberInput&, NumerologyState& state) {
  const MaturityResult m = maturityFrom(state.chooser().LifePathNum, state.chooser().DestinyNum);
  if (m.refused) {
    NumberResult r;
    r.refusal = maturityRefusal();  // the label keeps its caption
    return r;
  }
  return shown(m.number, NumberTextsOne::maturityText(m.number));
}

NumberResult destinyNumber(const NumberInput& in, NumerologyState& state) {
  const NameNumberResult d = destiny(readingOf(in), in.today);
  state.recordDestiny(d.total, d.number);
  return shown(d.number, NumberTextsOne::destinyText(d.number));
}

NumberResult soulUrgeNumber(const NumberInput& in, NumerologyState& state) {
  const NameNumberResult s = soulUrge(readingOf(in), in.today);
  state.recordSoulUrge(s.total, s.number);
  return shown(s.number, NumberTextsOne::soulUrgeText(s.number));
}

NumberResult innerDreamsNumber(const NumberInput& in, NumerologyState& state) {
  const NameNumberResult d = innerDreams(readingOf(in), in.today);
  state.recordInnerDreams(d.total, d.number);
  return shown(d.number, NumberTextsOne::innerDreamsText(d.number));
}

NumberResult hiddenPassionNumber(const NumberInput& in, NumerologyState& state) {
  const HiddenPassionResult h = hiddenPassion(readingOf(in), in.today);
  state.recordHiddenPassion(h.number);
  return shown(h.number, NumberTextsOne::hiddenPassionText(h.number));
}

// The missing values stand in the label and after the heading as a list,
// each after one blank; the interpretation gives each value on a line of
// its own with its lesson on the next.
NumberResult karmicLessonsNumber(const NumberInput& in, NumerologyState&) {
  const KarmicLessonsResult k = karmicLessons(readingOf(in), in.today);
  NumberResult r;
  r.number = int(k.missing.size());
  // Not null even when nothing is missing: the label then turns empty.
  r.labelCaption = k.list.isNull() ? QString(QLatin1String("")) : k.list;
  for (int v : k.missing) {
    r.values << v;
    r.interpretation += kCrLf + QString::number(v) + kCrLf + NumberTextsOne::karmicLessonsText(v);
  }
  return r;
}

NumberResult subconsciousSelfNumber(const NumberInput& in, NumerologyState&) {
  const SubconsciousSelfResult s = subconsciousSelf(readingOf(in), in.today);
  return shown(s.number, NumberTextsOne::subconsciousSelfText(s.number));
}

NumberResult balanceNumber(const NumberInput& in, NumerologyState&) {
  const BalanceResult b = balance(readingOf(in), in.today);
  return shown(b.number, NumberTextsOne::balanceText(b.number));
}

NumberResult rationalThoughtNumber(const NumberInput& in, NumerologyState&) {
  const RationalThoughtResult t = rationalThought(readingOf(in), in.today);
  NumberResult r = shown(t.number, NumberTextsOne::rationalThoughtText(t.number));
  r.labelCaption = QString::number(t.number) + QLatin1Char(' ') + r.interpretation;
  return r;
}

NumberResult leBridgeNumber(const NumberInput&, NumerologyState& state) {
  const BridgeResult b = bridgeFrom(state.chooser().DestinyNum, state.chooser().LifePathNum);
  return shown(b.number, NumberTextsOne::leBridgeText(b.number));
}

NumberResult hpBridgeNumber(const NumberInput&, NumerologyState& state) {
  const BridgeResult b = bridgeFrom(state.chooser().SoulUrgeNum, state.chooser().InnerDreamsNum);
  return shown(b.number, NumberTextsOne::hpBridgeText(b.number));
}

NumberResult karmicDebtNumber(const NumberInput&, NumerologyState& state) {
  const ChooserState& c = state.chooser();
  const KarmicDebtResult k = karmicDebtFrom(c.LifePathKarmicSum, c.DestinyTotal, c.SoulUrgeTotal,
                                            c.InnerDreamsTotal, c.BirthDayNum);
  return shown(k.number, NumberTextsOne::karmicDebtText(k.number));
}

// --- Layouts ---------------------------------------------------------------

// Karmic Lessons: the list of missing values after the heading, two line
// ends after the heading in both reports, and one after the description,
// since the interpretation opens with its own.
ReportPieces karmicLessonsLayout(const NumberEntry& e, const NumberResult& r, bool comprehensive) {
  ReportPieces pieces = commonLayout(e, r, comprehensive);
  pieces[0].text = e.heading + r.labelCaption + kCrLf + kCrLf;
  pieces[1].text = e.description() + kCrLf;
  return pieces;
}

// Rational Thought: only the heading line is bold.
ReportPieces rationalThoughtLayout(const NumberEntry& e, const NumberResult& r,
                                   bool comprehensive) {
  ReportPieces pieces = commonLayout(e, r, comprehensive);
  for (std::size_t i = 1; i < pieces.size(); ++i) pieces[i].bold = false;
  return pieces;
}

// --- The entries -----------------------------------------------------------

struct EntryTexts {
  NumberId id;
  const char* title;
  const char* heading;
  QString (*description)();
  NumberResult (*compute)(const NumberInput&, NumerologyState&);
};

const EntryTexts kEntries[] = {
    {NumberId::LifePath, "LifePath Number", "Your LifePath Number is: ",
     NumberTextsOne::lifePathDescription, lifePathNumber},
    {NumberId::BirthDay, "BirthDay Number", "Your BirthDay Number is: ",
     NumberTextsOne::birthdayDescription, birthdayNumber},
    {NumberId::Maturity, "Maturity Number", "Your Maturity Number is: ",
     NumberTextsOne::maturityDescription, maturityNumber},
    {NumberId::Destiny, "Destiny / Expression Number", "Your Destiny Number is: ",
     NumberTextsOne::destinyDescription, destinyNumber},
    {NumberId::SoulUrge, "Soul Urge Number", "Your Soul Urge Number is:",
     NumberTextsOne::soulUrgeDescription, soulUrgeNumber},
    {NumberId::InnerDreams, "Inner Dream Number", "Your InnerDream Number is: ",
     NumberTextsOne::innerDreamsDescription, innerDreamsNumber},
    {NumberId::HiddenPassion, "Hidden Passion Number", "Your Hidden Passion Number is:",
     NumberTextsOne::hiddenPassionDescription, hiddenPassionNumber},
    {NumberId::KarmicLessons, "Karmic Lesson Number", "Your Karmic Lesson Number is: ",
     NumberTextsOne::karmicLessonsDescription, karmicLessonsNumber},
    {NumberId::SubconsciousSelf, "Subconscious Self Number", "Your Subconscious Self Number is: ",
     NumberTextsOne::subconsciousSelfDescription, subconsciousSelfNumber},
    {NumberId::Balance, "Balance Number", "Your Balance Number is: ",
     NumberTextsOne::balanceDescription, balanceNumber},
    {NumberId::RationalThought, "Rational Thought Number", "Your Rational Thought Number is: ",
     NumberTextsOne::rationalThoughtDescription, rationalThoughtNumber},
    {NumberId::LEBridge, "L/E Bridge Number", "Your L/E Bridge Number is: ",
     NumberTextsOne::leBridgeDescription, leBridgeNumber},
    {NumberId::HPBridge, "H/P Bridge Number", "Your H/P Bridge Number is: ",
     NumberTextsOne::hpBridgeDescription, hpBridgeNumber},
    {NumberId::KarmicDebt, "Karmic Debt Numbers", "Karmic Debt Number: ",
     NumberTextsOne::karmicDebtDescription, karmicDebtNumber},
};

}  // namespace

QString maturityRefusal() {
  return QStringLiteral(
             "Your Maturity Number is dependent on your LifePath Number and Destiny Number. ") +
         QStringLiteral("Please calculate these two figures first");
}

void completeEntriesOne(std::vector<NumberEntry>& entries) {
  for (NumberEntry& e : entries) {
    if (e.id == NumberId::MarriageVibration) {
      // The button does nothing: no computation, no section.
      e.compute = nullptr;
      continue;
    }
    for (const EntryTexts& t : kEntries) {
      if (t.id != e.id) continue;
      e.title = QLatin1String(t.title);
      e.heading = QLatin1String(t.heading);
      e.description = t.description;
      e.compute = t.compute;
      e.twoLineEndsAfterHeading = e.id == NumberId::LifePath || e.id == NumberId::KarmicLessons;
      if (e.id == NumberId::KarmicLessons) e.layout = karmicLessonsLayout;
      if (e.id == NumberId::RationalThought) e.layout = rationalThoughtLayout;
    }
  }
}

}  // namespace numerology

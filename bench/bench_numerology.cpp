// Time of every numerology number of one reading, the way the comprehensive
// reading needs them: once all at once, and once through the single
// functions that the number buttons call (each builds the name again).
// Prints the median per reading for an ordinary name and for three name
// boxes of 32,767 characters each, and the median of the costly parts.
//
//   bench_numerology [readings]

#include <QCoreApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "numerology/NumerologyEngine.h"
#include "numerology/modNumerology.h"

namespace {

using namespace numerology;

double medianMs(std::vector<qint64>& ns) {
  std::sort(ns.begin(), ns.end());
  return ns.empty() ? 0.0 : double(ns[ns.size() / 2]) / 1e6;
}

volatile int sink = 0;

double timeEach(int runs, const std::function<int()>& work) {
  std::vector<qint64> ns;
  ns.reserve(std::size_t(runs));
  QElapsedTimer t;
  for (int i = 0; i < runs; ++i) {
    t.start();
    sink = sink + work();
    ns.push_back(t.nsecsElapsed());
  }
  return medianMs(ns);
}

int everyNumberOneByOne(const NumerologyReading& r, const QDate& today) {
  return lifePath(r, today).number + birthday(r, today).number + maturity(r, today).number +
         destiny(r, today).number + soulUrge(r, today).number + innerDreams(r, today).number +
         hiddenPassion(r, today).number + karmicLessons(r, today).list.size() +
         subconsciousSelf(r, today).number + balance(r, today).number +
         rationalThought(r, today).number + leBridge(r, today).number +
         hpBridge(r, today).number + karmicDebt(r, today).number +
         challenges(r, today).text.size() + pinnacles(r, today).pinnacle[0].value +
         lifePathPeriods(r, today).current + personalYear(r, today).number +
         personalMonth(r, today).number + personalDay(r, today).number +
         essence(r, today).number + personalAspects(r, today).length;
}

void report(const char* title, const NumerologyReading& r, const QDate& today, int runs) {
  std::printf("%s\n", title);
  std::printf("  every number at once      %9.4f ms\n",
              timeEach(runs, [&] { return computeAll(r, today).essence.number; }));
  std::printf("  every number one by one   %9.4f ms\n",
              timeEach(runs, [&] { return everyNumberOneByOne(r, today); }));
  std::printf("  parts: Destiny            %9.4f ms\n",
              timeEach(runs, [&] { return destiny(r, today).number; }));
  std::printf("         Karmic Debt        %9.4f ms\n",
              timeEach(runs, [&] { return karmicDebt(r, today).number; }));
  std::printf("         Hidden Passion     %9.4f ms\n",
              timeEach(runs, [&] { return hiddenPassion(r, today).number; }));
  std::printf("         Essence            %9.4f ms\n",
              timeEach(runs, [&] { return essence(r, today).number; }));
  std::printf("         Planes             %9.4f ms\n",
              timeEach(runs, [&] { return personalAspects(r, today).length; }));
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 201;
  const QDate today(2024, 3, 15);

  const NumerologyReading ordinary{QStringLiteral("MARY-ANN"), QStringLiteral("D'ARCY"),
                                   QStringLiteral("LEE"),      QStringLiteral("29"),
                                   QStringLiteral("February"), QStringLiteral("1999")};
  report("ordinary name (goal under 0.1 ms per reading)", ordinary, today, runs * 50);

  // Three full boxes of every capital letter in turn, with blanks and
  // hyphens, so every plane, value and transit walk has work to do.
  QString box;
  box.reserve(32767);
  const QString pattern = QStringLiteral("ABCDEFGHIJ KLMNOPQRS-TUVWXYZ ");
  while (box.size() < 32767) box += pattern;
  box.truncate(32767);
  const NumerologyReading longest{box, box, box, QStringLiteral("29"), QStringLiteral("February"),
                                  QStringLiteral("1900")};
  report("three boxes of 32,767 characters (goal under 50 ms per reading)", longest, today,
         runs);
  return 0;
}

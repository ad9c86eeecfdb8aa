// Time of "Comprehensive Reading" as a person uses it: from the click on the
// chooser's button until the comprehensive report window is shown, with
// every number computed and written. Two readings: an ordinary name, and
// three name boxes of 32,767 characters each (the longest a box takes).
// Prints the median and the slowest run of each. Runs offscreen unless a
// platform is chosen.
//
//   bench_numerology_comprehensive [runs]

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "numerology/KestruneReportWindow.h"
#include "numerology/frmKestrune.h"
#include "numerology/frmKestruneSoftwareMain.h"
#include "platform/App.h"
#include "platform/Forms.h"
#include "platform/Services.h"
#include "shell/frmMDI.h"

namespace {

using platform::Forms;

struct Figures {
  double median = 0;
  double slowest = 0;
};

Figures figures(std::vector<qint64> ns) {
  std::sort(ns.begin(), ns.end());
  if (ns.empty()) return {};
  return {double(ns[ns.size() / 2]) / 1e6, double(ns.back()) / 1e6};
}

// A name of n capitals that runs through the whole alphabet, so that every
// letter value and every plane is met.
QString longName(int n, int shift) {
  QString s(n, QLatin1Char(' '));
  for (int i = 0; i < n; ++i) s[i] = QLatin1Char(char('A' + (i + shift) % 26));
  return s;
}

// Times the click until the report window shows (it is closed at once).
Figures timeClicks(const QString& first, const QString& middle, const QString& last, int runs) {
  frmKestruneSoftwareMain* page = Forms::get<frmKestruneSoftwareMain>();
  page->txtFirstName->setText(first);
  page->txtMiddleName->setText(middle);
  page->txtLastName->setText(last);
  page->cmdNext->click();
  frmKestrune* chooser = Forms::find<frmKestrune>();
  if (!chooser) {
    std::fprintf(stderr, "the chooser did not open\n");
    return {};
  }
  std::vector<qint64> times;
  QElapsedTimer t;
  for (int i = 0; i < runs; ++i) {
    qint64 shownAt = -1;
    QTimer::singleShot(0, [&] {
      if (auto* w = Forms::find<frmKestruneSoftwareSave>(); w && w->isVisible()) {
        shownAt = t.nsecsElapsed();
        w->cmdBack->click();
      }
    });
    t.start();
    chooser->cmdComprehensiveReading->click();
    if (shownAt >= 0) times.push_back(shownAt);
  }
  chooser->cmdBack->click();
  return figures(times);
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  platform::initApplication(app);
  shell::installMdiHost();
  platform::services().msgBox = [](const QString&, int, const QString&) { return int(platform::vbNo); };
  const int runs = argc > 1 ? qMax(1, atoi(argv[1])) : 20;

  frmMDI* mdi = Forms::get<frmMDI>();
  mdi->show();
  mdi->cmdSelectOption[0]->click();

  const Figures ordinary =
      timeClicks(QStringLiteral("JOHN"), QStringLiteral("QUINCY"), QStringLiteral("SMITH"), runs);
  std::printf("\"Comprehensive Reading\", ordinary name: median %.2f ms, slowest %.2f ms (goal 30 ms)\n",
              ordinary.median, ordinary.slowest);
  const Figures longest = timeClicks(longName(32767, 0), longName(32767, 7), longName(32767, 13),
                                     qMax(1, runs / 4));
  std::printf("\"Comprehensive Reading\", three boxes of 32,767 characters: median %.2f ms, "
              "slowest %.2f ms (goal 300 ms)\n",
              longest.median, longest.slowest);
  return 0;
}

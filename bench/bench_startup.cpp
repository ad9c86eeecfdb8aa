// Time from process start to the first paint of the main window, against a
// minimal Qt main window, over interleaved runs of child processes.
//
//   bench_startup [runs]      (default 20 runs of each; offscreen unless
//                              QT_QPA_PLATFORM is set)
#include <QApplication>
#include <QElapsedTimer>
#include <QMainWindow>
#include <QProcess>
#include <QStandardPaths>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "app/Wiring.h"
#include "platform/App.h"
#include "shell/frmMDI.h"

namespace {

// Reports the first paint of a main window and ends the process.
class FirstPaint : public QObject {
 public:
  bool eventFilter(QObject* o, QEvent* e) override {
    if (e->type() == QEvent::Paint) {
      auto* w = qobject_cast<QWidget*>(o);
      if (w && qobject_cast<QMainWindow*>(w->window())) {
        std::printf("painted\n");
        std::fflush(stdout);
        std::_Exit(0);
      }
    }
    return false;
  }
};

int child(int argc, char** argv, bool full) {
  QStandardPaths::setTestModeEnabled(true);  // leave the user's settings alone
  QApplication app(argc, argv);
  FirstPaint probe;
  app.installEventFilter(&probe);
  QMainWindow minimal;
  if (full) {
    QCoreApplication::setApplicationName(QStringLiteral(AURAVANE_PROGRAM_NAME));
    platform::initApplication(app);
    shell::installMdiHost();
    app::wireProgram();
    if (!shell::startProgram()) return 1;
  } else {
    minimal.setWindowTitle("minimal");
    minimal.resize(800, 600);
    minimal.show();
  }
  return app.exec();
}

double runOnce(const QString& self, const QString& mode) {
  QProcess p;
  QElapsedTimer t;
  t.start();
  p.start(self, {mode});
  if (!p.waitForStarted(10000)) return -1;
  QByteArray out;
  while (!out.contains("painted") && p.waitForReadyRead(20000)) out += p.readAllStandardOutput();
  const double ms = t.nsecsElapsed() / 1e6;
  p.waitForFinished(10000);
  return out.contains("painted") ? ms : -1;
}

double median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  const std::size_t n = v.size();
  return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1 && QByteArray(argv[1]) == "--child-full") return child(argc, argv, true);
  if (argc > 1 && QByteArray(argv[1]) == "--child-minimal") return child(argc, argv, false);
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QCoreApplication app(argc, argv);
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
  const QString self = QCoreApplication::applicationFilePath();
  std::vector<double> full, minimal;
  for (int i = 0; i < runs; ++i) {
    // Alternate which goes first, so neither always finds a warmer cache.
    const bool fullFirst = i % 2 == 0;
    for (int k = 0; k < 2; ++k) {
      const bool doFull = (k == 0) == fullFirst;
      const double ms = runOnce(self, doFull ? "--child-full" : "--child-minimal");
      if (ms < 0) {
        std::fprintf(stderr, "a run did not paint\n");
        return 1;
      }
      (doFull ? full : minimal).push_back(ms);
    }
  }
  const double mf = median(full), mm = median(minimal);
  std::printf("runs: %d each\n", runs);
  std::printf("median start to first paint, main window:         %.1f ms\n", mf);
  std::printf("median start to first paint, minimal main window: %.1f ms\n", mm);
  std::printf("ratio: %.2f (goal: at most 1.5)\n", mf / mm);
  return 0;
}

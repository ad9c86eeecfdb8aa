// A bare Qt main window, started the way the program starts: the
// application, one main window on the screen's free area, shown maximised.
// Reports when it is fully drawn (see bench_startup).
#include <QGuiApplication>
#include <QMainWindow>
#include <QScreen>
#include <QStandardPaths>

#include "benchsupport.h"

int main(int argc, char** argv) {
  const qint64 mainNs = bench::nowNs();
  QStandardPaths::setTestModeEnabled(true);
  bench::PaintClock app(argc, argv);
  const qint64 appNs = bench::nowNs();
  QMainWindow window;
  window.setWindowTitle(QStringLiteral("bare"));
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    window.setGeometry(screen->availableGeometry());
  window.showMaximized();
  return bench::reportWhenDrawn(app, mainNs, appNs, bench::nowNs());
}

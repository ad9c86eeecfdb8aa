// The program's own start (the steps of its main), reporting when the main
// window is fully drawn (see bench_startup). Settings go to a test location,
// so the user's own are left alone.
#include <QStandardPaths>

#include "app/Wiring.h"
#include "benchsupport.h"
#include "platform/App.h"
#include "platform/WarmUp.h"
#include "shell/frmMDI.h"

int main(int argc, char** argv) {
  const qint64 mainNs = bench::nowNs();
  platform::setUpAllocator();
  platform::connectSessionBusEarly();
  platform::readFontConfigurationEarly();
  QStandardPaths::setTestModeEnabled(true);
  bench::PaintClock app(argc, argv);
  const qint64 appNs = bench::nowNs();
  QCoreApplication::setApplicationName(QStringLiteral(AURAVANE_PROGRAM_NAME));
  platform::initApplication(app);
  platform::warmUpInBackground();
  shell::installMdiHost();
  app::wireProgram();
  if (!shell::startProgram()) return 1;
  return bench::reportWhenDrawn(app, mainNs, appNs, bench::nowNs());
}

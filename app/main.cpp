#include <QApplication>

#include "app/Wiring.h"
#include "platform/App.h"
#include "platform/WarmUp.h"
#include "shell/frmMDI.h"

int main(int argc, char* argv[]) {
  platform::setUpAllocator();
  platform::connectSessionBusEarly();
  platform::readFontConfigurationEarly();
  QApplication app(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral(AURAVANE_PROGRAM_NAME));
  platform::initApplication(app);
  platform::warmUpInBackground();
  shell::installMdiHost();
  app::wireProgram();
  if (!shell::startProgram()) return 0;
  return app.exec();
}

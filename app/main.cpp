#include <QApplication>

#include "platform/App.h"
#include "shell/frmMDI.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  platform::initApplication(app);
  shell::installMdiHost();
  if (!shell::startProgram()) return 0;
  return app.exec();
}

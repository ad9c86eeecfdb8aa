#include "testsupport.h"

#include <QStandardPaths>

#include "platform/App.h"
#include "platform/Forms.h"
#include "shell/frmMDI.h"
#include "shell/modHelp.h"

namespace testsupport {

void resetProgram() {
  platform::Forms::destroyAll();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  shell::shellState() = shell::ShellState();
  resetModel();
}

void initTestApp(QApplication& app) {
  QStandardPaths::setTestModeEnabled(true);
  platform::initApplication(app);
  shell::installMdiHost();
  installFakes();
}

}  // namespace testsupport

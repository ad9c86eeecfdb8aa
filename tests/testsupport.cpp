#include "testsupport.h"

#include <QStandardPaths>

#include "app/Wiring.h"
#include "platform/App.h"
#include "platform/Forms.h"
#include "shell/frmMDI.h"

namespace testsupport {

void resetProgram() {
  platform::Forms::destroyAll();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  app::wireProgram();
  resetModel();
}

void initTestApp(QApplication& app) {
  initCoreTestApp(app);
  platform::initApplication(app);
  shell::installMdiHost();
  app::wireProgram();
  installFakes();
}

}  // namespace testsupport

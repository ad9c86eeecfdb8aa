#include "platform/App.h"

#include <QApplication>
#include <QFont>

#include "platform/Services.h"

namespace platform {

void initApplication(QApplication& app) {
  app.setApplicationName(programTitle());
  app.setApplicationDisplayName(programTitle());
  QFont::insertSubstitution(QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"));
  QFont::insertSubstitution(QStringLiteral("Arial Black"), QStringLiteral("DejaVu Sans"));
  QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("DejaVu Sans"));
  QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("DejaVu Sans"));
  app.setQuitOnLastWindowClosed(false);  // the program ends through its own quit path
}

}  // namespace platform

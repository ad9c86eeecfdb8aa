#include "platform/App.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QPointer>
#include <QThread>

#include "platform/Services.h"

namespace platform {

void initApplication(QApplication& app) {
  // Reading the system's font configuration is the largest part of the
  // first paint. The font database may be used from any thread, so it is
  // filled in the background while the first window is being built; the
  // first text that needs it waits only for what is left.
  static QPointer<QThread> warm;
  warm = QThread::create([] { QFontDatabase::families(); });
  QObject::connect(warm, &QThread::finished, warm, &QObject::deleteLater);
  // A program that ends at once still lets the thread finish first.
  qAddPostRoutine([] {
    if (warm) warm->wait();
  });
  warm->start(QThread::HighPriority);
  services() = realServices();
  app.setApplicationName(programTitle());
  app.setApplicationDisplayName(programTitle());
  QFont::insertSubstitution(QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"));
  QFont::insertSubstitution(QStringLiteral("Arial Black"), QStringLiteral("DejaVu Sans"));
  QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("DejaVu Sans"));
  QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("DejaVu Sans"));
  app.setQuitOnLastWindowClosed(false);  // the program ends through its own quit path
}

}  // namespace platform

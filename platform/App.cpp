#include "platform/App.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QPointer>
#include <QThread>

#include "platform/Services.h"

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace platform {

void returnFreedMemory() {
#if defined(__GLIBC__)
  // glibc raises its threshold for giving a block pages of its own each
  // time such a block is freed, up to 32 MB; after a few pictures have come
  // and gone, every later picture comes from the heap, whose freed space is
  // kept. Fixing the threshold at its starting value (which also fixes the
  // trim threshold) keeps the program's size steady over a long session.
  mallopt(M_MMAP_THRESHOLD, 128 * 1024);
#endif
}

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

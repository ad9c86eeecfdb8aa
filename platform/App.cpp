#include "platform/App.h"

#include <QApplication>
#include <QFont>

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
  // kept (and pictures read on worker threads stay in those threads'
  // heaps). Fixing the threshold at its starting value (which also fixes
  // the trim threshold) keeps the program's size steady over a long session.
  mallopt(M_MMAP_THRESHOLD, 128 * 1024);
#endif
}

void initApplication(QApplication& app) {
  services() = realServices();
  app.setApplicationName(programTitle());
  // No display name: the window system would append it to every title bar,
  // and the windows' captions are to stand as they are.
  QFont::insertSubstitution(QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"));
  QFont::insertSubstitution(QStringLiteral("Arial Black"), QStringLiteral("DejaVu Sans"));
  QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("DejaVu Sans"));
  QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("DejaVu Sans"));
  app.setQuitOnLastWindowClosed(false);  // the program ends through its own quit path
}

}  // namespace platform

#include "platform/App.h"

#include <QApplication>
#include <QFont>
#include <QPixmapCache>

#include "platform/ProgramStyle.h"
#include "platform/Services.h"

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace platform {

void setUpAllocator() {
#if defined(__GLIBC__)
  // A card picture takes about 145 KB. Left to itself, glibc gives every
  // block over 128 KB pages of its own and returns them when it is freed;
  // touching fresh pages again for every picture costs far more than
  // decoding it. Blocks up to 1 MB therefore come from the heap, whose
  // freed space the next reading takes again. Fixing the threshold also
  // stops glibc raising it (up to 32 MB) and keeps its trim threshold, so
  // larger blocks still go back at once. One heap for all threads: the
  // pictures read on worker threads are freed on the window's thread, and
  // a heap per thread would keep each thread's share of them.
  mallopt(M_MMAP_THRESHOLD, 1024 * 1024);
  mallopt(M_ARENA_MAX, 1);
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
  // The style keeps drawings of its parts of every size it has drawn, up to
  // 10 MB by default; a program of few, fixed windows needs far less.
  QPixmapCache::setCacheLimit(1024);
  installProgramStyle(app);
  app.setQuitOnLastWindowClosed(false);  // the program ends through its own quit path
}

}  // namespace platform

#include "platform/App.h"

#include <QAccessible>
#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QHash>
#include <QMutex>
#include <QPixmapCache>
#include <QThreadPool>
#include <algorithm>

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
  // stops glibc raising it (up to 32 MB), so larger blocks still go back at
  // once. One heap for all threads: the pictures read on worker threads are
  // freed on the window's thread, and a heap per thread would keep each
  // thread's share of them.
  mallopt(M_MMAP_THRESHOLD, 1024 * 1024);
  mallopt(M_ARENA_MAX, 1);
  // Free space at the heap's top goes back to the system only past 8 MB.
  // A reading lets a few megabytes of pictures go and takes as much again
  // for the next one; given back each time, those pages would be touched
  // afresh, one fault each, in the click that deals the next reading.
  mallopt(M_TRIM_THRESHOLD, 8 * 1024 * 1024);
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
  // The painting library hands every fill or blend of more than about a
  // hundred rows to the shared thread pool in slices of 64 rows, one thread
  // woken per slice, and waits for them all. The program's tall fills are
  // narrow (a scroll bar is 14 pixels wide): the wake-ups cost more than
  // the slices, and each is a wait the window's thread can lose time in.
  // One pool thread keeps it to one hand-off per fill.
  QThreadPool::globalInstance()->setMaxThreadCount(1);
  installProgramStyle(app);
  app.setQuitOnLastWindowClosed(false);  // the program ends through its own quit path
  // The first window's first control would set the accessibility bridge
  // up; it is set up here instead, at a known point. It takes the session
  // bus connection that connectSessionBusEarly began, waiting for whatever
  // of it is left.
  QAccessible::isActive();
}

QString installedFamily(const QString& family) {
  static QMutex mutex;
  static QHash<QString, QString> known;
  QMutexLocker lock(&mutex);
  const auto kept = known.constFind(family);
  if (kept != known.cend()) return *kept;
  const QStringList installed = QFontDatabase::families();
  const auto spelledAs = [&installed](const QString& name) {
    return std::find_if(installed.cbegin(), installed.cend(), [&name](const QString& f) {
      return f.compare(name, Qt::CaseInsensitive) == 0;
    });
  };
  QString chosen = family;
  if (spelledAs(family) == installed.cend()) {
    // The substitution table keeps its names in lower case; the installed
    // spelling is the one shown wherever a font's family is read back.
    for (const QString& standIn : QFont::substitutes(family)) {
      const auto found = spelledAs(standIn);
      if (found != installed.cend()) {
        chosen = *found;
        break;
      }
    }
  }
  known.insert(family, chosen);
  return chosen;
}

}  // namespace platform

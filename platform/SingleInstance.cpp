#include "platform/SingleInstance.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QStandardPaths>
#include <memory>

#if defined(Q_OS_UNIX)
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#endif

namespace platform {

QString singleInstanceLockPath(const QString& name) {
  QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  if (dir.isEmpty()) dir = QDir::tempPath();
  QDir().mkpath(dir);
  return dir + QLatin1Char('/') + name + QStringLiteral(".lock");
}

bool acquireSingleInstance(const QString& name) {
#if defined(Q_OS_UNIX)
  // The system's lock on the open file: it ends with the process, however
  // the process ends, so it is never left stale, and taking it writes
  // nothing. (QLockFile writes its file and waits for the disk on every
  // lock, which can hold the start for tens of milliseconds.) QLockFile
  // takes the same kind of lock, so either sees the other.
  static int held = -1;
  if (held >= 0) return true;
  const QByteArray path = QFile::encodeName(singleInstanceLockPath(name));
  const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  // A runtime folder that cannot hold the file tells nothing of another
  // instance; the program starts rather than refuse for that.
  if (fd < 0) return true;
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    const bool otherHolds = errno == EWOULDBLOCK;
    ::close(fd);
    return !otherHolds;
  }
  held = fd;
  return true;
#else
  static std::unique_ptr<QLockFile> held;
  if (held) return true;
  auto lock = std::make_unique<QLockFile>(singleInstanceLockPath(name));
  lock->setStaleLockTime(0);  // only a live process keeps the lock
  if (!lock->tryLock(0)) return false;
  held = std::move(lock);
  return true;
#endif
}

}  // namespace platform

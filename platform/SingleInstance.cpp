#include "platform/SingleInstance.h"

#include <QDir>
#include <QLockFile>
#include <QStandardPaths>
#include <memory>

namespace platform {

QString singleInstanceLockPath(const QString& name) {
  QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  if (dir.isEmpty()) dir = QDir::tempPath();
  QDir().mkpath(dir);
  return dir + QLatin1Char('/') + name + QStringLiteral(".lock");
}

bool acquireSingleInstance(const QString& name) {
  static std::unique_ptr<QLockFile> held;
  if (held) return true;
  auto lock = std::make_unique<QLockFile>(singleInstanceLockPath(name));
  lock->setStaleLockTime(0);  // only a live process keeps the lock
  if (!lock->tryLock(0)) return false;
  held = std::move(lock);
  return true;
}

}  // namespace platform

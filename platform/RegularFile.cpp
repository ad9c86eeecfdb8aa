#include "platform/RegularFile.h"

#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace platform {

std::optional<QByteArray> readRegularFile(const QString& path, qint64 maxSize) {
  QFile f;
#ifdef Q_OS_UNIX
  // Opened without waiting (a named pipe would otherwise hold the open until
  // a writer comes), then checked on the open handle itself, so a file
  // swapped for something else after a check by name is refused too.
  const QByteArray name = QFile::encodeName(path);
  const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) return std::nullopt;
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    return std::nullopt;
  }
  if (!f.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
    ::close(fd);
    return std::nullopt;
  }
#else
  if (!QFileInfo(path).isFile()) return std::nullopt;
  f.setFileName(path);
  if (!f.open(QIODevice::ReadOnly)) return std::nullopt;
#endif
  if (f.size() > maxSize) return std::nullopt;
  const QByteArray bytes = f.read(maxSize + 1);
  if (bytes.size() > maxSize || f.error() != QFileDevice::NoError) return std::nullopt;
  return bytes;
}

}  // namespace platform

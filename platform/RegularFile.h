#pragma once
#include <QByteArray>
#include <QString>
#include <optional>

namespace platform {

// The bytes of a regular file of at most maxSize bytes. Nothing when the
// path names anything else (a named pipe, a device, a socket, a folder),
// when it cannot be read or when it is larger. It never blocks waiting for
// a writer, as opening a named pipe would.
std::optional<QByteArray> readRegularFile(const QString& path, qint64 maxSize);

}  // namespace platform

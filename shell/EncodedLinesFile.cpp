#include "shell/EncodedLinesFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "platform/Cp1252.h"
#include "platform/RegularFile.h"
#include "shell/modTextEncoding.h"

namespace EncodedLinesFile {

QByteArray encode(const QStringList& lines) {
  QByteArray out;
  for (const QString& line : lines) {
    out += platform::cp1252::toBytes(modTextEncoding::EncodeText(line));
    out += "\r\n";
  }
  return out;
}

QStringList decode(const QByteArray& bytes) {
  QStringList lines;
  qsizetype start = 0;
  const qsizetype n = bytes.size();
  for (qsizetype i = 0; i < n; ++i) {
    const char c = bytes.at(i);
    if (c != '\r' && c != '\n') continue;
    lines << modTextEncoding::DecodeText(platform::cp1252::fromBytes(bytes.mid(start, i - start)));
    if (c == '\r' && i + 1 < n && bytes.at(i + 1) == '\n') ++i;
    start = i + 1;
  }
  if (start < n)
    lines << modTextEncoding::DecodeText(platform::cp1252::fromBytes(bytes.mid(start)));
  return lines;
}

std::optional<QStringList> read(const QString& path, qint64 maxSize) {
  // Only a regular file: opening a named pipe would wait for a writer. The
  // check is made on the opened file, so a file swapped for a pipe after a
  // look at its name is refused too.
  const std::optional<QByteArray> bytes = platform::readRegularFile(path, maxSize);
  if (!bytes) return std::nullopt;
  return decode(*bytes);
}

bool writeAll(QIODevice& device, const QByteArray& bytes) {
  qint64 done = 0;
  while (done < bytes.size()) {
    const qint64 n = device.write(bytes.constData() + done, bytes.size() - done);
    if (n <= 0) return false;
    done += n;
  }
  // A buffered device may still hold bytes; they must reach the disk before
  // the write counts.
  if (auto* file = qobject_cast<QFileDevice*>(&device)) {
    if (!file->flush()) return false;
    if (file->error() != QFileDevice::NoError) return false;
  }
  return true;
}

bool write(const QString& path, const QStringList& lines) {
  QSaveFile f(path);
  // Never fall back to writing over the old file in place.
  f.setDirectWriteFallback(false);
  // Unbuffered, so a write that hits a full disk fails at once instead of in
  // a flush whose failure the commit would not report.
  if (!f.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return false;
  if (!writeAll(f, encode(lines))) {
    f.cancelWriting();
    return false;
  }
  return f.commit();
}

QString unkeptCharacters(const QString& text) {
  // The encoding raises each code by 85 and drops what would pass 255.
  constexpr int kHighestKept = 255 - 85;
  QString out;
  for (const QChar ch : text) {
    const int code = platform::cp1252::toCode(ch);
    if ((code < 0 || code > kHighestKept) && !out.contains(ch)) out.append(ch);
  }
  return out;
}

}  // namespace EncodedLinesFile

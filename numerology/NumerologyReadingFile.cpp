#include "numerology/NumerologyReadingFile.h"

#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QSaveFile>

#include "platform/Cp1252.h"
#include "shell/modTextEncoding.h"

namespace NumerologyReadingFile {
namespace {

QStringList values(const CurrentReading& r) {
  return {r.ReadingFirstName,  r.ReadingMiddleName, r.ReadingLastName,
          r.ReadingBirthMonth, r.ReadingBirthDate,  r.ReadingBirthYear};
}

// The highest code EncodeText keeps (its shift of 85 must stay within 255).
constexpr int kHighestKept = 255 - 85;

}  // namespace

QString unkeptCharacters(const CurrentReading& r) {
  QString out;
  for (const QString& v : values(r))
    for (QChar ch : v) {
      const int code = platform::cp1252::toCode(ch);
      if ((code < 0 || code > kHighestKept) && !out.contains(ch)) out.append(ch);
    }
  return out;
}

QByteArray encode(const CurrentReading& r) {
  QByteArray out;
  for (const QString& v : values(r)) {
    out += platform::cp1252::toBytes(EncodeText(v));
    out += "\r\n";
  }
  return out;
}

std::optional<CurrentReading> decode(const QByteArray& bytes) {
  // Encoded text never holds CR or LF, so any of the three line ends splits.
  QByteArray normal = bytes;
  normal.replace("\r\n", "\n");
  normal.replace('\r', '\n');
  QList<QByteArray> raw = normal.split('\n');
  if (normal.endsWith('\n')) raw.removeLast();  // the end of the last line
  QStringList lines;
  for (int i = 0; i < 6; ++i)
    lines << (i < raw.size() ? DecodeText(platform::cp1252::fromBytes(raw[i])) : QString());

  CurrentReading r;
  r.ReadingFirstName = lines[0];
  r.ReadingMiddleName = lines[1];
  r.ReadingLastName = lines[2];
  r.ReadingBirthMonth = lines[3];
  r.ReadingBirthDate = lines[4];
  r.ReadingBirthYear = lines[5];
  if (!numerology::monthEntries().contains(r.ReadingBirthMonth) ||
      !numerology::dayEntries().contains(r.ReadingBirthDate) ||
      !numerology::yearEntries().contains(r.ReadingBirthYear))
    return std::nullopt;
  return r;
}

std::optional<CurrentReading> load(const QString& path) {
  // Only a regular file: a pipe or a device could keep the read waiting.
  if (!QFileInfo(path).isFile()) return std::nullopt;
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return std::nullopt;
  if (f.size() > kMaxFileSize) return std::nullopt;
  const QByteArray bytes = f.read(kMaxFileSize + 1);
  if (bytes.size() > kMaxFileSize || f.error() != QFileDevice::NoError) return std::nullopt;
  return decode(bytes);
}

bool save(const QString& path, const CurrentReading& r) {
  QSaveFile f(path);
  if (!f.open(QIODevice::WriteOnly)) return false;
  const QByteArray bytes = encode(r);
  if (f.write(bytes) != bytes.size()) {
    f.cancelWriting();
    return false;
  }
  return f.commit();
}

}  // namespace NumerologyReadingFile

#include "tarot_numerology/TarotNumerologyReadingFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "platform/Cp1252.h"
#include "shell/modTextEncoding.h"

namespace TarotNumerologyReadingFile {
namespace {

QStringList numbersFromTo(int from, int to) {
  QStringList list;
  for (int v = from; v <= to; ++v) list << QString::number(v);
  return list;
}

bool holdsControl(const QString& s) {
  for (QChar c : s)
    if (c.category() == QChar::Other_Control) return true;
  return false;
}

// The first four lines of the bytes; CR LF, CR and LF each end a line, and a
// line end at the very end opens no further line.
QList<QByteArray> firstLines(const QByteArray& bytes, int count) {
  QList<QByteArray> lines;
  QByteArray current;
  bool open = false;  // a line has begun that no line end has closed
  for (qsizetype i = 0; i < bytes.size() && lines.size() < count; ++i) {
    const char b = bytes.at(i);
    if (b == '\r' || b == '\n') {
      lines << current;
      current.clear();
      open = false;
      if (b == '\r' && i + 1 < bytes.size() && bytes.at(i + 1) == '\n') ++i;
    } else {
      current += b;
      open = true;
    }
  }
  if (open && lines.size() < count) lines << current;
  while (lines.size() < count) lines << QByteArray();
  return lines;
}

}  // namespace

const QStringList& dayEntries() {
  static const QStringList list = numbersFromTo(1, 31);
  return list;
}

const QStringList& monthEntries() {
  static const QStringList list = {
      QStringLiteral("January"), QStringLiteral("February"), QStringLiteral("March"),
      QStringLiteral("April"),   QStringLiteral("May"),      QStringLiteral("June"),
      QStringLiteral("July"),    QStringLiteral("August"),   QStringLiteral("September"),
      QStringLiteral("October"), QStringLiteral("November"), QStringLiteral("December")};
  return list;
}

const QStringList& yearEntries() {
  static const QStringList list = numbersFromTo(1900, 2050);
  return list;
}

QByteArray encode(const Reading& r) {
  QByteArray out;
  for (const QString& value : {r.name, r.day, r.month, r.year}) {
    out += platform::cp1252::toBytes(EncodeText(value));
    out += "\r\n";
  }
  return out;
}

std::optional<Reading> decode(const QByteArray& bytes) {
  QStringList values;
  for (const QByteArray& raw : firstLines(bytes, 4)) {
    const QString line = DecodeText(platform::cp1252::fromBytes(raw));
    if (holdsControl(line)) return std::nullopt;
    values << line;
  }
  Reading r{values.at(0), values.at(1), values.at(2), values.at(3)};
  if (!dayEntries().contains(r.day) || !monthEntries().contains(r.month) ||
      !yearEntries().contains(r.year))
    return std::nullopt;
  return r;
}

std::optional<Reading> load(const QString& path) {
  // Only a regular file: a pipe or device could hold the program waiting.
  if (!QFileInfo(path).isFile()) return std::nullopt;
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return std::nullopt;
  if (f.size() > kMaxFileSize) return std::nullopt;
  const QByteArray bytes = f.read(kMaxFileSize + 1);
  if (bytes.size() > kMaxFileSize || f.error() != QFileDevice::NoError) return std::nullopt;
  return decode(bytes);
}

bool save(const QString& path, const Reading& r) {
  QSaveFile f(path);
  if (!f.open(QIODevice::WriteOnly)) return false;
  const QByteArray bytes = encode(r);
  if (f.write(bytes) != bytes.size()) {
    f.cancelWriting();
    return false;
  }
  return f.commit();
}

}  // namespace TarotNumerologyReadingFile

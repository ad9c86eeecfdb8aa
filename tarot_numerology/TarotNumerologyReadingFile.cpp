#include "tarot_numerology/TarotNumerologyReadingFile.h"

#include "shell/EncodedLinesFile.h"

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

// The reading in the decoded lines: the first four, a missing one empty.
std::optional<Reading> fromLines(QStringList lines) {
  while (lines.size() < 4) lines << QString();
  lines = lines.mid(0, 4);
  for (const QString& l : lines)
    if (holdsControl(l)) return std::nullopt;
  Reading r{lines.at(0), lines.at(1), lines.at(2), lines.at(3)};
  if (!dayEntries().contains(r.day) || !monthEntries().contains(r.month) ||
      !yearEntries().contains(r.year))
    return std::nullopt;
  return r;
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

QByteArray encode(const Reading& r) { return EncodedLinesFile::encode({r.name, r.day, r.month, r.year}); }

std::optional<Reading> decode(const QByteArray& bytes) {
  return fromLines(EncodedLinesFile::decode(bytes));
}

std::optional<Reading> load(const QString& path) {
  const std::optional<QStringList> lines = EncodedLinesFile::read(path, kMaxFileSize);
  if (!lines) return std::nullopt;
  return fromLines(*lines);
}

bool save(const QString& path, const Reading& r) {
  return EncodedLinesFile::write(path, {r.name, r.day, r.month, r.year});
}

}  // namespace TarotNumerologyReadingFile

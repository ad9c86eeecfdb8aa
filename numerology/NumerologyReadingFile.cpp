#include "numerology/NumerologyReadingFile.h"

#include "shell/EncodedLinesFile.h"

namespace NumerologyReadingFile {
namespace {

QStringList values(const CurrentReading& r) {
  return {r.ReadingFirstName,  r.ReadingMiddleName, r.ReadingLastName,
          r.ReadingBirthMonth, r.ReadingBirthDate,  r.ReadingBirthYear};
}

// The six values of the file's lines; a missing line is empty, lines after
// the sixth are ignored. Refused when the date lines are not list entries.
std::optional<CurrentReading> fromLines(const QStringList& lines) {
  CurrentReading r;
  r.ReadingFirstName = lines.value(0);
  r.ReadingMiddleName = lines.value(1);
  r.ReadingLastName = lines.value(2);
  r.ReadingBirthMonth = lines.value(3);
  r.ReadingBirthDate = lines.value(4);
  r.ReadingBirthYear = lines.value(5);
  if (!numerology::monthEntries().contains(r.ReadingBirthMonth) ||
      !numerology::dayEntries().contains(r.ReadingBirthDate) ||
      !numerology::yearEntries().contains(r.ReadingBirthYear))
    return std::nullopt;
  return r;
}

}  // namespace

QString unkeptCharacters(const CurrentReading& r) {
  return EncodedLinesFile::unkeptCharacters(values(r).join(QString()));
}

QByteArray encode(const CurrentReading& r) { return EncodedLinesFile::encode(values(r)); }

std::optional<CurrentReading> decode(const QByteArray& bytes) {
  return fromLines(EncodedLinesFile::decode(bytes));
}

std::optional<CurrentReading> load(const QString& path) {
  const std::optional<QStringList> lines = EncodedLinesFile::read(path, kMaxFileSize);
  if (!lines) return std::nullopt;
  return fromLines(*lines);
}

bool save(const QString& path, const CurrentReading& r) {
  return EncodedLinesFile::write(path, values(r));
}

}  // namespace NumerologyReadingFile

#pragma once
#include <QByteArray>
#include <QString>
#include <optional>

#include "numerology/NumerologyState.h"

// The saved numerology reading (".num"): six lines, each the EncodeText of
// one value of the reading (first, middle and last name, month name, day,
// year), one byte per character, each ended by CR LF. Nothing else: no
// report text, header or version mark.
namespace NumerologyReadingFile {

// Files larger than this are refused unread.
constexpr qint64 kMaxFileSize = 64 * 1024;

// The characters of a reading that the file cannot keep (outside the code
// page, or above code 170 so that the shift would pass 255), each once, in
// the order they first appear. Empty when the whole reading can be kept.
QString unkeptCharacters(const CurrentReading& r);

// The file's bytes. Characters the file cannot keep are left out.
QByteArray encode(const CurrentReading& r);

// Reads a file's bytes. Lines may end in CR LF, CR or LF; a missing line
// counts as empty and lines after the sixth are ignored. Refused (nothing
// returned) when lines 4 to 6 are not exactly entries of the month, day
// and year lists. The names are not checked here: the input page's "&Next"
// checks them.
std::optional<CurrentReading> decode(const QByteArray& bytes);

// Reads and decodes a file; nothing when it cannot be read, is larger than
// kMaxFileSize or is refused by decode.
std::optional<CurrentReading> load(const QString& path);
// Writes through a temporary file, so a failed write leaves an existing file
// whole. False when anything failed.
bool save(const QString& path, const CurrentReading& r);

}  // namespace NumerologyReadingFile

#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

class QIODevice;

// The program's saved files (readings of every mode) are short lists of
// lines, each line stored through EncodeText in the Windows-1252 code page
// and ended with CR LF. This reads and writes such files whole; what the
// lines mean is the caller's affair.
namespace EncodedLinesFile {

// The largest file any mode's reading needs, with room to spare.
constexpr qint64 kDefaultMaxSize = 64 * 1024;

// The file's bytes for the given lines: each line encoded, then CR LF.
QByteArray encode(const QStringList& lines);
// The decoded lines of a file's bytes. A line ends at CR LF, a lone CR or a
// lone LF; empty lines count (a blank field is a line of its own), and the
// end of the last line needs no line end.
QStringList decode(const QByteArray& bytes);

// Reads a file's decoded lines. Nothing when the path is not a regular file
// (a pipe or a device is never opened, so nothing blocks), cannot be read,
// or is larger than maxSize.
std::optional<QStringList> read(const QString& path, qint64 maxSize = kDefaultMaxSize);

// Writes every byte to the device, unbuffered or flushed, and says whether
// all of them reached it. A device that takes fewer bytes than given, or
// reports an error, fails the write.
bool writeAll(QIODevice& device, const QByteArray& bytes);

// Writes the lines to path through a temporary file beside it that replaces
// the old file only once every byte is on disk. False when anything failed
// (no folder, no room, a failing disk): the old file, if any, is left whole.
bool write(const QString& path, const QStringList& lines);

// The characters of text that a saved line cannot keep: those the code page
// lacks and those whose encoded code would pass 255 (above 170), each named
// once, in the order they first stand.
QString unkeptCharacters(const QString& text);

}  // namespace EncodedLinesFile

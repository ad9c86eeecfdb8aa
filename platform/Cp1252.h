#pragma once
#include <QByteArray>
#include <QString>

// Windows-1252 conversion. Reading files and the one setting hold single-byte
// text in this code page; the five bytes the code page leaves undefined (0x81,
// 0x8D, 0x8F, 0x90, 0x9D) map to the C1 control characters of the same value so
// that every byte round-trips.
namespace platform::cp1252 {

// The byte value of a character, or -1 when the code page cannot hold it.
int toCode(QChar ch);
// The character for a byte value 0..255.
QChar fromCode(int code);

// Whole texts. A character the code page cannot hold becomes '?'.
QByteArray toBytes(const QString& text);
QString fromBytes(const QByteArray& bytes);

}  // namespace platform::cp1252

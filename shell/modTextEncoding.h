#pragma once
#include <QString>

// The fixed shift that keeps saved readings and the setting free of plain
// text: each character's Windows-1252 code moves up (EncodeText) or down
// (DecodeText) by 85; a character that would leave 0..255 is dropped.
namespace modTextEncoding {
QString EncodeText(const QString& text);
QString DecodeText(const QString& text);
}  // namespace modTextEncoding

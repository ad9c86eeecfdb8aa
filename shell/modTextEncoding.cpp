#include "shell/modTextEncoding.h"

#include "platform/Cp1252.h"

namespace {
constexpr int kShift = 85;

QString shift(const QString& text, int by) {
  QString out;
  out.reserve(text.size());
  for (QChar ch : text) {
    const int code = platform::cp1252::toCode(ch);
    if (code < 0) continue;  // not in the code page
    const int moved = code + by;
    if (moved < 0 || moved > 255) continue;
    out.append(platform::cp1252::fromCode(moved));
  }
  return out;
}
}  // namespace

namespace modTextEncoding {
QString EncodeText(const QString& text) { return shift(text, kShift); }
QString DecodeText(const QString& text) { return shift(text, -kShift); }
}  // namespace modTextEncoding

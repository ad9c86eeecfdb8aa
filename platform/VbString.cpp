#include "platform/VbString.h"

#include <cmath>

namespace platform::vb {

QString LTrim(const QString& s) {
  int i = 0;
  while (i < s.size() && s[i] == QLatin1Char(' ')) ++i;
  return s.mid(i);
}

QString RTrim(const QString& s) {
  int n = s.size();
  while (n > 0 && s[n - 1] == QLatin1Char(' ')) --n;
  return s.left(n);
}

QString Trim(const QString& s) { return LTrim(RTrim(s)); }

int InStr(const QString& hay, const QString& needle, int start) {
  if (start < 1) start = 1;
  if (start > hay.size() + 1) return 0;
  const int at = hay.indexOf(needle, start - 1);
  return at < 0 ? 0 : at + 1;
}

double Val(const QString& s) {
  QString digits;
  int i = 0;
  auto skipBlank = [&] {
    while (i < s.size() && (s[i] == ' ' || s[i] == '\t' || s[i] == '\r' || s[i] == '\n')) ++i;
  };
  skipBlank();
  if (i < s.size() && (s[i] == '-' || s[i] == '+')) digits.append(s[i++]);
  bool point = false, any = false;
  for (; i < s.size(); ++i) {
    const QChar c = s[i];
    if (c == ' ' || c == '\t') continue;  // blanks inside a number are ignored
    if (c.isDigit() && c.unicode() < 128) {
      digits.append(c);
      any = true;
    } else if (c == '.' && !point) {
      digits.append(c);
      point = true;
    } else {
      break;
    }
  }
  if (!any) return 0.0;
  return digits.toDouble();
}

double Round(double v, int decimals) {
  const double scale = std::pow(10.0, decimals);
  const double x = v * scale;
  double r = std::nearbyint(x);  // default rounding mode: half to even
  return r / scale;
}

long long Int(double v) { return static_cast<long long>(std::floor(v)); }


QString fromCrLf(const QString& s) {
  QString out = s;
  out.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  out.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return out;
}

QString toCrLf(const QString& s) {
  QString out = fromCrLf(s);
  out.replace(QLatin1String("\n"), QLatin1String("\r\n"));
  return out;
}

}  // namespace platform::vb

#pragma once
#include <QString>

// The handful of string and number functions the windows' logic is written
// in terms of, with the semantics that logic expects.
namespace platform::vb {

// Remove leading and trailing spaces only (tabs, CR and LF stay).
QString Trim(const QString& s);
QString LTrim(const QString& s);
QString RTrim(const QString& s);
// 1-based position of needle in hay from start, 0 when absent.
int InStr(const QString& hay, const QString& needle, int start = 1);
// The leading number of a text: spaces skipped, digits with an optional sign
// and decimal point; 0 when the text does not start with a number.
double Val(const QString& s);
// Round half to even, to the given number of decimals.
double Round(double v, int decimals = 0);
// Largest whole number not above v.
long long Int(double v);

// Multi-line text as the windows exchange it: line breaks are CR LF.
QString toCrLf(const QString& s);
// Any of CR LF, CR or LF becomes LF.
QString fromCrLf(const QString& s);

}  // namespace platform::vb

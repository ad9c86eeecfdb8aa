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
// Whole part, towards zero.
long long Fix(double v);
QString Mid(const QString& s, int start, int length = -1);
QString Left(const QString& s, int n);
QString Right(const QString& s, int n);

// Multi-line text as the windows exchange it: line breaks are CR LF.
QString toCrLf(const QString& s);
// Any of CR LF, CR or LF becomes LF.
QString fromCrLf(const QString& s);

}  // namespace platform::vb

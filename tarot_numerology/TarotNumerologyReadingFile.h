#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

// The saved tarot-numerology reading (".tnm"): four lines, each the
// EncodeText of one value and ended by CR LF, in this order: the name, the
// day of the month ("1" to "31"), the month's English name and the year
// ("1900" to "2050"). No header, no numbers, no cards: opening a reading
// computes everything again.
namespace TarotNumerologyReadingFile {

struct Reading {
  QString name;
  QString day;
  QString month;
  QString year;
};

// Files larger than this are refused unread.
constexpr qint64 kMaxFileSize = 64 * 1024;

// The entries of the input form's three date lists, in list order.
const QStringList& dayEntries();
const QStringList& monthEntries();
const QStringList& yearEntries();

QByteArray encode(const Reading& r);

// Reads a file's bytes. Lines may end in CR LF, CR or LF; a missing line
// counts as empty and anything after the fourth is ignored. Refused
// (nothing returned) when a decoded line holds a control character or the
// day, month or year is not an entry of its list. An empty name passes: the
// form's own check answers it.
std::optional<Reading> decode(const QByteArray& bytes);

// Reads and decodes a file; nothing when it cannot be read, is too large or
// is refused by decode.
std::optional<Reading> load(const QString& path);
// Writes through a temporary file, so a failed write leaves an existing file
// whole. False when anything failed.
bool save(const QString& path, const Reading& r);

}  // namespace TarotNumerologyReadingFile

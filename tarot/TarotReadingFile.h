#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

// The saved tarot reading (".lqs"): one encoded line each for the spread
// name ("s"), the deck letter ("d"), a card per position ("c") and each
// reversed card ("r"). Every line, tag and value alike, goes through
// EncodeText and ends with CR LF. The file holds no querent details.
namespace TarotReadingFile {

struct Reading {
  QString spreadName;
  QString deckLetter;
  std::vector<int> cards;     // by position
  std::vector<int> reversed;  // card numbers, in the order they were turned
};

// Files larger than this are refused unread.
constexpr qint64 kMaxFileSize = 64 * 1024;

// The file's lines before encoding: "s" and the spread name, "d" and the
// deck letter, "c" and each card, "r" and each reversed card.
QStringList lines(const Reading& r);
QByteArray encode(const Reading& r);

// Reads a file's bytes. Lines may end in CR LF, CR or LF and come in any
// order; unknown tags and empty lines are passed over; the last "s" and "d"
// lines count. Refused (nothing returned) when the file has no "s" or no "d"
// line, a deck letter other than "r" or "m", a card value that is not a
// whole number from 0 to 77, or a card count and spread name for which the
// board has no layout.
std::optional<Reading> decode(const QByteArray& bytes);
// The same check over lines already decoded.
std::optional<Reading> fromLines(const QStringList& lines);

// Reads and decodes a file; nothing when it is not a regular file (a named
// pipe, a device, a socket, a folder), cannot be read, is too large or is
// refused by decode. It never waits for a writer.
std::optional<Reading> load(const QString& path);
// Writes through a temporary file, so a failed write leaves an existing file
// whole. False when anything failed, including a write cut short by a full
// disk.
bool save(const QString& path, const Reading& r);

}  // namespace TarotReadingFile

#include "tarot/TarotReadingFile.h"

#include "board/SpreadSlotLayout.h"
#include "shell/EncodedLinesFile.h"

namespace TarotReadingFile {
namespace {

// A whole number from 0 to 77 in decimal digits, with or without leading
// zeros ("7", "07", "077"); no sign or blanks.
std::optional<int> cardValue(const QString& text) {
  if (text.isEmpty()) return std::nullopt;
  for (QChar c : text)
    if (c < QLatin1Char('0') || c > QLatin1Char('9')) return std::nullopt;
  qsizetype first = 0;
  while (first + 1 < text.size() && text.at(first) == QLatin1Char('0')) ++first;
  const QString digits = text.mid(first);
  if (digits.size() > 2) return std::nullopt;
  const int v = digits.toInt();
  if (v > 77) return std::nullopt;
  return v;
}

}  // namespace

QStringList lines(const Reading& r) {
  QStringList out;
  out << QStringLiteral("s") + r.spreadName << QStringLiteral("d") + r.deckLetter;
  for (int c : r.cards) out << QStringLiteral("c") + QString::number(c);
  for (int c : r.reversed) out << QStringLiteral("r") + QString::number(c);
  return out;
}

QByteArray encode(const Reading& r) { return EncodedLinesFile::encode(lines(r)); }

std::optional<Reading> decode(const QByteArray& bytes) {
  return fromLines(EncodedLinesFile::decode(bytes));
}

std::optional<Reading> fromLines(const QStringList& lines) {
  Reading r;
  bool haveSpread = false, haveDeck = false;
  for (const QString& line : lines) {
    if (line.isEmpty()) continue;
    const QChar tag = line.at(0);
    const QString value = line.mid(1);
    if (tag == QLatin1Char('s')) {
      r.spreadName = value;
      haveSpread = true;
    } else if (tag == QLatin1Char('d')) {
      r.deckLetter = value;
      haveDeck = true;
    } else if (tag == QLatin1Char('c') || tag == QLatin1Char('r')) {
      const auto v = cardValue(value);
      if (!v) return std::nullopt;
      (tag == QLatin1Char('c') ? r.cards : r.reversed).push_back(*v);
    }
  }
  if (!haveSpread || !haveDeck) return std::nullopt;
  if (r.deckLetter != QLatin1String("r") && r.deckLetter != QLatin1String("m")) return std::nullopt;
  if (SpreadSlotLayout::lookup(int(r.cards.size()), r.spreadName) < 0) return std::nullopt;
  return r;
}

std::optional<Reading> load(const QString& path) {
  const std::optional<QStringList> read = EncodedLinesFile::read(path, kMaxFileSize);
  if (!read) return std::nullopt;
  return fromLines(*read);
}

bool save(const QString& path, const Reading& r) { return EncodedLinesFile::write(path, lines(r)); }

}  // namespace TarotReadingFile

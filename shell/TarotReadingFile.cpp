#include "shell/TarotReadingFile.h"

#include <QFile>
#include <QSaveFile>

#include "board/SpreadSlotLayout.h"
#include "platform/Cp1252.h"
#include "platform/RegularFile.h"
#include "shell/modTextEncoding.h"
#include "tarot/TarotReadingState.h"

namespace TarotReadingFile {
namespace {

void addLine(QByteArray& out, const QString& tag, const QString& value) {
  out += platform::cp1252::toBytes(EncodeText(tag) + EncodeText(value));
  out += "\r\n";
}

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

QByteArray encode(const Reading& r) {
  QByteArray out;
  addLine(out, QStringLiteral("s"), r.spreadName);
  addLine(out, QStringLiteral("d"), r.deckLetter);
  for (int c : r.cards) addLine(out, QStringLiteral("c"), QString::number(c));
  for (int c : r.reversed) addLine(out, QStringLiteral("r"), QString::number(c));
  return out;
}

Reading fromState(const TarotReadingState& s) {
  Reading r;
  r.spreadName = s.strSpreadName;
  r.deckLetter = s.strDeckLetter;
  const int last = s.blnManualMode ? s.lngChosenCards.ubound() : s.lngChosenCards.ubound() - 1;
  for (int i = 0; i <= last; ++i) r.cards.push_back(s.lngChosenCards.at(i));
  r.reversed = s.lngReversedCards.values();
  return r;
}

std::optional<Reading> decode(const QByteArray& bytes) {
  Reading r;
  bool haveSpread = false, haveDeck = false;
  // Encoded text never holds CR or LF, so any of the three line ends splits.
  QByteArray normal = bytes;
  normal.replace('\r', '\n');
  for (const QByteArray& raw : normal.split('\n')) {
    if (raw.isEmpty()) continue;
    const QString line = DecodeText(platform::cp1252::fromBytes(raw));
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
  const std::optional<QByteArray> bytes = platform::readRegularFile(path, kMaxFileSize);
  if (!bytes) return std::nullopt;
  return decode(*bytes);
}

bool save(const QString& path, const Reading& r) {
  QSaveFile f(path);
  if (!f.open(QIODevice::WriteOnly)) return false;
  const QByteArray bytes = encode(r);
  if (f.write(bytes) != bytes.size()) {
    f.cancelWriting();
    return false;
  }
  return f.commit();
}

}  // namespace TarotReadingFile

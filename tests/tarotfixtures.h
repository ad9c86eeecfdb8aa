#pragma once
#include <QFile>
#include <QImage>
#include <QList>
#include <QPixmap>
#include <deque>

#include "platform/Services.h"
#include "tarot/TarotCardTable.h"
#include "tarot/TarotReadingState.h"
#include "testsupport.h"

// What the tarot tests share: a scripted generator, card lists as plain
// lists, card pictures to compare with, and saved-reading files.
namespace tarotfixtures {

// A generator value that draws `card` from the part of the deck starting at
// `first` with `count` cards.
inline double valueFor(int card, int first, int count) { return (card - first + 0.5) / count; }

// Replaces the generator by exactly these values; a draw past their end is
// counted and gets 0.
struct ScriptedRnd {
  std::deque<double> values;
  int overrun = 0;
};
inline ScriptedRnd& script() {
  static ScriptedRnd s;
  return s;
}
inline void scriptRnd(const QList<double>& values) {
  script() = ScriptedRnd{std::deque<double>(values.begin(), values.end()), 0};
  platform::services().rnd = [] {
    ScriptedRnd& s = script();
    if (s.values.empty()) {
      ++s.overrun;
      return 0.0;
    }
    const double v = s.values.front();
    s.values.pop_front();
    return v;
  };
}

inline QList<int> toList(const CardList& l) {
  QList<int> out;
  for (int v : l.values()) out << v;
  return out;
}

inline QImage rgb(const QImage& img) { return img.convertToFormat(QImage::Format_RGB32); }
inline QImage rgb(const QPixmap& pm) { return rgb(pm.toImage()); }
// A card's picture of a deck beside the program.
inline QImage face(const QString& deck, int card) {
  return rgb(QImage(TarotCardTable::picturePath(deck, card)));
}

// The bytes of one saved-reading line: every character moved up by 85, CR LF.
inline QByteArray line(const QString& plain) {
  QByteArray out;
  for (QChar c : plain) out.append(char(c.unicode() + 85));
  return out + "\r\n";
}

// Writes a file into the test's temporary folder; its path.
inline QString writeFile(const QString& name, const QByteArray& bytes) {
  const QString path = testsupport::tempDir() + "/" + name;
  QFile f(path);
  if (f.open(QIODevice::WriteOnly | QIODevice::Truncate)) f.write(bytes);
  return path;
}

inline QByteArray readAll(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace tarotfixtures

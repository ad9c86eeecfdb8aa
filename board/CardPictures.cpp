#include "board/CardPictures.h"

#include <QHash>
#include <algorithm>

#include "platform/Pictures.h"
#include "shell/Artwork.h"
#include "tarot/TarotCardTable.h"

namespace CardPictures {

QPixmap cardBack(int width, int height) {
  static QHash<quint64, QPixmap> backs;
  const quint64 key = (quint64(quint32(width)) << 32) | quint32(height);
  auto it = backs.find(key);
  if (it == backs.end()) {
    QPixmap back = shell::cardBack();
    if (back.isNull()) {
      back = QPixmap(width, height);
      back.fill(QColor(60, 30, 80));
    } else if (back.size() != QSize(width, height)) {
      back = back.scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    it = backs.insert(key, back);
  }
  return *it;
}

QPixmap cardFace(const QString& deckLetter, int number) {
  const QString path = TarotCardTable::picturePath(deckLetter, number);
  return path.isEmpty() ? QPixmap() : platform::loadPicture(path);
}

FacesAhead::FacesAhead(const QString& deckLetter, const std::vector<int>& cards,
                       const std::vector<int>& reversed)
    : deckLetter_(deckLetter), cards_(cards), pictures_(QStringList()) {
  for (int card : cards)
    pictures_.add(TarotCardTable::picturePath(deckLetter, card),
                  std::find(reversed.begin(), reversed.end(), card) != reversed.end());
}

int FacesAhead::indexOf(int number) const {
  const auto it = std::find(cards_.begin(), cards_.end(), number);
  return it == cards_.end() ? -1 : int(it - cards_.begin());
}

QPixmap FacesAhead::face(int number) {
  const int i = indexOf(number);
  return i < 0 ? cardFace(deckLetter_, number) : pictures_.picture(i);
}

QPixmap FacesAhead::halfTurnedFace(int number) {
  const int i = indexOf(number);
  return i < 0 ? QPixmap() : pictures_.halfTurned(i);
}

}  // namespace CardPictures

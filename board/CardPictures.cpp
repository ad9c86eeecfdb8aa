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

QPixmap FacesAhead::face(int number) {
  const auto it = std::find(cards_.begin(), cards_.end(), number);
  if (it == cards_.end()) return cardFace(deckLetter_, number);
  return pictures_.picture(int(it - cards_.begin()));
}

QPixmap FacesAhead::halfTurnedFace(int number) {
  const auto it = std::find(cards_.begin(), cards_.end(), number);
  if (it == cards_.end()) return QPixmap();
  return pictures_.halfTurned(int(it - cards_.begin()));
}

}  // namespace CardPictures

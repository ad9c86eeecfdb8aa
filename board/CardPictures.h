#pragma once
#include <QPixmap>
#include <QString>
#include <vector>

#include "platform/Pictures.h"

// The pictures the spread board lays into its slots.
namespace CardPictures {

// The card size the slot positions are spaced for, in pixels.
constexpr int kCardWidth = 145;
constexpr int kCardHeight = 250;

// The card back at a size: what a slot shows before a card is laid in it,
// and in place of a card whose picture cannot be read.
QPixmap cardBack(int width = kCardWidth, int height = kCardHeight);

// The picture of a card of a deck ("r" or "m"), or a null pixmap when its
// file is missing or unreadable.
QPixmap cardFace(const QString& deckLetter, int number);

// The faces of a reading's cards, read on worker threads from the moment
// this is made, so that a whole spread's pictures take about the time of
// one and the GUI thread goes on meanwhile.
class FacesAhead {
 public:
  // The cards of reversed (a part of cards) are also given their half turn
  // on the worker threads.
  FacesAhead(const QString& deckLetter, const std::vector<int>& cards,
             const std::vector<int>& reversed = {});
  // What cardFace gives for a card of the list, waiting for it if it is
  // still being read; a card not in the list is read now.
  QPixmap face(int number);
  // The half turn of a reversed card's face, as turnHalf makes it; a null
  // pixmap for a card that was not read ahead as reversed.
  QPixmap halfTurnedFace(int number);

 private:
  // Where a card stands in the list, or -1.
  int indexOf(int number) const;
  QString deckLetter_;
  std::vector<int> cards_;
  platform::PicturesAhead pictures_;
};

}  // namespace CardPictures

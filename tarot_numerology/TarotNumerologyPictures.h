#pragma once
#include <QImage>
#include <QString>

// The pictures of the tarot-numerology mode, drawn by the project's picture
// generator and compiled into the program:
// - the 78 small card faces of the Numerology Spread grid, 72 x 120, one
//   per card of the mode's deck (NumerologySpreadCards.h);
// - the card pictures of each Life Path or Destiny number's set, 142 x 250,
//   in set order;
// - a face-down card of each size, shown where no card is laid yet and in
//   place of any picture that cannot be had.
namespace TarotNumerologyPictures {

constexpr int kSmallWidth = 72;
constexpr int kSmallHeight = 120;
constexpr int kLargeWidth = 142;
constexpr int kLargeHeight = 250;

// The cards of the deck that the pictures of each number's set show, in
// set order (a group of Minor Arcana cards is shown by one of its cards).
// Numbers without a set (anything but 1..9, 11 and 22) have none.
inline int numberCardCount(int number) {
  switch (number) {
    case 1: case 3: return 4;
    case 2: case 4: case 5: case 6: case 7: case 8: case 9: return 3;
    case 11: case 22: return 1;
    default: return 0;
  }
}
// The card (0..77) that picture `index` (0-based) of a number's set shows,
// or -1 when the number has no such picture.
inline int numberCardShows(int number, int index) {
  static const int kSets[][4] = {
      {1, 19, 10, 36},   // 1: The Magician, The Sun, Wheel of Fortune, Ace of Cups
      {20, 2, 46, -1},   // 2: Judgement, The High Priestess, Page of Cups
      {3, 12, 21, 48},   // 3: The Empress, The Hanged Man, The World, Queen of Cups
      {13, 4, 49, -1},   // 4: Death, The Emperor, King of Cups
      {14, 2, 40, -1},   // 5: Temperance, The High Priestess, Five of Cups
      {15, 6, 69, -1},   // 6: The Devil, The Lovers, Six of Pentacles
      {7, 16, 56, -1},   // 7: The Chariot, The Tower, Seven of Swords
      {11, 17, 29, -1},  // 8: Strength, The Star, Eight of Wands
      {9, 18, 44, -1},   // 9: The Hermit, The Moon, Nine of Cups
  };
  if (index < 0 || index >= numberCardCount(number)) return -1;
  if (number == 11) return 8;  // Justice
  if (number == 22) return 0;  // The Fool
  return kSets[number - 1][index];
}

// The resource names of the pictures (":/art/tn/...").
QString spreadCardPath(int cardNumber);
QString numberCardPath(int cardNumber);
QString spreadPlaceholderPath();
QString numberPlaceholderPath();

// The small face of a card of the deck (0..77): the grid's picture of that
// card. The small face-down card for any other number or when the picture
// cannot be read.
QImage spreadCard(int cardNumber);
// Picture `index` (0-based) of a number's set; the large face-down card
// when the number has no such picture or it cannot be read.
QImage numberCard(int number, int index);
// The face-down cards: 72 x 120 for the grid, 142 x 250 for the number
// pages.
QImage spreadPlaceholder();
QImage numberPlaceholder();

}  // namespace TarotNumerologyPictures

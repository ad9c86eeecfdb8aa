#include "tarot/TarotCardTable.h"

#include "platform/Services.h"
#include "tarot/TarotCardTexts.h"

namespace TarotCardTable {
namespace {

const char* const kNames[kCardCount] = {
    "Death", "The Hermit", "Judgement", "Justice", "Strength", "Temperance", "The Fool",
    "The Chariot", "The Devil", "The Emperor", "The Empress", "The Hanged Man", "The Hierophant",
    "The High Priestess", "The Lovers", "The Magician", "The Moon", "The Star", "The Sun",
    "The Tower", "The World", "Wheel Fortune",
    "Two of Cups", "Two of Swords", "Two of Wands",
    "Three of Cups", "Three of Pentacles", "Three of Swords", "Three of Wands",
    "Four of Cups", "Four of Pentacles", "Four of Swords", "Four of Wands",
    "Five of Cups", "Five of Pentacles", "Five of Swords", "Five of Wands",
    "Six of Cups", "Six of Pentacles", "Six of Swords", "Six of Wands",
    "Seven of Cups", "Seven of Pentacles", "Seven of Swords", "Seven of Wands",
    "Eight of Cups", "Eight of Pentacles", "Eight of Swords", "Eight of Wands",
    "Nine of Cups", "Nine of Pentacles", "Nine of Swords", "Nine of Wands",
    "Ten of Cups", "Ten of Pentacles", "Ten of Swords", "Ten of Wands",
    "Ace of Cups", "Ace of Pentacles", "Ace of Swords", "Ace of Wands",
    "King of Cups", "King of Pentacles", "King of Swords", "King of Wands",
    "Knight of Cups", "Knight of Pentacles", "Knight of Swords", "Knight of Wands",
    "Page of Cups", "Page of Pentacles", "Page of Swords", "Page of Wands",
    "Queen of Cups", "Queen of Pentacles", "Queen of Swords", "Queen of Wands",
    "Two of Pentacles"};

// Traditional numbers of the Major Arcana in the program's order.
const int kTraditional[kMajorCount] = {13, 9, 20, 11, 8, 14, 0, 7, 15, 4, 3,
                                       12, 5, 2, 6, 1, 18, 17, 19, 16, 21, 10};

}  // namespace

bool isCard(int number) { return number >= 0 && number < kCardCount; }

QString name(int number) {
  return isCard(number) ? QString::fromLatin1(kNames[number]) : QString();
}

QString reversedName(int number) {
  return isCard(number) ? name(number) + QStringLiteral(" - Reversed") : QString();
}

int minorNumber(int value, Suit suit) {
  const int s = int(suit);
  if (value == 2) return suit == Pentacles ? 77 : 22 + (s == Cups ? 0 : s == Swords ? 1 : 2);
  if (value >= 3 && value <= 10) return 25 + 4 * (value - 3) + s;
  switch (value) {
    case 1: return 57 + s;
    case 14: return 61 + s;
    case 12: return 65 + s;
    case 11: return 69 + s;
    case 13: return 73 + s;
    default: return -1;
  }
}

bool minorOf(int number, Suit* suit, int* value) {
  if (number < kFirstMinor || number >= kCardCount) return false;
  for (int s = 0; s < 4; ++s)
    for (int v = 1; v <= 14; ++v)
      if (minorNumber(v, Suit(s)) == number) {
        if (suit) *suit = Suit(s);
        if (value) *value = v;
        return true;
      }
  return false;
}

int majorTraditionalNumber(int number) {
  return number >= 0 && number < kMajorCount ? kTraditional[number] : -1;
}

QString uprightMeaning(int number) {
  return isCard(number) ? QString::fromUtf8(TarotCardTexts::upright(number)) : QString();
}

QString reversedMeaning(int number) {
  return isCard(number) ? QString::fromUtf8(TarotCardTexts::reversed(number)) : QString();
}

QString picturePath(const QString& deckLetter, int number) {
  if (!isCard(number)) return QString();
  return platform::programFolder() + QStringLiteral("/cards/") + deckLetter +
         QString::number(number) + QStringLiteral(".jpg");
}

}  // namespace TarotCardTable

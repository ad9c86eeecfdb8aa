#pragma once
#include <QString>

// The tarot reading's deck: 78 cards numbered 0 to 77 in the program's own
// order (0..21 the Major Arcana, 22..77 the Minor Arcana). A number outside
// 0..77 names no card.
namespace TarotCardTable {

constexpr int kCardCount = 78;
constexpr int kFirstMajor = 0;
constexpr int kMajorCount = 22;
constexpr int kFirstMinor = 22;
constexpr int kMinorCount = 56;

enum Suit { Cups = 0, Pentacles = 1, Swords = 2, Wands = 3 };

bool isCard(int number);
// The name as the report writes it ("Wheel Fortune"); empty for no card.
QString name(int number);
// The name followed by " - Reversed".
QString reversedName(int number);
QString uprightMeaning(int number);
QString reversedMeaning(int number);

// Number of a pip card (value 2..10) or court card of a suit. Court values:
// 1 Ace, 11 Page, 12 Knight, 13 Queen, 14 King.
int minorNumber(int value, Suit suit);
// The suit of a Minor Arcana card and its value (1 Ace, 2..10, 11 Page,
// 12 Knight, 13 Queen, 14 King); false for a Major Arcana card or no card.
bool minorOf(int number, Suit* suit, int* value);
// The traditional number (0 The Fool .. 21 The World) of a Major Arcana card.
int majorTraditionalNumber(int number);

// The picture of a card in a deck ("r" or "m"):
// <program folder>/cards/<deck><number>.jpg; empty for a number that names
// no card.
QString picturePath(const QString& deckLetter, int number);

}  // namespace TarotCardTable

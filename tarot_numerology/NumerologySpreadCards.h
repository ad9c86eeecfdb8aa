#pragma once
#include <QString>

// The tarot-numerology mode's own deck of 78 cards, numbered in the
// traditional order: 0 The Fool to 21 The World (Justice 8, Strength 11),
// then Wands 22..35, Cups 36..49, Swords 50..63 and Pentacles 64..77, each
// suit Ace to Ten, Page, Knight, Queen, King. No card number passes between
// this deck and the tarot reading's.
//
// The texts depend on nothing else of the program, so the picture
// generator compiles this file on its own.
namespace NSCardTable {

constexpr int kCardCount = 78;
constexpr int kMajorCount = 22;
constexpr int kSuitSize = 14;

enum class Suit { Wands = 0, Cups = 1, Swords = 2, Pentacles = 3 };

bool isCard(int number);
// Name, keyword line and description of a card; empty for a number that
// names no card.
QString name(int number);
QString keywords(int number);
QString description(int number);

// The suit and value (1 Ace, 2..10, 11 Page, 12 Knight, 13 Queen, 14 King)
// of a Minor Arcana card; false for a Major Arcana card or no card.
bool minorOf(int number, Suit* suit, int* value);
// The number of a Minor Arcana card; -1 for a value outside 1..14.
int minorNumber(Suit suit, int value);
// The number of the card with exactly this name, or -1.
int numberOf(const QString& name);

}  // namespace NSCardTable

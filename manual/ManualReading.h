#pragma once
#include <QString>
#include <optional>

// The rules of a manual tarot reading, apart from its window: the part of
// the deck the cards are drawn from, whether a drawn card lies reversed, and
// the texts the pick window shows while the querent picks and while the
// cards are laid on the board.
namespace ManualReading {

// A run of card numbers: first, first + 1, ..., first + count - 1.
struct DeckPart {
  int first;
  int count;
};
// Major Arcana only (0..21) wins over Minor Arcana only (22..77); neither
// is the whole deck (0..77).
DeckPart deckPart(bool majorArcana, bool minorArcana);

// A card lies reversed when ten times the generator's value, rounded to the
// nearest whole number (a half to the even neighbour), is odd.
bool liesReversed(double value);

// What the pick window shows for a position (0-based) of a spread found by
// its exact list text: the position's title and meaning as the reading's
// report writes them, on one line for the spreads whose report runs them on,
// else with a line break between. Nothing for an unknown spread or position.
std::optional<QString> positionText(const QString& spreadName, int position);

// What the pick window shows once the card of slot k (0-based) of a spread
// (by index) has been laid on the board. Nothing: the box keeps its text.
std::optional<QString> placementText(int spreadIndex, int k);

}  // namespace ManualReading

#pragma once
#include <QList>
#include <QString>
#include <optional>

// The Numerology Spread of the tarot-numerology mode: nine cards of the
// mode's deck (NumerologySpreadCards.h) drawn at random, laid in a grid of
// three rows and reported position by position.
namespace modNumerologySpread {

// The spread number of the Numerology Spread, the only spread this mode
// draws.
constexpr int kNumerologySpread = 14;
// Its positions, 1 to 9.
constexpr int kPositionCount = 9;

// The spread's description, one paragraph.
QString NSSpreadDescription();
// The text of position index k (0..8, positions 1 to 9); empty for any
// other index.
QString NSPositions(int k);

// Draws the cards of a spread: for the Numerology Spread nine pairwise
// distinct card numbers (0..77), element k for position k + 1. The
// generator is reseeded from the clock before each position; a card that is
// already in the spread is drawn again from the running generator. Should
// the generator keep repeating (it never does in practice), the position
// takes the next card not yet drawn after the last candidate, so the draw
// always ends. Any other spread number draws nothing: nullopt.
std::optional<QList<int>> DrawSpreadCards(int spread);

// How many times a position redraws a repeated card before it takes the
// next free card instead.
constexpr int kMaxRedraws = 10000;

}  // namespace modNumerologySpread

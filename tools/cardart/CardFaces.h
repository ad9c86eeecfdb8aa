#pragma once
#include <QImage>

#include "Palette.h"

// The size of every card picture.
constexpr int kCardWidth = 145;
constexpr int kCardHeight = 250;

// The face of card `number` (0..77, the program's own numbering) in a deck:
// its numeral or rank at the top, its picture (emblem, pips or court
// figure) in the middle and its name at the bottom, so that a card lying
// upside down is plainly upside down.
QImage drawCardFace(const DeckStyle& deck, int number);

// The tarot-numerology mode's card pictures, in its own card numbering
// (tarot_numerology/NumerologySpreadCards.h), drawn from the same designs in
// the first deck's colours: the small faces of the spread grid and the
// larger pictures of the number pages.
constexpr int kNumerologySmallWidth = 72;
constexpr int kNumerologySmallHeight = 120;
constexpr int kNumerologyLargeWidth = 142;
constexpr int kNumerologyLargeHeight = 250;
enum class NumerologyFaceSize { Small, Large };
QImage drawNumerologyFace(int number, NumerologyFaceSize size);

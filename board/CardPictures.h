#pragma once
#include <QPixmap>
#include <QString>

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

}  // namespace CardPictures

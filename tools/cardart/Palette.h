#pragma once
#include <QColor>
#include <QString>

// The colours and lettering of one deck. Every symbol and emblem is drawn
// with an Ink taken from the deck, so the same drawing code gives each deck
// its own look.
struct Ink {
  QColor line;     // outlines
  QColor ground;   // what the drawing stands on (used to punch holes)
  QColor red, blue, yellow, green, flesh, steel, wood, white, dark;
  double lineWidth = 2.2;  // in the 100-unit box of an emblem
};

struct DeckStyle {
  QString letter;       // "r" or "m"
  Ink ink;
  QColor groundTop, groundBottom;  // the card's face, top to bottom
  QColor frameOuter, frameInner;
  QColor bandFill, bandLine, bandText;  // the numeral and name bands
  QColor speckle;       // small stars (first deck) or paper grain (second)
  // The old woodcut look: square frames, rays instead of glows, pip cards
  // numbered in roman figures, names in capitals.
  bool woodcut;
  QString serif;        // lettering font family
};

const DeckStyle& firstDeck();   // "r"
const DeckStyle& secondDeck();  // "m"

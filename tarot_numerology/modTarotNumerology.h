#pragma once
#include <QtGlobal>

// Fills the number pages of the result window (loading the window when it is
// not loaded) and loads the card sets of the numbers.
namespace modTarotNumerology {

// Writes number n's values and texts on the Life Path page and points the
// page at n's cards, showing the first. A number outside 1 to 9, 11 and 22
// writes nothing.
void ShowLifePathReading(qint16 n);
// The same for the Destiny page.
void ShowDestinyReading(qint16 n);
// Fills the card-set arrays of the mode's state with n's set, and shows
// card 0 on each page whose first card is pending. A number without a set
// loads nothing.
void LoadCardsForNumber(qint16 n);

}  // namespace modTarotNumerology

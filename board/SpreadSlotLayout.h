#pragma once
#include <QString>
#include <vector>

// Where the card of each position of a spread lies on the spread board:
// slot p(k) holds position k+1, at (left, top) in twips from the board's
// top-left corner.
namespace SpreadSlotLayout {

struct SlotPosition {
  double left;
  double top;
};

// The spread index whose layout applies to a card count and spread name,
// or -1 when none does. Counts 1, 2, 3, 7 and 8 choose by count alone;
// 5, 9, 10, 12 and 21 also need the spread's exact list text.
int lookup(int count, const QString& spreadName);
// The slot positions of a spread index (0..12); empty for any other index.
const std::vector<SlotPosition>& positions(int spreadIndex);

// The crossing card of the Celtic Cross: slot p(1) of spread 0 lies turned
// a quarter turn across p(0).
constexpr int kCelticCrossIndex = 0;
constexpr int kCrossingSlot = 1;

}  // namespace SpreadSlotLayout

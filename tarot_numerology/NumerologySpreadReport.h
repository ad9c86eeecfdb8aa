#pragma once
#include <QList>
#include <QString>
#include <functional>
#include <optional>

namespace platform {
class RichTextBox;
}

// The Numerology Spread's report and the draw that goes with it.
namespace modNumerologySpread {

// Called with a position index k (0..8) and the card laid there, just
// before the position's block is written: the window lays the card's
// picture in its grid.
using LayCard = std::function<void(int k, int card)>;

// Empties box and writes the spread's report into it: the forum invitation,
// the spread's name and description, one block per drawn position (its
// text, and the card's name, keyword line and description) and the closing
// rule and thank-you line. Only the cards given are written: positions
// without a card, and numbers that name no card, are left out.
void WriteNumerologySpreadReport(platform::RichTextBox* box, const QList<int>& cards,
                                 const LayCard& layCard = {});

// Draws a new spread (DrawSpreadCards) and reports it into box, laying each
// card through layCard. Returns the cards drawn; nullopt, with box and grid
// untouched, for any spread but the Numerology Spread.
std::optional<QList<int>> DrawNumerologySpread(int spread, platform::RichTextBox* box,
                                               const LayCard& layCard = {});

}  // namespace modNumerologySpread

#pragma once
#include <vector>

#include "numerology/NumberCatalogue.h"

namespace numerology {

// Gives the catalogue's entries of the numbers from Life Path to Karmic Debt
// (and Marriage Vibration) their titles, headings, texts, computations and
// layouts. Each computation runs the number engine over the input page's
// reading, records in the mode's state what the dependent numbers need
// (Maturity, the bridges, Karmic Debt), and picks the interpretation from
// the number's text table. Entries of other numbers are left as they are.
void completeEntriesOne(std::vector<NumberEntry>& entries);

// The refusal Maturity gives while Life Path or Destiny is missing (0) for
// the present reading.
QString maturityRefusal();

}  // namespace numerology

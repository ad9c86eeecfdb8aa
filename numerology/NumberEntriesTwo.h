#pragma once
#include <vector>

#include "numerology/NumberCatalogue.h"

namespace numerology {

// Gives the catalogue's entries of the cycles and planes - Challenges,
// Pinnacles, Life Path periods, Personal year, month and day, Essence and
// the planes of expression - their titles, headings, texts, computations
// and layouts. Each computation runs the number engine over the input
// page's reading and today's date and picks its paragraphs from the
// number's text tables. Entries of other numbers are left as they are.
void completeEntriesTwo(std::vector<NumberEntry>& entries);

}  // namespace numerology

#pragma once
#include <QString>

#include "tarot/TarotReadingState.h"

namespace platform {
class RichTextBox;
}

// Writes the tarot reading's text into the report box it is handed.
namespace modInfo {

// True when the list has bounds.
bool IsArrayDimensioned(const CardList& arr);
// True when some element equals value.
bool IsInArray(int value, const CardList& arr);
// The report's opening, appended to box: promotional line, invitation, rule,
// and for a known spread its heading, description and a second rule.
void WriteSpreadHeader(platform::RichTextBox* box, const QString& name);
// One entry per laid card and the closing line, at the box's insertion
// point.
void WriteReadingCards(platform::RichTextBox* box, const CardList& cards, const CardList& reversed);
// Title and meaning of position i of the spread named by strReportSpread.
void WritePositionMeaning(platform::RichTextBox* box, int i);
// Unloads every window and ends the program.
void UnloadAllForms();

}  // namespace modInfo

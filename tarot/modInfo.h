#pragma once
#include <QString>

#include "tarot/TarotReadingState.h"

// Writes the tarot reading's text into the main window's report box.

// True when the list has bounds.
bool IsArrayDimensioned(const CardList& arr);
// True when some element equals value.
bool IsInArray(int value, const CardList& arr);
// The report's opening: promotional line, invitation, rule, and for a known
// spread its heading, description and a second rule.
void WriteSpreadHeader(const QString& name);
// One entry per laid card and the closing line, at the insertion point.
void WriteReadingCards(const CardList& cards, const CardList& reversed);
// Title and meaning of position i of the spread named by strReportSpread.
void WritePositionMeaning(int i);
// Unloads every window and ends the program.
void UnloadAllForms();

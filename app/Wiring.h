#pragma once

// The wiring above the modes: what the shell and the modes reach of each
// other without knowing each other. The program wires itself once at start;
// a test wires afresh before each case, after replacing nothing or a part.
namespace app {

// Registers each mode's first window with the mode switch, the main
// window's Save, and the tarot hand-over route (board, manual pick, opened
// reading).
void wireProgram();

// The main window's Save of the tarot reading on the board.
void saveTarotReading();

}  // namespace app

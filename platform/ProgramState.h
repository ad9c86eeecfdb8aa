#pragma once
#include <functional>

// The program's state objects (the shell's state, each mode's state) live
// from their first use until the program ends. Each registers, on its first
// use, how to return to its first state, so that one call returns the whole
// program to its start: what a test does before every case.
//
// The pattern for a state accessor:
//
//   ModeState& modeState() {
//     static ModeState state;
//     static const bool registered =
//         platform::registerStateReset([] { modeState() = ModeState(); });
//     (void)registered;
//     return state;
//   }
namespace platform {

// Adds a reset to the registry; returns true (for a static initialiser).
bool registerStateReset(std::function<void()> reset);
// Runs every registered reset, in the order they were registered.
void resetProgramState();

}  // namespace platform

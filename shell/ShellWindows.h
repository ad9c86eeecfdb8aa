#pragma once

// Windows of the shell that other windows open.
namespace shell {
// The About box, modal over the caller.
void showAboutBox();
// The exit screen, shown when the main window closes.
void showExitScreen();
}  // namespace shell

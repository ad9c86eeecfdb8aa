#include "shell/ShellWindows.h"

#include "shell/modHelp.h"

namespace shell {

void showAboutBox() {}

// Until the exit screen exists, closing the main window ends the program.
void showExitScreen() { QuitProgram(); }

}  // namespace shell

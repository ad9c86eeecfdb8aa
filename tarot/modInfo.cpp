#include "tarot/modInfo.h"

#include "shell/modHelp.h"

// The reading-text writer replaces this file as a whole; until then only
// the program's end is here, which takes the same steps as quitting.
void UnloadAllForms() { QuitProgram(); }

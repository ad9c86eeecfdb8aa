#include "shell/ShellWindows.h"

#include "platform/Forms.h"
#include "shell/frmAbout.h"
#include "shell/frmExitScreen.h"

namespace shell {

// Each opening loads the box afresh; the caller waits until it closes.
void showAboutBox() { platform::Forms::get<frmAbout>()->ShowModal(); }

void showExitScreen() { platform::Forms::get<frmExitScreen>()->Show(); }

}  // namespace shell

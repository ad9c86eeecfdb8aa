#include "platform/Forms.h"
#include "shell/frmMDI.h"

// The first window of each mode. A mode whose windows are not part of the
// program yet opens nothing.
void shell::openModeWindow(int mode) {
  platform::Form* first = nullptr;
  switch (mode) {
    default:
      break;
  }
  if (!first) return;
  first->Show();
  first->placeTopCentre();
}

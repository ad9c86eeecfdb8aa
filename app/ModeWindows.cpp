#include "platform/Forms.h"
#include "shell/frmMDI.h"
#include "numerology/frmKestruneSoftwareMain.h"
#include "tarot/frmTarotOpen.h"
#include "tarot_numerology/frmTarotNumerologyMain.h"

// The first window of each mode. A mode whose windows are not part of the
// program yet opens nothing.
void shell::openModeWindow(int mode) {
  platform::Form* first = nullptr;
  switch (mode) {
    case 0:
      first = platform::Forms::get<frmKestruneSoftwareMain>();
      break;
    case 1:
      first = platform::Forms::get<frmTarotOpen>();
      break;
    case 2:
      first = platform::Forms::get<frmTarotNumerologyMain>();
      break;
    default:
      break;
  }
  if (!first) return;
  first->Show();
  first->placeTopCentre();
}

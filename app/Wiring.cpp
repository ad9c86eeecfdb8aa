#include "app/Wiring.h"

#include "board/frmAuto.h"
#include "manual/frmTarotManual.h"
#include "numerology/frmKestruneSoftwareMain.h"
#include "platform/Forms.h"
#include "shell/MainFace.h"
#include "shell/frmMDI.h"
#include "tarot/BoardLink.h"
#include "tarot/frmTarotOpen.h"
#include "tarot_numerology/frmTarotNumerologyMain.h"

namespace app {

void wireProgram() {
  using platform::Forms;
  shell::registerModeWindow(0, [] { return Forms::get<frmKestruneSoftwareMain>(); });
  shell::registerModeWindow(1, [] { return Forms::get<frmTarotOpen>(); });
  shell::registerModeWindow(2, [] { return Forms::get<frmTarotNumerologyMain>(); });
  shell::registerSaveReading(saveTarotReading);

  tarot::HandOverRoute& route = tarot::handOverRoute();
  // Shows the board; a board that is not loaded loads first, and its load
  // deals the reading.
  route.showBoard = [] { Forms::get<frmAuto>()->Show(); };
  route.showManualPick = [] { Forms::get<frmTarotManual>()->Show(); };
  route.layOutOpenedReading = [](int count) { Forms::get<frmAuto>()->DONE1(count); };
  route.prepareBoard = [] {
    frmAuto::prepare();
    shell::mainface::prepareQuerentStrip();
    shell::mainface::prepareReport();
  };
}

}  // namespace app

#include "manual/frmTarotManual.h"
#include "platform/Forms.h"
#include "tarot/BoardLink.h"

// How the spread page reaches the manual pick window.

void tarot::showManualPick() { platform::Forms::get<frmTarotManual>()->Show(); }

// By window name, so that whatever stands in the pick window's place goes too.
void tarot::unloadManualPick() { platform::Forms::unloadByName(QStringLiteral("frmTarotManual")); }

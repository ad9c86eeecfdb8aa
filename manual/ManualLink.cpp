#include "platform/Forms.h"
#include "tarot/BoardLink.h"

// The spread page reaches the manual pick window by its window name. The
// pick window's own module replaces this file with one that loads the window
// class itself; here a pick window that is not loaded cannot be brought up.

namespace {
const QString kManual = QStringLiteral("frmTarotManual");
}

void tarot::showManualPick() {
  if (platform::Form* pick = platform::Forms::findByName(kManual)) pick->Show();
}

void tarot::unloadManualPick() { platform::Forms::unloadByName(kManual); }

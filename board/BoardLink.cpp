#include "platform/Forms.h"
#include "tarot/BoardLink.h"

// The spread page reaches the board by its window name. The board's own
// module replaces this file with one that loads the board class itself; here
// a board that is not loaded cannot be brought up, so AutoCast shows nothing.

namespace {
const QString kBoard = QStringLiteral("frmAuto");
}

void tarot::showBoardForAutoCast() {
  if (platform::Form* board = platform::Forms::findByName(kBoard)) board->Show();
}

void tarot::unloadBoard() { platform::Forms::unloadByName(kBoard); }

bool tarot::boardLoaded() { return platform::Forms::findByName(kBoard) != nullptr; }

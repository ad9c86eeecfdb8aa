#include "board/frmAuto.h"
#include "platform/Forms.h"
#include "tarot/BoardLink.h"

// How the tarot pages reach the spread board.

void tarot::showBoardForAutoCast() { platform::Forms::get<frmAuto>()->Show(); }

// By window name, so that whatever stands in the board's place goes too.
void tarot::unloadBoard() { platform::Forms::unloadByName(QStringLiteral("frmAuto")); }

bool tarot::boardLoaded() { return platform::Forms::findByName(QStringLiteral("frmAuto")) != nullptr; }

void tarot::placeBoardTopLeft() {
  if (platform::Form* board = platform::Forms::findByName(QStringLiteral("frmAuto"))) {
    board->setLeft(0);
    board->setTop(0);
  }
}

void tarot::layOutOpenedReading(int count) { platform::Forms::get<frmAuto>()->DONE1(count); }

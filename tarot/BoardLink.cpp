#include "tarot/BoardLink.h"

#include <QTimer>

#include "platform/Forms.h"

namespace tarot {

HandOverRoute& handOverRoute() {
  static HandOverRoute route;
  return route;
}

void showBoardForAutoCast() {
  if (handOverRoute().showBoard) handOverRoute().showBoard();
}

void showManualPick() {
  if (handOverRoute().showManualPick) handOverRoute().showManualPick();
}

void layOutOpenedReading(int count) {
  if (handOverRoute().layOutOpenedReading) handOverRoute().layOutOpenedReading(count);
}

void prepareBoardSoon() {
  QTimer::singleShot(0, [] {
    if (handOverRoute().prepareBoard) handOverRoute().prepareBoard();
  });
}

void unloadBoard() { platform::Forms::unloadByName(QStringLiteral("frmAuto")); }

bool boardLoaded() { return platform::Forms::findByName(QStringLiteral("frmAuto")) != nullptr; }

void placeBoardTopLeft() {
  if (platform::Form* board = platform::Forms::findByName(QStringLiteral("frmAuto"))) {
    board->setLeft(0);
    board->setTop(0);
  }
}

void unloadManualPick() { platform::Forms::unloadByName(QStringLiteral("frmTarotManual")); }

}  // namespace tarot

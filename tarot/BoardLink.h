#pragma once
#include <functional>

// How the spread page hands a reading over to the windows that make it: the
// spread board (AutoCast) and the manual pick window (Manual). The spread
// page knows neither class; their modules implement these functions.
namespace tarot {

// Beside the spread board (board/BoardLink.cpp). The board's window name is
// "frmAuto".
// Shows the board modeless. A board that is not loaded loads first, and its
// load deals the reading; a loaded board is only shown.
void showBoardForAutoCast();
// Unloads the board when it is loaded.
void unloadBoard();
bool boardLoaded();
// Moves a loaded board to the left top of the main window's client area, so
// that it never lies under the report panel.
void placeBoardTopLeft();
// Lays the opened saved reading of the current-reading record out on the
// board (loading it when needed) and writes its report; count is the number
// of saved positions.
void layOutOpenedReading(int count);

// Beside the manual pick window (manual/ManualLink.cpp). Its window name is
// "frmTarotManual".
// Shows the pick window modeless, loading it first when it is not loaded.
void showManualPick();
// Unloads the pick window when it is loaded.
void unloadManualPick();

// The way the spread page takes to the two windows. The program uses the
// functions above; a test puts stand-ins in their place.
struct HandOverRoute {
  std::function<void()> showBoard = showBoardForAutoCast;
  std::function<void()> showManualPick = tarot::showManualPick;
};
HandOverRoute& handOverRoute();

}  // namespace tarot

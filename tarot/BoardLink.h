#pragma once
#include <functional>

// How the tarot pages hand a reading over to the windows that make it: the
// spread board (AutoCast, an opened saved reading) and the manual pick
// window (Manual). The tarot pages know neither class: the program's wiring
// installs the route, and a test puts stand-ins in its place.
namespace tarot {

struct HandOverRoute {
  // Shows the board modeless. A board that is not loaded loads first, and
  // its load deals the reading; a loaded board is only shown.
  std::function<void()> showBoard;
  // Shows the pick window modeless, loading it first when it is not loaded.
  std::function<void()> showManualPick;
  // Lays the opened saved reading of the current-reading record out on the
  // board (loading it when needed) and writes its report; the argument is
  // the number of saved positions.
  std::function<void(int count)> layOutOpenedReading;
  // Readies what a fresh board starts from, so that the first reading does
  // not wait for it.
  std::function<void()> prepareBoard;
};
HandOverRoute& handOverRoute();

// The steps of the route; each does nothing while no route is installed.
void showBoardForAutoCast();
void showManualPick();
void layOutOpenedReading(int count);
// Readies the board once the events now waiting have run: a page calls it
// when it opens, and the work is done while the person reads the page.
void prepareBoardSoon();

// By window name ("frmAuto", "frmTarotManual"), so that whatever stands in
// a window's place goes too.
void unloadBoard();
bool boardLoaded();
void unloadManualPick();
// Moves a loaded board to the left top of the main window's client area, so
// that it never lies under the report panel.
void placeBoardTopLeft();

}  // namespace tarot

#pragma once
#include <QIcon>
#include <QPixmap>

// The pictures the windows carry, compiled into the program. Each is read
// only when a window asks for it.
namespace shell {

// The program's icon (16, 32, 48 and 64 pixels).
QIcon programIcon();
// The icon in front of each mode button: 0 numerology, 1 tarot, 2 tarot
// numerology; size in pixels.
QPixmap modeIcon(int mode, int size);
// The spread board's window icon (16 and 32 pixels).
QIcon boardIcon();
// The back of a card at the size of a card picture (145 x 250).
QPixmap cardBack();
// The back of a card for the small face-down deck (27 x 48).
QPixmap cardBackSmall();

}  // namespace shell

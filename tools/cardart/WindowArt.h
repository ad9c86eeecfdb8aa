#pragma once
#include <QImage>

// The pictures the windows carry.

// The program's emblem: a star and a crescent in a gold ring.
QImage drawProgramIcon(int size);
// The icon in front of a mode button: 0 numerology, 1 tarot reading,
// 2 tarot numerology.
QImage drawModeIcon(int mode, int size);
// The spread board's window icon: three cards laid on the table.
QImage drawBoardIcon(int size);
// The back of a card, the same whichever way up it lies; the small size is
// drawn plainer so that it stays clear.
QImage drawCardBack(int width, int height);

#pragma once
#include <QIcon>
#include <QPixmap>

// The pictures the windows carry.
namespace shell {

// The program's icon.
QIcon programIcon();
// The icon in front of each mode button: 0 numerology, 1 tarot, 2 tarot
// numerology; size in pixels.
QPixmap modeIcon(int mode, int size);

}  // namespace shell

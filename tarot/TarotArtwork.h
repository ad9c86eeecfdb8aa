#pragma once
#include <QIcon>
#include <QPixmap>

// The pictures the tarot set-up windows carry, drawn by the program.
namespace tarot {

// The splash picture: 500 x 334 pixels.
QPixmap splashPicture();
// The background of the front page and the spread page: 600 x 400 pixels.
QPixmap pageBackground();
// The icon of the tarot windows.
QIcon tarotIcon();

}  // namespace tarot

#pragma once
#include <QImage>

// The size of a spread picture: the spread page's picture box.
constexpr int kSpreadWidth = 145;
constexpr int kSpreadHeight = 249;

// The layout picture of spread `index` (0..12): each slot of the spread's
// board layout drawn to scale as a small card with its position number.
QImage drawSpreadPicture(int index);

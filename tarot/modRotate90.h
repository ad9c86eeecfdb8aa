#pragma once

class QLabel;

// Turns the picture shown in a picture box in place: a quarter turn
// clockwise (the box's width and height swap) or a half turn.
namespace modRotate90 {
void RotatePicture90(QLabel* box);
void RotatePicture180(QLabel* box);
}  // namespace modRotate90

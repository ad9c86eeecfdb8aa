#pragma once
#include <QRect>

class QWidget;

// Positions and sizes in twips: 15 twips to the pixel. Values are kept as
// doubles on the widget and rounded only when applied, so a position set
// from a computation reads back unrounded.
namespace platform {

constexpr double kTwipsPerPixel = 15.0;

int toPx(double twips);
double toTwips(int px);

double screenWidthTwips();
double screenHeightTwips();

double twLeft(const QWidget* w);
double twTop(const QWidget* w);
double twWidth(const QWidget* w);
double twHeight(const QWidget* w);
void setTwLeft(QWidget* w, double v);
void setTwTop(QWidget* w, double v);
void setTwWidth(QWidget* w, double v);
void setTwHeight(QWidget* w, double v);
void setTwGeometry(QWidget* w, double left, double top, double width, double height);

}  // namespace platform

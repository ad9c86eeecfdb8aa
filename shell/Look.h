#pragma once
#include <QColor>
#include <QFont>
#include <QString>

class QLabel;
class QWidget;

namespace platform {
class VbButton;
}

// The look the program's windows share: their fonts, colours and the grey
// graphical buttons.
namespace shell {

QFont verdana(double pt, bool bold = false, bool underline = false);
// Paint the widget's background in a solid colour.
void fillColour(QWidget* w, const QColor& c);
// The colour of a widget's text.
void textColour(QWidget* w, const QColor& c);
// A graphical button with a light grey face and Verdana 8.25 pt bold.
platform::VbButton* greyButton(const QString& caption, const QString& name, QWidget* parent);
// Places a top-level window in the middle of the screen.
void centreOnScreen(QWidget* w);
// Shrinks a one-line label's font, down to minPt, until its text fits the
// width it was given; the label keeps its place and size.
void fitTextToWidth(QLabel* label, double minPt);

}  // namespace shell

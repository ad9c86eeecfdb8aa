#pragma once
#include <QColor>
#include <QFont>
#include <QString>

class QLabel;
class QPixmap;
class QWidget;

namespace platform {
class Form;
class VbButton;
class VbLabel;
}  // namespace platform

// The look the program's windows share: their fonts, colours, buttons, link
// labels and frames.
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
// Shrinks a word-wrapped label's font, down to minPt, until all of its
// lines fit the height it was given; the label keeps its place and size.
void fitWrappedText(QLabel* label, double minPt);
// Shrinks a one-line label's font, down to minPt, until its text fits the
// width it was given; the label keeps its place and size.
void fitTextToWidth(QLabel* label, double minPt);

// Give a window the application's own colours, so that it does not take on
// the colours of the main window it lies in.
void standardColours(QWidget* window);
// Shrink the font of every text label under root, down to 7 pt at the
// least, until its text fits the box it was given (its width for one line,
// its height for wrapped text).
void fitLabels(QWidget* root);
// Show a picture in a picture box, shrunk to fit the box whole when it is
// larger than the box.
void setPictureFitted(QLabel* box, const QPixmap& picture);
// A graphical button whose face shows its back colour (0x00BBGGRR).
platform::VbButton* faceButton(const QString& caption, const QString& name, quint32 bgr,
                               QWidget* parent);
// A bold label in Verdana.
QLabel* boldLabel(const QString& caption, const QString& name, double pt, QWidget* parent);
// Blue underlined text with the pointing hand, as the link labels look.
platform::VbLabel* linkLabel(const QString& caption, const QString& name, double pt, bool bold,
                             QWidget* parent);
// The invitation to the maker's forum that the banner and the mode pages
// carry.
QString forumInvitation();

// How a child window's frame looks inside the main window.
enum class FrameStyle {
  None,          // no border, no title bar
  FixedDialog,   // fixed border, title and close box only
  FixedNoMax,    // fixed border, title, minimise and close box
};
// Gives the window's frame its style and fixes its size to the window's
// present size, so the client area is the one the window was built with.
void fixFrame(platform::Form* form, FrameStyle style);

}  // namespace shell

#pragma once
#include <QColor>
#include <QFont>
#include <QString>

#include "shell/Look.h"

class QLabel;
class QPixmap;
class QWidget;
class frmMDI;

namespace platform {
class Form;
class VbButton;
class VbLabel;
}  // namespace platform

// The look and the frame that the tarot set-up windows share.
namespace tarot {

using shell::fillColour;
using shell::textColour;
using shell::verdana;

// Give a window the application's own colours, so that it does not take on
// the colours of the main window it lies in.
void standardColours(QWidget* window);
// Shrink the font of every one-line text label under root, down to 7 pt at
// the least, until its text fits the width it was given.
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
// The red please-wait panel of the tarot windows, 5295 x 975 twips at
// (left, top) and hidden: "Please Wait ..." (Label1) above the line that the
// reading is being made (Label2).
struct PleaseWaitPanel {
  QWidget* panel;
  QLabel* Label1;
  QLabel* Label2;
};
PleaseWaitPanel pleaseWaitPanel(QWidget* parent, double left, double top);
// A line of the panel with the given name, in Label2's place.
QLabel* pleaseWaitLine(QWidget* panel, const QString& name);
// The forum invitation the tarot pages carry at their top.
QString forumInvitation();
// The business and co-brand invitations of the promotional frame.
QString fullBrandInvitation();
QString coBrandInvitation();

// How a child window's frame looks inside the main window.
enum class FrameStyle {
  None,          // no border, no title bar
  FixedDialog,   // fixed border, title and close box only
  FixedNoMax,    // fixed border, title, minimise and close box
};
// Gives the window's frame its style and fixes its size to the window's
// present size, so the client area is the one the window was built with.
void fixFrame(platform::Form* form, FrameStyle style);

// The main window, also while it is closing; loaded when it is not loaded.
frmMDI* mainWindow();

}  // namespace tarot

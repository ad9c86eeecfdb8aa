#pragma once
#include <QString>

#include "shell/Look.h"

class QLabel;
class QWidget;

// The look of the tarot windows: the shell's shared helpers, and the red
// please-wait panel that only the tarot windows show.
namespace tarot {

using shell::boldLabel;
using shell::faceButton;
using shell::fillColour;
using shell::fitLabels;
using shell::fixFrame;
using shell::FrameStyle;
using shell::forumInvitation;
using shell::linkLabel;
using shell::setPictureFitted;
using shell::standardColours;
using shell::textColour;
using shell::verdana;

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

}  // namespace tarot

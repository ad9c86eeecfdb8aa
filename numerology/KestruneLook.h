#pragma once
#include <QString>

#include "shell/PromoFrame.h"

class QWidget;

// What the numerology windows share of their look: the forum line and the
// promotional frame with the mode's own co-brand invitation.
namespace numerology {

// The site's name as the windows show it.
QString siteName();
// "The Most Popular Online Mystic Discussion Board. ... Visit <site> Now"
QString forumLine();
// The promotional frame at (left, top, width, height) twips in parent, its
// two labels filling it; the business offer covers the co-brand one. The
// labels' clicks are left to the window's handlers.
shell::PromoFrame promoFrame(QWidget* parent, double left, double top, double width, double height);

}  // namespace numerology

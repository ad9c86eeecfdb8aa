#pragma once
#include <QString>

class QGroupBox;
class QWidget;

namespace platform {
class VbLabel;
}

// What the numerology windows share of their look: the forum line, the link
// labels and the promotional frame.
namespace numerology {

// The site's name as the windows show it.
QString siteName();
// "The Most Popular Online Mystic Discussion Board. ... Visit <site> Now"
QString forumLine();
// Blue underlined text with the pointing hand; it wraps.
platform::VbLabel* linkLabel(const QString& text, const QString& name, bool bold, QWidget* parent);

// The promotional frame: the business offer on top of the co-brand
// invitation, at the same place.
struct BrandFrame {
  QGroupBox* frame;
  platform::VbLabel* lblFullBrand;
  platform::VbLabel* lblCobrand;
};
// The labels fill the frame's width less 120 twips a side; size the frame
// with setTwGeometry and the labels follow.
BrandFrame brandFrame(QWidget* parent);

}  // namespace numerology

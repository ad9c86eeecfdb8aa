#pragma once
#include <QString>

class QGroupBox;
class QWidget;

namespace platform {
class VbLabel;
}

// The promotional frame the mode pages carry: a frame without caption that
// holds two link labels at the same place, the business offer and the
// co-brand offer, one covering the other.
namespace shell {

// The business offer, as every window words it.
QString fullBrandInvitation();
// The co-brand offer of the tarot pages.
QString coBrandInvitation();

struct PromoFrameLayout {
  // The frame, in twips within its parent.
  double left = 0, top = 0, width = 0, height = 0;
  // Both labels, in twips within the frame.
  double labelLeft = 120, labelTop = 165, labelWidth = 0, labelHeight = 0;
  // The business label a few twips higher than the co-brand label, where a
  // page draws it so.
  double fullBrandTopOffset = 0;
  QString coBrandText = coBrandInvitation();
  bool centred = false;
  bool coBrandOnTop = false;  // else the business label covers the co-brand one
  // Which of the two labels open their pages when clicked (the business
  // label the fully-branded page, the co-brand label the co-brand page).
  bool fullBrandLinked = true;
  bool coBrandLinked = true;
};

struct PromoFrame {
  QGroupBox* fraFullBrand;
  platform::VbLabel* lblFullBrand;
  platform::VbLabel* lblCobrand;
};

// Builds the frame in parent. The covered label takes no focus.
PromoFrame promoFrame(QWidget* parent, const PromoFrameLayout& layout);

}  // namespace shell

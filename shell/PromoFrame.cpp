#include "shell/PromoFrame.h"

#include <QGroupBox>

#include "platform/Controls.h"
#include "platform/Twips.h"
#include "shell/Look.h"
#include "shell/modHelp.h"

namespace shell {

QString fullBrandInvitation() {
  return QStringLiteral("Home Business Opportunity. Start your own Internet business and make money "
                        "online. Get this software fully branded for your website. Click here for "
                        "more details.");
}

QString coBrandInvitation() {
  return QStringLiteral("Co-brand this software for your site. Put your own name and address on "
                        "it and hand it to your visitors. Click Here for more info on co-branding.");
}

PromoFrame promoFrame(QWidget* parent, const PromoFrameLayout& layout) {
  PromoFrame f;
  f.fraFullBrand = platform::named(new QGroupBox(parent), QStringLiteral("fraFullBrand"));
  platform::setTwGeometry(f.fraFullBrand, layout.left, layout.top, layout.width, layout.height);
  f.lblCobrand = linkLabel(layout.coBrandText, QStringLiteral("lblCobrand"), 8.25, true, f.fraFullBrand);
  platform::setTwGeometry(f.lblCobrand, layout.labelLeft, layout.labelTop, layout.labelWidth,
                          layout.labelHeight);
  f.lblFullBrand = linkLabel(fullBrandInvitation(), QStringLiteral("lblFullBrand"), 8.25, true,
                             f.fraFullBrand);
  platform::setTwGeometry(f.lblFullBrand, layout.labelLeft, layout.labelTop + layout.fullBrandTopOffset,
                          layout.labelWidth, layout.labelHeight);
  if (layout.centred) {
    f.lblCobrand->setAlignment(Qt::AlignCenter);
    f.lblFullBrand->setAlignment(Qt::AlignCenter);
  }
  // The label on top covers the other one whole.
  platform::VbLabel* top = layout.coBrandOnTop ? f.lblCobrand : f.lblFullBrand;
  platform::VbLabel* covered = layout.coBrandOnTop ? f.lblFullBrand : f.lblCobrand;
  top->setAutoFillBackground(true);
  top->raise();
  covered->setFocusPolicy(Qt::NoFocus);
  if (layout.fullBrandLinked)
    QObject::connect(f.lblFullBrand, &platform::VbLabel::Click, f.fraFullBrand,
                     [] { modHelp::GoToFullyBrandedPage(); });
  if (layout.coBrandLinked)
    QObject::connect(f.lblCobrand, &platform::VbLabel::Click, f.fraFullBrand,
                     [] { modHelp::GoToCoBrandPage(); });
  return f;
}

}  // namespace shell

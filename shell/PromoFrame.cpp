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

PromoFrame promoFrame(QWidget* parent, const PromoFrameSpec& spec) {
  PromoFrame f;
  f.fraFullBrand = platform::named(new QGroupBox(parent), QStringLiteral("fraFullBrand"));
  platform::setTwGeometry(f.fraFullBrand, spec.left, spec.top, spec.width, spec.height);
  f.lblCobrand = linkLabel(spec.coBrandText, QStringLiteral("lblCobrand"), 8.25, true, f.fraFullBrand);
  platform::setTwGeometry(f.lblCobrand, spec.labelLeft, spec.labelTop, spec.labelWidth,
                          spec.labelHeight);
  f.lblFullBrand = linkLabel(fullBrandInvitation(), QStringLiteral("lblFullBrand"), 8.25, true,
                             f.fraFullBrand);
  platform::setTwGeometry(f.lblFullBrand, spec.labelLeft, spec.labelTop + spec.fullBrandTopOffset,
                          spec.labelWidth, spec.labelHeight);
  if (spec.centred) {
    f.lblCobrand->setAlignment(Qt::AlignCenter);
    f.lblFullBrand->setAlignment(Qt::AlignCenter);
  }
  // The label on top covers the other one whole.
  platform::VbLabel* top = spec.coBrandOnTop ? f.lblCobrand : f.lblFullBrand;
  platform::VbLabel* covered = spec.coBrandOnTop ? f.lblFullBrand : f.lblCobrand;
  top->setAutoFillBackground(true);
  top->raise();
  covered->setFocusPolicy(Qt::NoFocus);
  if (spec.fullBrandLinked)
    QObject::connect(f.lblFullBrand, &platform::VbLabel::Click, f.fraFullBrand,
                     [] { modHelp::GoToFullyBrandedPage(); });
  if (spec.coBrandLinked)
    QObject::connect(f.lblCobrand, &platform::VbLabel::Click, f.fraFullBrand,
                     [] { modHelp::GoToCoBrandPage(); });
  return f;
}

}  // namespace shell

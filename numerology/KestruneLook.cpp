#include "numerology/KestruneLook.h"

#include "shell/Site.h"

namespace numerology {

QString siteName() { return shell::siteDomain(); }

QString forumLine() {
  return QStringLiteral(
             "The Most Popular Online Mystic Discussion Board. Best Resource For Everything "
             "Mystic. Visit ") +
         siteName() + QStringLiteral(" Now");
}

shell::PromoFrame promoFrame(QWidget* parent, double left, double top, double width, double height) {
  shell::PromoFrameSpec spec;
  spec.left = left;
  spec.top = top;
  spec.width = width;
  spec.height = height;
  spec.labelLeft = 120;
  spec.labelTop = 165;
  spec.labelWidth = width - 240;
  spec.labelHeight = height - 225;
  spec.coBrandText = QStringLiteral(
      "Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your "
      "site's name &  link here. See \"Help\" for details.    Click Here for more info on "
      "co-branding.");
  spec.fullBrandLinked = false;
  spec.coBrandLinked = false;
  return shell::promoFrame(parent, spec);
}

}  // namespace numerology

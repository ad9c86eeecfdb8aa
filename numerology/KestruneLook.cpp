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
  shell::PromoFrameLayout layout;
  layout.left = left;
  layout.top = top;
  layout.width = width;
  layout.height = height;
  layout.labelLeft = 120;
  layout.labelTop = 165;
  layout.labelWidth = width - 240;
  layout.labelHeight = height - 225;
  layout.coBrandText = QStringLiteral(
      "Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your "
      "site's name &  link here. See \"Help\" for details.    Click Here for more info on "
      "co-branding.");
  layout.fullBrandLinked = false;
  layout.coBrandLinked = false;
  return shell::promoFrame(parent, layout);
}

}  // namespace numerology

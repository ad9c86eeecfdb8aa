#include "numerology/KestruneLook.h"

#include <QEvent>
#include <QGroupBox>

#include "platform/Controls.h"
#include "platform/Twips.h"
#include "shell/Site.h"
#include "tarot/TarotLook.h"

namespace numerology {
namespace {

// Keeps the two labels of the promotional frame filling it.
class FitToFrame : public QObject {
 public:
  FitToFrame(QGroupBox* frame, QList<QWidget*> labels) : QObject(frame), labels_(labels) {
    frame->installEventFilter(this);
  }
  bool eventFilter(QObject* o, QEvent* e) override {
    if (e->type() == QEvent::Resize) {
      auto* frame = static_cast<QWidget*>(o);
      for (QWidget* l : labels_)
        platform::setTwGeometry(l, 120, 195, platform::twWidth(frame) - 240,
                                platform::twHeight(frame) - 255);
    }
    return false;
  }

 private:
  QList<QWidget*> labels_;
};

}  // namespace

QString siteName() { return shell::siteDomain(); }

QString forumLine() {
  return QStringLiteral(
             "The Most Popular Online Mystic Discussion Board. Best Resource For Everything "
             "Mystic. Visit ") +
         siteName() + QStringLiteral(" Now");
}

platform::VbLabel* linkLabel(const QString& text, const QString& name, bool bold, QWidget* parent) {
  return tarot::linkLabel(text, name, 8.25, bold, parent);
}

BrandFrame brandFrame(QWidget* parent) {
  BrandFrame b;
  b.frame = platform::named(new QGroupBox(parent), QStringLiteral("fraFullBrand"));
  b.lblCobrand = linkLabel(
      QStringLiteral("Co-brand this software for your site.  Increase loyalty and traffic to your "
                     "site. Put your site's name &  link here. See \"Help\" for details.    Click "
                     "Here for more info on co-branding."),
      QStringLiteral("lblCobrand"), true, b.frame);
  b.lblFullBrand = linkLabel(
      QStringLiteral("Home Business Opportunity. Start your own Internet business and make money "
                     "online. Get this software fully branded for your website. Click here for "
                     "more details."),
      QStringLiteral("lblFullBrand"), true, b.frame);
  // The business offer lies on top and covers the co-brand invitation.
  b.lblFullBrand->setAutoFillBackground(true);
  b.lblFullBrand->raise();
  b.lblCobrand->setFocusPolicy(Qt::NoFocus);
  new FitToFrame(b.frame, {b.lblCobrand, b.lblFullBrand});
  return b;
}

}  // namespace numerology

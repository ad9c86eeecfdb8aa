#include "shell/frmAbout.h"

#include <QFrame>
#include <QLabel>

#include "platform/RichTextBox.h"
#include "platform/Twips.h"
#include "shell/Artwork.h"
#include "shell/Look.h"
#include "shell/Site.h"
#include "shell/modHelp.h"

using platform::named;
using platform::setTwGeometry;
using platform::toPx;
using shell::textColour;
using shell::verdana;

namespace {

QLabel* whiteText(const QString& text, const QString& name, const QFont& font, QWidget* parent) {
  auto* l = named(new QLabel(text, parent), name);
  l->setTextFormat(Qt::PlainText);
  l->setFont(font);
  textColour(l, Qt::white);
  return l;
}

platform::VbLabel* link(const QString& text, const QString& name, QWidget* parent) {
  auto* l = named(new platform::VbLabel(text, parent), name);
  l->setTextFormat(Qt::PlainText);
  l->setFont(verdana(8.25, false, true));
  textColour(l, platform::vbColor(0xFFFF00));
  l->setLinkPointer(true);
  return l;
}

// A link whose text is longer than the place it was given grows to the left,
// keeping its right edge, so that it stays inside the box.
void growLeftToFit(QLabel* l) {
  const int need = l->sizeHint().width();
  const QRect g = l->geometry();
  if (need <= g.width()) return;
  l->setGeometry(qMax(0, g.right() + 1 - need), g.y(), need, g.height());
}

}  // namespace

frmAbout::frmAbout() : platform::Form(this) {
  setObjectName(QStringLiteral("frmAbout"));
  setWindowTitle(QStringLiteral("Auravane v1.15"));
  setWindowIcon(shell::programIcon());
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
  shell::fillColour(this, Qt::black);
  setFixedSize(toPx(7680), toPx(4305));

  Picture1 = named(new QLabel(this), QStringLiteral("Picture1"), QStringLiteral("Auravane"));
  setTwGeometry(Picture1, 120, 120, 480, 480);
  Picture1->setPixmap(shell::programIcon().pixmap(toPx(480)));

  Label2 = whiteText(QStringLiteral("Auravane v1.15"), QStringLiteral("Label2"), verdana(9.75, true), this);
  setTwGeometry(Label2, 840, 240, 3015, 240);

  Label1 = whiteText(
      QStringLiteral(
          "Numerology and tarot, both of these have been the most popular ways of divination "
          "since ancient times. Auravane helps you understand the relationship between the 78 "
          "cards of the tarot deck and their numerical sequences. The default Tarot deck used "
          "in this software is the Brevanth Tarot Deck. "
          "Auravane gives you a numerology reading, a tarot reading and the correspondence "
          "between numerology and tarot, which can help you understand your personality and "
          "improve yourself."),
      QStringLiteral("Label1"), verdana(8.25), this);
  Label1->setWordWrap(true);
  Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  setTwGeometry(Label1, 240, 600, 7305, 1935);

  lblHomePage = link(QStringLiteral("Click here to visit ") + shell::siteBase(),
                     QStringLiteral("lblHomePage"), this);
  setTwGeometry(lblHomePage, 3480, 2520, 4050, 195);
  growLeftToFit(lblHomePage);

  Label3 = whiteText(QStringLiteral("Home Business Opportunity. Start your own Internet business and "
                                    "make money online. Get this software fully branded for your "
                                    "website."),
                     QStringLiteral("Label3"), verdana(8.25, true), this);
  Label3->setWordWrap(true);
  Label3->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  setTwGeometry(Label3, 240, 2880, 7305, 435);

  lblCobrand = link(QStringLiteral("Click here for more details."), QStringLiteral("lblCobrand"), this);
  setTwGeometry(lblCobrand, 5280, 3480, 2355, 195);
  growLeftToFit(lblCobrand);

  Line1 = named(new QFrame(this), QStringLiteral("Line1"));
  shell::fillColour(Line1, platform::vbColor(0xE0E0E0));
  Line1->setGeometry(0, toPx(3720), toPx(7680), 1);

  cmdOK = shell::greyButton(QStringLiteral("&OK"), QStringLiteral("cmdOK"), this);
  setTwGeometry(cmdOK, 6120, 3840, 1260, 345);
  cmdOK->setDefault(true);

  connect(cmdOK, &platform::VbButton::Click, this, &frmAbout::cmdOK_Click);
  connect(lblHomePage, &platform::VbLabel::Click, this, &frmAbout::lblHomePage_Click);
  connect(lblCobrand, &platform::VbLabel::Click, this, &frmAbout::lblCobrand_Click);

  // OK first, then the two links.
  platform::tabOrder({cmdOK, lblHomePage, lblCobrand});
  cmdOK->setFocus();

  shell::centreOnScreen(this);
}

void frmAbout::cmdOK_Click() { platform::Forms::unload(this); }

void frmAbout::lblHomePage_Click() { modHelp::GoToHomePage(); }

void frmAbout::lblCobrand_Click() { modHelp::GoToFullyBrandedPage(); }

void frmAbout::reject() { cmdOK->click(); }

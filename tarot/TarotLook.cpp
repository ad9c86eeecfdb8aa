#include "tarot/TarotLook.h"

#include <QLabel>

#include "platform/Controls.h"
#include "platform/RichTextBox.h"
#include "platform/Twips.h"

namespace tarot {

PleaseWaitPanel pleaseWaitPanel(QWidget* parent, double left, double top) {
  PleaseWaitPanel w;
  w.panel = platform::named(new QWidget(parent), QStringLiteral("picMessage"));
  fillColour(w.panel, platform::vbColor(0x0000FF));
  platform::setTwGeometry(w.panel, left, top, 5295, 975);
  w.Label1 = platform::named(new QLabel(QStringLiteral("Please Wait ..."), w.panel), QStringLiteral("Label1"));
  w.Label1->setFont(verdana(14.25, true));
  w.Label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  platform::setTwGeometry(w.Label1, 60, 60, 5175, 840);
  fillColour(w.Label1, Qt::white);
  textColour(w.Label1, platform::vbColor(0xFF0000));
  w.Label2 = pleaseWaitLine(w.panel, QStringLiteral("Label2"));
  w.panel->hide();
  return w;
}

QLabel* pleaseWaitLine(QWidget* panel, const QString& name) {
  auto* l = platform::named(new QLabel(QStringLiteral("Dravenna is generating the Tarot result...."), panel), name);
  l->setFont(verdana(9.75));
  l->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
  platform::setTwGeometry(l, 90, 360, 5115, 555);
  fillColour(l, Qt::white);
  textColour(l, platform::vbColor(0xFF0000));
  return l;
}

}  // namespace tarot

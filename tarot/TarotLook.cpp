#include "tarot/TarotLook.h"

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPixmap>

#include "platform/Controls.h"
#include "platform/Forms.h"
#include "platform/RichTextBox.h"
#include "platform/Twips.h"
#include "shell/Site.h"
#include "shell/frmMDI.h"

namespace tarot {

void standardColours(QWidget* window) {
  const QPalette app = QApplication::palette();
  QPalette pal;
  for (int g = 0; g < QPalette::NColorGroups; ++g)
    for (int r = 0; r < QPalette::NColorRoles; ++r) {
      if (r == QPalette::NoRole) continue;
      const auto group = QPalette::ColorGroup(g);
      const auto role = QPalette::ColorRole(r);
      pal.setColor(group, role, app.color(group, role));
    }
  window->setPalette(pal);
}

void fitLabels(QWidget* root) {
  for (QLabel* l : root->findChildren<QLabel*>()) {
    if (l->wordWrap() || l->text().isEmpty() || l->width() <= 0) continue;
    shell::fitTextToWidth(l, 7.0);
  }
}

void setPictureFitted(QLabel* box, const QPixmap& picture) {
  const QSize room = box->contentsRect().size();
  box->setPixmap(picture.width() > room.width() || picture.height() > room.height()
                     ? picture.scaled(room, Qt::KeepAspectRatio, Qt::SmoothTransformation)
                     : picture);
}

platform::VbButton* faceButton(const QString& caption, const QString& name, quint32 bgr,
                               QWidget* parent) {
  auto* b = platform::named(new platform::VbButton(caption, parent), name);
  const QColor face = platform::vbColor(bgr);
  b->setStyleSheet(QStringLiteral("QPushButton { background-color: %1; color: black;"
                                  " border: 2px outset %2; }"
                                  "QPushButton:pressed { border-style: inset; }"
                                  "QPushButton:disabled { color: #808080; }"
                                  "QPushButton:focus { border: 2px solid #404080; }")
                       .arg(face.name(), face.lighter(115).name()));
  return b;
}

QLabel* boldLabel(const QString& caption, const QString& name, double pt, QWidget* parent) {
  auto* l = platform::named(new QLabel(caption, parent), name);
  l->setFont(verdana(pt, true));
  return l;
}

platform::VbLabel* linkLabel(const QString& caption, const QString& name, double pt, bool bold,
                             QWidget* parent) {
  auto* l = platform::named(new platform::VbLabel(caption, parent), name);
  l->setFont(verdana(pt, bold, true));
  l->setWordWrap(true);
  l->setTextFormat(Qt::PlainText);
  textColour(l, platform::vbColor(0xFF0000));
  l->setLinkPointer(true);
  return l;
}

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

QString forumInvitation() {
  return QStringLiteral("The Most Popular Online Mystic Forum. Best Resource For Everything Mystic. "
                        "Come and join us at %1.")
      .arg(shell::siteHost());
}

QString fullBrandInvitation() {
  return QStringLiteral("Home Business Opportunity. Start your own Internet business and make money "
                        "online. Get this software fully branded for your website. Click here for "
                        "more details.");
}

QString coBrandInvitation() {
  return QStringLiteral("Co-brand this software for your site. Put your own name and address on "
                        "it and hand it to your visitors. Click Here for more info on co-branding.");
}

void fixFrame(platform::Form* form, FrameStyle style) {
  QWidget* w = form->formWidget();
  w->adjustSize();
  w->setFixedSize(w->size());
  auto* sub = qobject_cast<QMdiSubWindow*>(form->frame());
  if (!sub) return;
  Qt::WindowFlags flags = Qt::SubWindow;
  switch (style) {
    case FrameStyle::None:
      flags |= Qt::FramelessWindowHint;
      break;
    case FrameStyle::FixedDialog:
      flags |= Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
      break;
    case FrameStyle::FixedNoMax:
      flags |= Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
               Qt::WindowMinimizeButtonHint;
      break;
  }
  const bool wasVisible = sub->isVisible();
  sub->setWindowFlags(flags);
  sub->setOption(QMdiSubWindow::RubberBandResize, false);
  sub->adjustSize();
  sub->setFixedSize(sub->size());
  if (wasVisible) sub->show();
}

frmMDI* mainWindow() {
  if (frmMDI* m = platform::Forms::find<frmMDI>()) return m;
  // While the main window closes it unloads its child windows, whose unload
  // handlers still reach its panels: it is on its way out, not gone.
  for (QWidget* w : QApplication::topLevelWidgets())
    if (auto* m = qobject_cast<frmMDI*>(w); m && m->isUnloading()) return m;
  return platform::Forms::get<frmMDI>();
}

}  // namespace tarot

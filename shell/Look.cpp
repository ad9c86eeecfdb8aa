#include "shell/Look.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPalette>
#include <QPixmap>
#include <QScreen>

#include "platform/App.h"
#include "platform/Controls.h"
#include "platform/Forms.h"
#include "platform/RichTextBox.h"
#include "shell/Site.h"

namespace shell {

QFont verdana(double pt, bool bold, bool underline) {
  QFont f(platform::installedFamily(QStringLiteral("Verdana")));
  f.setPointSizeF(pt);
  f.setBold(bold);
  f.setUnderline(underline);
  return f;
}

void fillColour(QWidget* w, const QColor& c) {
  w->setAutoFillBackground(true);
  QPalette pal = w->palette();
  pal.setColor(QPalette::Window, c);
  w->setPalette(pal);
}

void textColour(QWidget* w, const QColor& c) {
  QPalette pal = w->palette();
  pal.setColor(QPalette::WindowText, c);
  w->setPalette(pal);
}

platform::VbButton* greyButton(const QString& caption, const QString& name, QWidget* parent) {
  auto* b = platform::named(new platform::VbButton(caption, parent), name);
  b->setFont(verdana(8.25, true));
  b->setStyleSheet(QStringLiteral(
      "QPushButton { background-color: #C0C0C0; color: black; border: 2px outset #E8E8E8; }"
      "QPushButton:pressed { border-style: inset; }"
      "QPushButton:focus { border: 2px solid #404080; }"));
  return b;
}

void centreOnScreen(QWidget* w) {
  const QScreen* screen = w->screen() ? w->screen() : QGuiApplication::primaryScreen();
  if (!screen) return;
  QRect r(QPoint(0, 0), w->size());
  r.moveCenter(screen->geometry().center());
  w->move(r.topLeft());
}

void fitWrappedText(QLabel* label, double minPt) {
  QFont f = label->font();
  while (f.pointSizeF() > minPt) {
    label->setFont(f);
    if (label->heightForWidth(label->width()) <= label->height()) return;
    f.setPointSizeF(qMax(minPt, f.pointSizeF() - 0.25));
  }
  label->setFont(f);
}

void fitTextToWidth(QLabel* label, double minPt) {
  QFont f = label->font();
  const double room = label->contentsRect().width() - 2 * label->margin();
  while (f.pointSizeF() > minPt &&
         QFontMetricsF(f).horizontalAdvance(platform::stripAccel(label->text())) > room)
    f.setPointSizeF(qMax(minPt, f.pointSizeF() - 0.25));
  label->setFont(f);
}

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
    if (l->text().isEmpty() || l->width() <= 0) continue;
    if (l->wordWrap()) fitWrappedText(l, 7.0);
    else fitTextToWidth(l, 7.0);
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

QString forumInvitation() {
  return QStringLiteral("The Most Popular Online Mystic Forum. Best Resource For Everything Mystic. "
                        "Come and join us at %1.")
      .arg(shell::siteHost());
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

}  // namespace shell

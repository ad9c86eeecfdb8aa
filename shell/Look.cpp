#include "shell/Look.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QScreen>
#include <QLabel>
#include <QPalette>

#include "platform/Controls.h"

namespace shell {

QFont verdana(double pt, bool bold, bool underline) {
  QFont f(QStringLiteral("Verdana"));
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

void fitTextToWidth(QLabel* label, double minPt) {
  QFont f = label->font();
  const double room = label->contentsRect().width() - 2 * label->margin();
  while (f.pointSizeF() > minPt &&
         QFontMetricsF(f).horizontalAdvance(platform::stripAccel(label->text())) > room)
    f.setPointSizeF(qMax(minPt, f.pointSizeF() - 0.25));
  label->setFont(f);
}

}  // namespace shell

#include "platform/Twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QVariant>
#include <QWidget>
#include <cmath>

namespace platform {
namespace {

// Each coordinate keeps its exact twip value in a property, valid while the
// pixel value it was applied as still holds.
const char* const kProp[4] = {"_twLeft", "_twTop", "_twWidth", "_twHeight"};

int pixelOf(const QWidget* w, int which) {
  const QRect g = w->geometry();
  switch (which) {
    case 0: return g.x();
    case 1: return g.y();
    case 2: return g.width();
    default: return g.height();
  }
}

double read(const QWidget* w, int which) {
  const int px = pixelOf(w, which);
  const QVariant v = w->property(kProp[which]);
  if (v.isValid() && toPx(v.toDouble()) == px) return v.toDouble();
  return toTwips(px);
}

void write(QWidget* w, int which, double tw) {
  w->setProperty(kProp[which], tw);
  const QRect g = w->geometry();
  const int px = toPx(tw);
  switch (which) {
    case 0: w->move(px, g.y()); break;
    case 1: w->move(g.x(), px); break;
    case 2: w->resize(qMax(0, px), g.height()); break;
    default: w->resize(g.width(), qMax(0, px)); break;
  }
}

}  // namespace

int toPx(double twips) { return int(std::lround(twips / kTwipsPerPixel)); }
double toTwips(int px) { return px * kTwipsPerPixel; }

double screenWidthTwips() {
  const QScreen* s = QGuiApplication::primaryScreen();
  return toTwips(s ? s->geometry().width() : 800);
}

double screenHeightTwips() {
  const QScreen* s = QGuiApplication::primaryScreen();
  return toTwips(s ? s->geometry().height() : 800);
}

double twLeft(const QWidget* w) { return read(w, 0); }
double twTop(const QWidget* w) { return read(w, 1); }
double twWidth(const QWidget* w) { return read(w, 2); }
double twHeight(const QWidget* w) { return read(w, 3); }
void setTwLeft(QWidget* w, double v) { write(w, 0, v); }
void setTwTop(QWidget* w, double v) { write(w, 1, v); }
void setTwWidth(QWidget* w, double v) { write(w, 2, v); }
void setTwHeight(QWidget* w, double v) { write(w, 3, v); }

void setTwGeometry(QWidget* w, double left, double top, double width, double height) {
  w->setProperty(kProp[0], left);
  w->setProperty(kProp[1], top);
  w->setProperty(kProp[2], width);
  w->setProperty(kProp[3], height);
  w->setGeometry(toPx(left), toPx(top), qMax(0, toPx(width)), qMax(0, toPx(height)));
}

}  // namespace platform

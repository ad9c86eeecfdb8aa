#include "platform/ProgramStyle.h"

#include <QApplication>
#include <QDataStream>
#include <QGuiApplication>
#include <QIODevice>
#include <QPainter>
#include <QStyleOptionSlider>
#include <algorithm>
#include <cmath>

namespace platform {

namespace {

constexpr int kBandRows = 64;

// Everything a scroll bar's drawing depends on: its size, state and
// values, the palette and the pixel ratio.
QByteArray lookOf(const QStyleOptionSlider& o, qreal dpr) {
  QByteArray key;
  QDataStream s(&key, QIODevice::WriteOnly);
  s << o.rect.size() << int(o.state) << int(o.direction) << int(o.subControls)
    << int(o.activeSubControls) << int(o.orientation) << o.minimum << o.maximum
    << o.sliderPosition << o.sliderValue << o.singleStep << o.pageStep << o.upsideDown
    << int(o.tickPosition) << o.tickInterval << o.palette.cacheKey() << dpr;
  return key;
}

}  // namespace

ProgramStyle::ProgramStyle() : QProxyStyle() {}

void ProgramStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                      QPainter* painter, const QWidget* widget) const {
  const auto* bar = qstyleoption_cast<const QStyleOptionSlider*>(option);
  // Only a bar drawn straight onto its widget or a picture is kept: a
  // turned or scaled painter (printing, previews) draws afresh.
  if (control != CC_ScrollBar || !bar || bar->rect.isEmpty() || !painter ||
      painter->transform().type() > QTransform::TxTranslate) {
    QProxyStyle::drawComplexControl(control, option, painter, widget);
    return;
  }
  const qreal dpr = painter->device() ? painter->device()->devicePixelRatio() : 1.0;
  // A bar is drawn, and its drawing drawn again, in bands of a few dozen
  // pixel rows: the painting library hands any fill or blend of more rows
  // to its helper threads in slices and waits for them, which for a bar 14
  // pixels wide costs several times the drawing. At a fractional pixel
  // ratio a band's edge would fall between pixels: no bands there.
  const int band = dpr == std::round(dpr) ? std::max(1, kBandRows / int(std::round(dpr))) : 0;
  const QByteArray look = lookOf(*bar, dpr);
  auto it = kept_.begin();
  while (it != kept_.end() && it->look != look) ++it;
  if (it == kept_.end()) {
    QPixmap picture(bar->rect.size() * dpr);
    picture.setDevicePixelRatio(dpr);
    picture.fill(Qt::transparent);
    QStyleOptionSlider atOrigin(*bar);
    atOrigin.rect.moveTopLeft(QPoint(0, 0));
    const int rows = atOrigin.rect.height();
    if (!band || rows <= band) {
      QPainter p(&picture);
      QProxyStyle::drawComplexControl(control, &atOrigin, &p, widget);
    } else {
      // Each band is drawn on a picture of its own height, which bounds the
      // style's drawing whatever clip it sets itself, and laid in place.
      QPainter p(&picture);
      p.setCompositionMode(QPainter::CompositionMode_Source);
      for (int y = 0; y < rows; y += band) {
        const int h = std::min(band, rows - y);
        QPixmap slice(QSize(atOrigin.rect.width(), h) * dpr);
        slice.setDevicePixelRatio(dpr);
        slice.fill(Qt::transparent);
        {
          QPainter sp(&slice);
          sp.translate(0, -y);
          QProxyStyle::drawComplexControl(control, &atOrigin, &sp, widget);
        }
        p.drawPixmap(QPoint(0, y), slice);
      }
    }
    kept_.push_front({look, picture});
    if (int(kept_.size()) > kKept) kept_.pop_back();
  } else if (it != kept_.begin()) {
    kept_.splice(kept_.begin(), kept_, it);
  }
  const QPixmap& picture = kept_.front().picture;
  if (!band) {
    painter->drawPixmap(bar->rect.topLeft(), picture);
    return;
  }
  const int rows = bar->rect.height();
  for (int y = 0; y < rows; y += band) {
    const int h = std::min(band, rows - y);
    painter->drawPixmap(QRectF(bar->rect.left(), bar->rect.top() + y, bar->rect.width(), h),
                        picture, QRectF(0, y * dpr, bar->rect.width() * dpr, h * dpr));
  }
}

QIcon ProgramStyle::standardIcon(StandardPixmap icon, const QStyleOption* option,
                                 const QWidget* widget) const {
  // An icon depends on the layout direction only (arrows turn round in a
  // right-to-left layout); the widget and the rest of the option do not
  // change it.
  const Qt::LayoutDirection direction =
      option ? option->direction : QGuiApplication::layoutDirection();
  const int key = int(icon) * 4 + int(direction);
  auto it = icons_.constFind(key);
  if (it != icons_.constEnd()) return *it;
  const QIcon made = QProxyStyle::standardIcon(icon, option, widget);
  // Only the standard icons are kept; a style may make its own ones anew.
  if (icon < SP_CustomBase) icons_.insert(key, made);
  return made;
}

void installProgramStyle(QApplication& app) { app.setStyle(new ProgramStyle); }

}  // namespace platform

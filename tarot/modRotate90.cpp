#include "tarot/modRotate90.h"

#include <QLabel>
#include <QPixmap>

#include "platform/Pictures.h"
#include "platform/Twips.h"

namespace {

// The turned image is handed over whole, so the pixmap takes its pixels
// without a copy.
QPixmap toPixmap(QImage&& img, const QPixmap& like) {
  QPixmap out = QPixmap::fromImage(std::move(img));
  out.setDevicePixelRatio(like.devicePixelRatio());
  return out;
}

}  // namespace

void modRotate90::RotatePicture90(QLabel* box) {
  if (!box) return;
  const QPixmap picture = box->pixmap();
  if (!picture.isNull()) box->setPixmap(toPixmap(platform::turnQuarter(picture.toImage()), picture));
  // The box takes the turned picture's shape: width and height swap, while
  // its Left and Top stay. An empty box swaps its size all the same.
  const double width = platform::twWidth(box);
  const double height = platform::twHeight(box);
  if (box->minimumSize() == box->maximumSize()) box->setFixedSize(box->height(), box->width());
  platform::setTwWidth(box, height);
  platform::setTwHeight(box, width);
  box->update();
}

void modRotate90::RotatePicture180(QLabel* box) {
  if (!box) return;
  const QPixmap picture = box->pixmap();
  // Nothing to turn: the box stays as it is.
  if (picture.isNull()) return;
  // The turned picture fills the box's inner area and becomes its picture,
  // so a later repaint still shows it turned.
  QImage turned = platform::turnHalf(picture.toImage());
  const QSize inner = box->contentsRect().size() * picture.devicePixelRatio();
  if (!inner.isEmpty() && turned.size() != inner)
    turned = turned.scaled(inner, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  box->setPixmap(toPixmap(std::move(turned), picture));
  box->update();
}

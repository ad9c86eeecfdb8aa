#include "platform/Pictures.h"

#include <QImageReader>
#include <QTransform>

namespace platform {

QImage turnQuarter(const QImage& img) { return img.transformed(QTransform().rotate(90)); }

QImage turnHalf(const QImage& img) { return img.transformed(QTransform().rotate(180)); }

QPixmap loadPicture(const QString& path) {
  QImageReader reader(path);
  const QImage img = reader.read();
  return img.isNull() ? QPixmap() : QPixmap::fromImage(img);
}

}  // namespace platform

#pragma once
#include <QImage>
#include <QPixmap>
#include <QString>

namespace platform {

// A quarter turn clockwise and a half turn of a picture.
QImage turnQuarter(const QImage& img);
QImage turnHalf(const QImage& img);

// A picture file; a null pixmap when it cannot be read.
QPixmap loadPicture(const QString& path);

}  // namespace platform

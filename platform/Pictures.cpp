#include "platform/Pictures.h"

#include <QImageReader>
#include <QMutex>
#include <QThreadPool>
#include <QTransform>
#include <QWaitCondition>
#include <vector>

namespace platform {

QImage turnQuarter(const QImage& img) { return img.transformed(QTransform().rotate(90)); }

QImage turnHalf(const QImage& img) { return img.transformed(QTransform().rotate(180)); }

namespace {

QImage readPicture(const QString& path) {
  QImageReader reader(path);
  return reader.read();
}

}  // namespace

QPixmap loadPicture(const QString& path) {
  QImage img = readPicture(path);
  return img.isNull() ? QPixmap() : QPixmap::fromImage(std::move(img));
}

// Shared with the workers, so that a batch dropped before its pictures are
// read leaves them nothing dangling.
struct PicturesAhead::Shared {
  QMutex mutex;
  QWaitCondition arrived;
  std::vector<QImage> images;
  std::vector<bool> done;
};

PicturesAhead::PicturesAhead(const QStringList& paths) : shared_(std::make_shared<Shared>()) {
  shared_->images.resize(std::size_t(paths.size()));
  shared_->done.assign(std::size_t(paths.size()), false);
  for (int i = 0; i < paths.size(); ++i) {
    QThreadPool::globalInstance()->start([shared = shared_, path = paths[i], i] {
      QImage img = readPicture(path);
      QMutexLocker lock(&shared->mutex);
      shared->images[std::size_t(i)] = std::move(img);
      shared->done[std::size_t(i)] = true;
      shared->arrived.wakeAll();
    });
  }
}

QPixmap PicturesAhead::picture(int i) {
  if (i < 0 || std::size_t(i) >= shared_->done.size()) return QPixmap();
  if (handedOut_.empty()) handedOut_.resize(shared_->done.size());
  QPixmap& out = handedOut_[std::size_t(i)];
  if (!out.isNull()) return out;
  QImage img;
  {
    QMutexLocker lock(&shared_->mutex);
    while (!shared_->done[std::size_t(i)]) shared_->arrived.wait(&shared_->mutex);
    img = std::move(shared_->images[std::size_t(i)]);
    shared_->images[std::size_t(i)] = QImage();
  }
  if (!img.isNull()) out = QPixmap::fromImage(std::move(img));
  return out;
}

}  // namespace platform

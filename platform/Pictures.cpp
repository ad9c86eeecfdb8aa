#include "platform/Pictures.h"

#include <QImageReader>
#include <QMutex>
#include <QThread>
#include <QThreadPool>
#include <algorithm>
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

// The threads that read pictures ahead: half the processors, so that the
// window's own thread keeps one to itself while they work.
QThreadPool& readers() {
  static QThreadPool pool;
  static const bool sized = [] {
    pool.setMaxThreadCount(std::max(1, QThread::idealThreadCount() / 2));
    return true;
  }();
  (void)sized;
  return pool;
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
  for (const QString& path : paths) add(path);
}

int PicturesAhead::add(const QString& path) {
  int i = 0;
  {
    QMutexLocker lock(&shared_->mutex);
    i = int(shared_->done.size());
    shared_->images.emplace_back();
    shared_->done.push_back(false);
  }
  readers().start([shared = shared_, path, i] {
    QImage img = readPicture(path);
    QMutexLocker lock(&shared->mutex);
    shared->images[std::size_t(i)] = std::move(img);
    shared->done[std::size_t(i)] = true;
    shared->arrived.wakeAll();
  });
  return i;
}

QPixmap PicturesAhead::picture(int i) {
  {
    QMutexLocker lock(&shared_->mutex);
    if (i < 0 || std::size_t(i) >= shared_->done.size()) return QPixmap();
  }
  if (handedOut_.size() <= std::size_t(i)) handedOut_.resize(std::size_t(i) + 1);
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

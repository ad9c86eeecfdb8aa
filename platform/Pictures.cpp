#include "platform/Pictures.h"

#include <QImageReader>
#include <QMutex>
#include <QThread>
#include <QThreadPool>
#include <QTransform>
#include <QWaitCondition>
#include <algorithm>
#include <vector>

namespace platform {

QImage turnQuarter(const QImage& img) { return img.transformed(QTransform().rotate(90)); }

QImage turnHalf(const QImage& img) { return img.transformed(QTransform().rotate(180)); }

namespace {

constexpr char kPixelsMark[4] = {'A', 'V', 'P', 'X'};
constexpr int kPixelsHeader = 12;
constexpr int kPixelsMaxSide = 4096;

void putWord(char* at, quint32 v) {
  for (int i = 0; i < 4; ++i) at[i] = char((v >> (8 * i)) & 0xFF);
}

quint32 word(const char* at) {
  quint32 v = 0;
  for (int i = 0; i < 4; ++i) v |= quint32(quint8(at[i])) << (8 * i);
  return v;
}

}  // namespace

QByteArray toPixelsFile(const QImage& img) {
  const QImage argb = img.convertToFormat(QImage::Format_ARGB32);
  const int w = argb.width(), h = argb.height();
  QByteArray out(kPixelsHeader + qsizetype(w) * h * 4, Qt::Uninitialized);
  std::copy(kPixelsMark, kPixelsMark + 4, out.data());
  putWord(out.data() + 4, quint32(w));
  putWord(out.data() + 8, quint32(h));
  char* row = out.data() + kPixelsHeader;
  for (int y = 0; y < h; ++y, row += w * 4) {
    const QRgb* px = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
    for (int x = 0; x < w; ++x) putWord(row + 4 * x, px[x]);
  }
  return out;
}

QImage fromPixelsFile(const QByteArray& bytes) {
  if (bytes.size() < kPixelsHeader || !std::equal(kPixelsMark, kPixelsMark + 4, bytes.constData()))
    return QImage();
  const quint32 w = word(bytes.constData() + 4);
  const quint32 h = word(bytes.constData() + 8);
  if (w == 0 || h == 0 || w > kPixelsMaxSide || h > kPixelsMaxSide ||
      bytes.size() != kPixelsHeader + qsizetype(w) * h * 4)
    return QImage();
  QImage img(int(w), int(h), QImage::Format_ARGB32);
  if (img.isNull()) return img;
  const char* row = bytes.constData() + kPixelsHeader;
  for (int y = 0; y < int(h); ++y, row += w * 4) {
    QRgb* px = reinterpret_cast<QRgb*>(img.scanLine(y));
    for (int x = 0; x < int(w); ++x) px[x] = word(row + 4 * x);
  }
  return img;
}

namespace {

QImage readPicture(const QString& path) {
  QImageReader reader(path);
  return reader.read();
}

// The threads that read pictures ahead: half the processors, so that the
// window's own thread keeps one to itself while they work.
struct Readers : QThreadPool {
  Readers() { setMaxThreadCount(std::max(1, QThread::idealThreadCount() / 2)); }
};

QThreadPool& readers() {
  static Readers pool;
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
  struct Job {
    QString path;
    bool halfTurn = false;
    bool claimed = false;  // a worker or the GUI thread is reading it
    bool done = false;
    QImage image;
    QImage turned;
  };
  QMutex mutex;
  QWaitCondition arrived;
  std::vector<Job> jobs;

  // Claims job i for the calling thread; false when another one has it.
  bool claim(std::size_t i) {
    QMutexLocker lock(&mutex);
    if (jobs[i].claimed) return false;
    jobs[i].claimed = true;
    return true;
  }
  // Reads job i's picture (the job claimed by the caller) and hands it in.
  void read(std::size_t i) {
    QString path;
    bool halfTurn = false;
    {
      QMutexLocker lock(&mutex);
      path = jobs[i].path;
      halfTurn = jobs[i].halfTurn;
    }
    QImage img = readPicture(path);
    QImage turned = halfTurn && !img.isNull() ? turnHalf(img) : QImage();
    QMutexLocker lock(&mutex);
    jobs[i].image = std::move(img);
    jobs[i].turned = std::move(turned);
    jobs[i].done = true;
    arrived.wakeAll();
  }
};

PicturesAhead::PicturesAhead(const QStringList& paths) : shared_(std::make_shared<Shared>()) {
  for (const QString& path : paths) add(path);
}

int PicturesAhead::add(const QString& path, bool halfTurn) {
  std::size_t i = 0;
  {
    QMutexLocker lock(&shared_->mutex);
    i = shared_->jobs.size();
    Shared::Job job;
    job.path = path;
    job.halfTurn = halfTurn;
    shared_->jobs.push_back(std::move(job));
  }
  readers().start([shared = shared_, i] {
    if (shared->claim(i)) shared->read(i);
  });
  return int(i);
}

bool PicturesAhead::takeOver(int i) {
  {
    QMutexLocker lock(&shared_->mutex);
    if (i < 0 || std::size_t(i) >= shared_->jobs.size()) return false;
  }
  const std::size_t at = std::size_t(i);
  if (taken_.size() <= at) {
    taken_.resize(at + 1, false);
    handedOut_.resize(at + 1);
    handedOutTurned_.resize(at + 1);
  }
  if (taken_[at]) return true;
  // A picture no worker has started yet is read here rather than waited
  // for: when the workers are slow to get the processor, the caller does
  // not sit idle behind them.
  if (shared_->claim(at)) shared_->read(at);
  QImage img, turned;
  {
    QMutexLocker lock(&shared_->mutex);
    while (!shared_->jobs[at].done) shared_->arrived.wait(&shared_->mutex);
    Shared::Job& job = shared_->jobs[at];
    img = std::move(job.image);
    turned = std::move(job.turned);
    job.image = QImage();
    job.turned = QImage();
  }
  if (!img.isNull()) handedOut_[at] = QPixmap::fromImage(std::move(img));
  if (!turned.isNull()) handedOutTurned_[at] = QPixmap::fromImage(std::move(turned));
  taken_[at] = true;
  return true;
}

QPixmap PicturesAhead::picture(int i) { return takeOver(i) ? handedOut_[std::size_t(i)] : QPixmap(); }

QPixmap PicturesAhead::halfTurned(int i) {
  return takeOver(i) ? handedOutTurned_[std::size_t(i)] : QPixmap();
}

}  // namespace platform

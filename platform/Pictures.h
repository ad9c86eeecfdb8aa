#pragma once
#include <QByteArray>
#include <QImage>
#include <QPixmap>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

namespace platform {

// A quarter turn clockwise and a half turn of a picture.
QImage turnQuarter(const QImage& img);
QImage turnHalf(const QImage& img);

// A picture kept as its bare pixels: "AVPX", its width and height (32-bit,
// little-endian), then its rows of 32-bit ARGB (not premultiplied), top row
// first. Reading one needs no image decoder, so the small pictures a
// window carries show without the image format plugins being looked up.
QByteArray toPixelsFile(const QImage& img);
// The picture in such bytes; a null image when they are not one (wrong
// mark, a size over 4096 pixels a side, too few or too many bytes).
QImage fromPixelsFile(const QByteArray& bytes);

// A picture file; a null pixmap when it cannot be read.
QPixmap loadPicture(const QString& path);

// Picture files read and decoded on worker threads from the moment this is
// made, handed out on the GUI thread in any order. Reading a batch of
// pictures this way takes about the time of the slowest one, and the GUI
// thread can do other work meanwhile. A picture asked for before any worker
// has started on it is read by the asking thread itself.
class PicturesAhead {
 public:
  explicit PicturesAhead(const QStringList& paths);
  // Starts reading one more picture; its index follows the others. With
  // halfTurn the worker also makes the picture's half turn (turnHalf).
  int add(const QString& path, bool halfTurn = false);
  // The picture of paths[i] (waiting for it if a worker is reading it), or
  // a null pixmap when it cannot be read or i is out of range.
  QPixmap picture(int i);
  // Its half turn, when it was asked for with add; else a null pixmap.
  QPixmap halfTurned(int i);

 private:
  struct Shared;
  std::shared_ptr<Shared> shared_;
  // Takes picture i and its half turn over, reading them here when no
  // worker has started on them; false when i is out of range.
  bool takeOver(int i);
  // Pictures already handed out, and their half turns; the first hand-out
  // takes the decoded pixels over without a copy.
  std::vector<QPixmap> handedOut_;
  std::vector<QPixmap> handedOutTurned_;
  std::vector<bool> taken_;
};

}  // namespace platform

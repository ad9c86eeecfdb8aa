#include "shell/Artwork.h"

#include <QFile>
#include <QString>

#include "platform/Pictures.h"

// The resource file is compiled into this static library; its registration
// must be named from code that runs, or the linker leaves it out.
static void registerArtResources() { Q_INIT_RESOURCE(art); }

namespace shell {
namespace {

QString artPath(const QString& name) {
  static const bool registered = (registerArtResources(), true);
  Q_UNUSED(registered);
  return QStringLiteral(":/art/") + name;
}

QPixmap art(const QString& name) { return QPixmap(artPath(name)); }

// The pictures the main window shows at start are kept as bare pixels, so
// that showing them needs no image decoder (see platform::fromPixelsFile).
QPixmap pixelsArt(const QString& name) {
  QFile f(artPath(name));
  if (!f.open(QIODevice::ReadOnly)) return QPixmap();
  const QImage img = platform::fromPixelsFile(f.readAll());
  return img.isNull() ? QPixmap() : QPixmap::fromImage(img);
}

}  // namespace

QIcon programIcon() {
  QIcon icon;
  for (int s : {16, 32, 48, 64}) {
    const QPixmap pm = pixelsArt(QStringLiteral("program-%1.argb").arg(s));
    if (!pm.isNull()) icon.addPixmap(pm);
  }
  return icon;
}

QPixmap modeIcon(int mode, int size) {
  const QPixmap pm = pixelsArt(QStringLiteral("mode-%1.argb").arg(qBound(0, mode, 2)));
  if (pm.isNull() || pm.width() == size) return pm;
  return pm.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

QIcon boardIcon() {
  QIcon icon;
  for (int s : {16, 32}) icon.addPixmap(art(QStringLiteral("board-%1.png").arg(s)));
  return icon;
}

QPixmap cardBack() { return art(QStringLiteral("back.png")); }

QPixmap cardBackSmall() { return art(QStringLiteral("back-small.png")); }

}  // namespace shell

#include "shell/Artwork.h"

#include <QString>

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

}  // namespace

QIcon programIcon() {
  QIcon icon;
  // Given with their sizes, the pictures are read only when a size is shown.
  for (int s : {16, 32, 48, 64})
    icon.addFile(artPath(QStringLiteral("program-%1.png").arg(s)), QSize(s, s));
  return icon;
}

QPixmap modeIcon(int mode, int size) {
  const QPixmap pm = art(QStringLiteral("mode-%1.png").arg(qBound(0, mode, 2)));
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

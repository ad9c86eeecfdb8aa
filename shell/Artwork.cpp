#include "shell/Artwork.h"

#include <QFile>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace shell {
namespace {

// A five-pointed star inside a circle, the program's emblem.
QPixmap drawEmblem(int size, const QColor& ring, const QColor& star, const QColor& ground) {
  QPixmap pm(size, size);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF box(1, 1, size - 2, size - 2);
  p.setBrush(ground);
  p.setPen(QPen(ring, qMax(1.0, size / 16.0)));
  p.drawEllipse(box);
  QPainterPath path;
  const QPointF c = box.center();
  const double r = size * 0.40;
  for (int i = 0; i < 5; ++i) {
    const double a = qDegreesToRadians(-90.0 + i * 144.0);
    const QPointF pt(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
    if (i == 0) path.moveTo(pt);
    else path.lineTo(pt);
  }
  path.closeSubpath();
  p.setBrush(star);
  p.setPen(Qt::NoPen);
  p.setBrush(star);
  path.setFillRule(Qt::WindingFill);
  p.drawPath(path);
  return pm;
}

QPixmap fromResourceOr(const QString& path, const QPixmap& fallback) {
  if (QFile::exists(path)) {
    QPixmap pm(path);
    if (!pm.isNull()) return pm;
  }
  return fallback;
}

}  // namespace

QIcon programIcon() {
  QIcon icon;
  for (int s : {16, 32, 48, 64})
    icon.addPixmap(fromResourceOr(QStringLiteral(":/art/program-%1.png").arg(s),
                                  drawEmblem(s, QColor(230, 190, 60), QColor(250, 220, 90),
                                             QColor(40, 20, 80))));
  return icon;
}

QPixmap modeIcon(int mode, int size) {
  const QString path = QStringLiteral(":/art/mode-%1.png").arg(mode);
  QPixmap pm(size, size);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  const QColor grounds[3] = {QColor(30, 90, 160), QColor(110, 30, 120), QColor(20, 110, 80)};
  p.setBrush(grounds[qBound(0, mode, 2)]);
  p.setPen(QPen(QColor(240, 210, 120), qMax(1.0, size / 16.0)));
  p.drawRoundedRect(QRectF(1, 1, size - 2, size - 2), size / 6.0, size / 6.0);
  p.setPen(QColor(255, 240, 200));
  QFont f(QStringLiteral("DejaVu Serif"));
  f.setBold(true);
  f.setPixelSize(int(size * 0.5));
  p.setFont(f);
  const char* marks[3] = {"9", "\u2605", "\u2648"};
  QString mark = QString::fromUtf8(marks[qBound(0, mode, 2)]);
  if (mode == 1) {
    // A small card with a star for the tarot mode.
    p.setBrush(QColor(250, 245, 230));
    p.setPen(QPen(QColor(60, 30, 70), 1));
    p.drawRoundedRect(QRectF(size * 0.3, size * 0.15, size * 0.4, size * 0.7), 2, 2);
    p.setPen(QColor(140, 40, 120));
    f.setPixelSize(int(size * 0.35));
    p.setFont(f);
    p.drawText(QRectF(size * 0.3, size * 0.15, size * 0.4, size * 0.7), Qt::AlignCenter, mark);
  } else if (mode == 2) {
    p.drawText(QRectF(0, 0, size, size), Qt::AlignCenter, QStringLiteral("7"));
    p.setBrush(QColor(250, 245, 230));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(size * 0.78, size * 0.25), size * 0.1, size * 0.1);
  } else {
    p.drawText(QRectF(0, 0, size, size), Qt::AlignCenter, mark);
  }
  p.end();
  return fromResourceOr(path, pm);
}

}  // namespace shell

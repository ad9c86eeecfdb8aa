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
  if (QFile::exists(path)) return fromResourceOr(path, QPixmap());
  // Drawn from shapes only: a glyph would make the first paint of the main
  // window wait for font fall-back look-ups.
  QPixmap pm(size, size);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  const QColor grounds[3] = {QColor(30, 90, 160), QColor(110, 30, 120), QColor(20, 110, 80)};
  const QColor gold(240, 210, 120), cream(250, 245, 230);
  const double s = size;
  p.setBrush(grounds[qBound(0, mode, 2)]);
  p.setPen(QPen(gold, qMax(1.0, s / 16.0)));
  p.drawRoundedRect(QRectF(1, 1, s - 2, s - 2), s / 6.0, s / 6.0);
  auto star = [&](QPointF c, double r, const QColor& col) {
    QPainterPath path;
    for (int i = 0; i < 10; ++i) {
      const double a = qDegreesToRadians(-90.0 + i * 36.0);
      const double rr = i % 2 ? r * 0.45 : r;
      const QPointF pt(c.x() + rr * std::cos(a), c.y() + rr * std::sin(a));
      if (i == 0) path.moveTo(pt);
      else path.lineTo(pt);
    }
    path.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(col);
    p.drawPath(path);
  };
  switch (qBound(0, mode, 2)) {
    case 0: {
      // Numbers: a ring of nine points around a centre.
      p.setPen(Qt::NoPen);
      p.setBrush(cream);
      for (int i = 0; i < 9; ++i) {
        const double a = qDegreesToRadians(-90.0 + i * 40.0);
        p.drawEllipse(QPointF(s / 2 + s * 0.3 * std::cos(a), s / 2 + s * 0.3 * std::sin(a)), s * 0.06, s * 0.06);
      }
      p.setBrush(gold);
      p.drawEllipse(QPointF(s / 2, s / 2), s * 0.1, s * 0.1);
      break;
    }
    case 1: {
      // A card with a star.
      const QRectF card(s * 0.28, s * 0.14, s * 0.44, s * 0.72);
      p.setBrush(cream);
      p.setPen(QPen(QColor(60, 30, 70), 1));
      p.drawRoundedRect(card, 2, 2);
      star(card.center(), s * 0.16, QColor(150, 40, 130));
      break;
    }
    default: {
      // A card beside a ring of points: cards and numbers together.
      const QRectF card(s * 0.16, s * 0.18, s * 0.38, s * 0.64);
      p.setBrush(cream);
      p.setPen(QPen(QColor(40, 60, 40), 1));
      p.drawRoundedRect(card, 2, 2);
      star(card.center(), s * 0.12, QColor(20, 110, 80));
      p.setPen(Qt::NoPen);
      p.setBrush(gold);
      for (int i = 0; i < 3; ++i) p.drawEllipse(QPointF(s * 0.72, s * (0.3 + 0.2 * i)), s * 0.07, s * 0.07);
      break;
    }
  }
  p.end();
  return pm;
}

}  // namespace shell

#include "WindowArt.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

#include "CardFaces.h"
#include "Symbols.h"

namespace {

const QColor kGold(232, 192, 96);
const QColor kPaleGold(250, 226, 150);
const QColor kNight(34, 20, 72);
const QColor kViolet(84, 38, 120);
const QColor kWine(70, 22, 66);

QImage transparentImage(int w, int h) {
  QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
  img.fill(Qt::transparent);
  return img;
}

QPainterPath crescent(QPointF c, double r, double shift) {
  QPainterPath outer, inner;
  outer.addEllipse(c, r, r);
  inner.addEllipse(c + QPointF(shift, -shift * 0.3), r * 0.85, r * 0.85);
  return outer.subtracted(inner);
}

void drawTile(QPainter& p, int size, const QColor& top, const QColor& bottom) {
  QLinearGradient g(0, 0, 0, size);
  g.setColorAt(0, top);
  g.setColorAt(1, bottom);
  p.setBrush(g);
  p.setPen(QPen(kGold, qMax(1.0, size / 24.0)));
  const double inset = qMax(0.5, size / 48.0);
  p.drawRoundedRect(QRectF(inset, inset, size - 2 * inset, size - 2 * inset), size / 6.0,
                    size / 6.0);
}

// A small upright card of the given face colour, optionally turned.
void miniCard(QPainter& p, const QPointF& centre, double h, double angle, const QColor& face,
              const QColor& line) {
  p.save();
  p.translate(centre);
  p.rotate(angle);
  const double w = h * 0.58;
  p.setPen(QPen(line, qMax(1.0, h / 22)));
  p.setBrush(face);
  p.drawRoundedRect(QRectF(-w / 2, -h / 2, w, h), h / 14, h / 14);
  p.restore();
}

}  // namespace

QImage drawProgramIcon(int size) {
  QImage img = transparentImage(size, size);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  const QPointF c(size / 2.0, size / 2.0);
  const double r = size / 2.0 - qMax(0.75, size / 32.0);
  QRadialGradient g(c - QPointF(r * 0.3, r * 0.3), r * 1.4);
  g.setColorAt(0, kViolet);
  g.setColorAt(1, kNight);
  p.setBrush(g);
  p.setPen(QPen(kGold, qMax(1.0, size / 16.0)));
  p.drawEllipse(c, r, r);
  p.setPen(Qt::NoPen);
  if (size >= 32) {
    p.setBrush(kPaleGold);
    p.drawPath(crescent(c + QPointF(-r * 0.12, 0), r * 0.68, r * 0.28));
    p.setBrush(kGold);
    p.drawPath(starPath(c + QPointF(r * 0.22, -r * 0.05), r * 0.36, r * 0.15, 5));
    // Three small stars in the sky.
    p.setBrush(kPaleGold);
    for (QPointF d : {QPointF(0.45, -0.5), QPointF(0.55, 0.35), QPointF(0.05, 0.6)})
      p.drawPath(starPath(c + d * r, r * 0.09, r * 0.035, 4));
  } else {
    p.setBrush(kPaleGold);
    p.drawPath(starPath(c, r * 0.78, r * 0.32, 5));
  }
  p.end();
  return img;
}

QImage drawModeIcon(int mode, int size) {
  QImage img = transparentImage(size, size);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  const double s = size;
  QFont f(QStringLiteral("DejaVu Serif"));
  f.setBold(true);
  if (mode == 0) {
    // Numerology: a large nine among smaller figures.
    drawTile(p, size, QColor(44, 110, 186), QColor(20, 52, 110));
    f.setPixelSize(int(s * 0.62));
    p.setFont(f);
    p.setPen(kPaleGold);
    p.drawText(QRectF(0, s * 0.02, s, s), Qt::AlignCenter, QStringLiteral("9"));
    f.setPixelSize(int(s * 0.2));
    p.setFont(f);
    p.setPen(QColor(200, 220, 250));
    p.drawText(QRectF(s * 0.12, s * 0.1, s * 0.3, s * 0.3), Qt::AlignCenter, QStringLiteral("1"));
    p.drawText(QRectF(s * 0.6, s * 0.6, s * 0.3, s * 0.3), Qt::AlignCenter, QStringLiteral("3"));
  } else if (mode == 1) {
    // Tarot reading: two fanned cards, one showing a star.
    drawTile(p, size, QColor(128, 48, 140), QColor(64, 20, 80));
    miniCard(p, QPointF(s * 0.42, s * 0.52), s * 0.62, -14, kWine, kGold);
    miniCard(p, QPointF(s * 0.58, s * 0.5), s * 0.62, 10, QColor(250, 244, 226),
             QColor(60, 30, 70));
    p.save();
    p.translate(s * 0.58, s * 0.5);
    p.rotate(10);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(210, 120, 40));
    p.drawPath(starPath(QPointF(0, 0), s * 0.14, s * 0.06, 5));
    p.restore();
  } else {
    // Tarot numerology: a card carrying a number, and a small planet.
    drawTile(p, size, QColor(30, 140, 110), QColor(12, 70, 58));
    miniCard(p, QPointF(s * 0.44, s * 0.52), s * 0.66, -6, QColor(250, 244, 226),
             QColor(20, 60, 50));
    f.setPixelSize(int(s * 0.34));
    p.setFont(f);
    p.save();
    p.translate(s * 0.44, s * 0.52);
    p.rotate(-6);
    p.setPen(QColor(20, 90, 70));
    p.drawText(QRectF(-s * 0.2, -s * 0.3, s * 0.4, s * 0.6), Qt::AlignCenter, QStringLiteral("7"));
    p.restore();
    p.setPen(QPen(kGold, qMax(1.0, s / 32)));
    p.setBrush(kPaleGold);
    p.drawEllipse(QPointF(s * 0.76, s * 0.26), s * 0.1, s * 0.1);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(s * 0.76, s * 0.26), s * 0.17, s * 0.05);
  }
  p.end();
  return img;
}

QImage drawBoardIcon(int size) {
  QImage img = transparentImage(size, size);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  drawTile(p, size, QColor(36, 96, 88), QColor(18, 54, 50));
  const double s = size;
  for (int i = 0; i < 3; ++i)
    miniCard(p, QPointF(s * (0.25 + i * 0.25), s * 0.5), s * 0.5, 0,
             i == 1 ? QColor(250, 244, 226) : kWine, i == 1 ? QColor(60, 30, 70) : kGold);
  p.end();
  return img;
}

QImage drawCardBack(int width, int height) {
  QImage img(width, height, QImage::Format_RGB32);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  const QPointF c(width / 2.0, height / 2.0);
  QRadialGradient g(c, height * 0.6);
  g.setColorAt(0, QColor(112, 36, 96));
  g.setColorAt(1, QColor(40, 12, 44));
  p.fillRect(img.rect(), g);
  const bool small = width < 60;
  const double inset = small ? 2 : 7;
  const QRectF panel(inset, inset, width - 2 * inset, height - 2 * inset);

  // A fine lattice, clipped to the inner panel.
  p.save();
  p.setClipRect(panel);
  QColor lattice = kGold;
  lattice.setAlpha(small ? 70 : 48);
  p.setPen(QPen(lattice, small ? 0.8 : 1));
  const double step = small ? 6 : 12;
  for (double x = -height; x < width + height; x += step) {
    p.drawLine(QPointF(x, 0), QPointF(x + height, height));
    p.drawLine(QPointF(x, height), QPointF(x + height, 0));
  }
  p.restore();

  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(kGold, small ? 1 : 2.5));
  p.drawRect(QRectF(1.5, 1.5, width - 3, height - 3).adjusted(small ? -0.5 : 0, small ? -0.5 : 0,
                                                            small ? 0.5 : 0, small ? 0.5 : 0));
  if (!small) {
    p.setPen(QPen(kGold, 1));
    p.drawRect(panel);
  }

  // The medallion: a sun-star in a ring, with a moon above and one below,
  // the lower one turned so that the back has no top or bottom.
  const double r = small ? width * 0.36 : width * 0.3;
  p.setPen(QPen(kGold, small ? 1 : 2));
  p.setBrush(kNight);
  p.drawEllipse(c, r, r);
  p.setPen(Qt::NoPen);
  p.setBrush(kGold);
  p.drawPath(starPath(c, r * 0.82, r * 0.34, 8, -90));
  p.setBrush(kPaleGold);
  p.drawPath(starPath(c, r * 0.42, r * 0.18, 8, -67.5));
  if (!small) {
    for (int i = 0; i < 16; ++i) {
      const double a = qDegreesToRadians(i * 22.5);
      p.drawEllipse(c + QPointF((r + 6) * std::cos(a), (r + 6) * std::sin(a)), 1.6, 1.6);
    }
    for (int side = -1; side <= 1; side += 2) {
      p.save();
      p.translate(c + QPointF(0, side * height * 0.3));
      p.rotate(side < 0 ? -90 : 90);
      p.drawPath(crescent(QPointF(0, 0), 14, 6));
      p.restore();
      p.drawPath(starPath(c + QPointF(0, side * height * 0.41), 5, 2, 4));
    }
    for (int sx = -1; sx <= 1; sx += 2)
      for (int sy = -1; sy <= 1; sy += 2)
        p.drawPath(starPath(QPointF(c.x() + sx * (width / 2.0 - 18), c.y() + sy * (height / 2.0 - 18)),
                            6, 2.2, 4));
  }
  p.end();
  return img;
}

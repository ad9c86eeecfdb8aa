#include "tarot/TarotArtwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <QtMath>

namespace tarot {
namespace {

// Small stars scattered at fixed places (the same picture on every run).
void drawStars(QPainter& p, const QRectF& area, int count, const QColor& colour, quint32 seed) {
  QRandomGenerator gen(seed);
  p.setPen(Qt::NoPen);
  for (int i = 0; i < count; ++i) {
    const QPointF c(area.left() + gen.bounded(area.width()), area.top() + gen.bounded(area.height()));
    const double r = 0.4 + gen.bounded(1.2);
    QColor col = colour;
    col.setAlphaF(0.35 + gen.bounded(0.65));
    p.setBrush(col);
    p.drawEllipse(c, r, r);
  }
}

QPainterPath starPath(const QPointF& c, double outer, double inner, int points) {
  QPainterPath path;
  for (int i = 0; i < points * 2; ++i) {
    const double r = (i % 2) ? inner : outer;
    const double a = qDegreesToRadians(-90.0 + i * 180.0 / points);
    const QPointF pt(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
    if (i == 0) path.moveTo(pt);
    else path.lineTo(pt);
  }
  path.closeSubpath();
  return path;
}

// One card lying face down: a framed back with a star in its middle.
void drawCardBack(QPainter& p, const QRectF& r) {
  const double edge = qMax(1.0, r.width() * 0.07);
  p.setPen(QPen(QColor(60, 30, 20), qMin(1.2, edge / 2)));
  p.setBrush(QColor(250, 240, 215));
  p.drawRoundedRect(r, edge, edge);
  const QRectF inner = r.adjusted(edge, edge, -edge, -edge);
  QLinearGradient g(inner.topLeft(), inner.bottomRight());
  g.setColorAt(0, QColor(120, 25, 60));
  g.setColorAt(1, QColor(60, 15, 90));
  p.setBrush(g);
  p.setPen(QPen(QColor(220, 180, 90), 1));
  p.drawRoundedRect(inner, edge / 2, edge / 2);
  p.setBrush(QColor(235, 195, 95));
  p.setPen(Qt::NoPen);
  p.drawPath(starPath(inner.center(), inner.width() * 0.28, inner.width() * 0.12, 5));
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(235, 195, 95), 1));
  p.drawEllipse(inner.center(), inner.width() * 0.36, inner.width() * 0.36);
}

QPixmap drawSplashPicture() {
  QPixmap pm(500, 334);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  QLinearGradient sky(0, 0, 0, 334);
  sky.setColorAt(0, QColor(18, 10, 48));
  sky.setColorAt(0.65, QColor(58, 22, 86));
  sky.setColorAt(1, QColor(110, 40, 80));
  p.fillRect(pm.rect(), sky);
  drawStars(p, QRectF(0, 0, 500, 334), 220, QColor(255, 250, 230), 7);

  // A crescent moon in the upper right.
  QPainterPath moon;
  moon.addEllipse(QPointF(448, 58), 30, 30);
  QPainterPath bite;
  bite.addEllipse(QPointF(462, 49), 26, 26);
  QRadialGradient glow(QPointF(448, 58), 60);
  glow.setColorAt(0, QColor(255, 230, 160, 90));
  glow.setColorAt(1, QColor(255, 230, 160, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(glow);
  p.drawEllipse(QPointF(448, 58), 60, 60);
  p.setBrush(QColor(250, 225, 150));
  p.drawPath(moon.subtracted(bite));

  // Five cards fanned out below the title.
  const QPointF pivot(250, 420);
  for (int i = 0; i < 5; ++i) {
    p.save();
    p.translate(pivot);
    p.rotate(-24 + i * 12);
    drawCardBack(p, QRectF(-34, -250, 68, 112));
    p.restore();
  }

  QFont title(QStringLiteral("DejaVu Serif"));
  title.setBold(true);
  title.setPixelSize(54);
  p.setFont(title);
  p.setPen(QColor(30, 10, 30, 160));
  p.drawText(QRectF(3, 27, 500, 70), Qt::AlignCenter, QStringLiteral("Dravenna"));
  p.setPen(QColor(240, 200, 100));
  p.drawText(QRectF(0, 24, 500, 70), Qt::AlignCenter, QStringLiteral("Dravenna"));
  QFont sub(QStringLiteral("DejaVu Serif"));
  sub.setItalic(true);
  sub.setPixelSize(20);
  p.setFont(sub);
  p.setPen(QColor(235, 225, 250));
  p.drawText(QRectF(0, 92, 500, 30), Qt::AlignCenter, QStringLiteral("Tarot Reading"));
  return pm;
}

QPixmap drawPageBackground() {
  QPixmap pm(600, 400);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient g(0, 0, 600, 400);
  g.setColorAt(0, QColor(250, 244, 228));
  g.setColorAt(1, QColor(232, 222, 245));
  p.fillRect(pm.rect(), g);
  drawStars(p, QRectF(0, 0, 600, 400), 140, QColor(150, 120, 190), 11);
  // A faint sun-and-moon emblem in the lower left, behind the controls.
  p.setPen(QPen(QColor(200, 170, 120, 70), 2));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(QPointF(90, 300), 60, 60);
  p.setBrush(QColor(210, 180, 120, 45));
  p.setPen(Qt::NoPen);
  p.drawPath(starPath(QPointF(90, 300), 48, 20, 8));
  return pm;
}

}  // namespace

// Each is drawn once and shared by every window that shows it: drawn anew
// for each window, each copy would hold its own pixels, and each drawing
// leaves its working memory behind in the heap.
QPixmap splashPicture() {
  static const QPixmap kept = drawSplashPicture();
  return kept;
}

QPixmap pageBackground() {
  static const QPixmap kept = drawPageBackground();
  return kept;
}

QIcon tarotIcon() {
  QIcon icon;
  for (int s : {16, 32, 48}) {
    QPixmap pm(s, s);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    drawCardBack(p, QRectF(s * 0.18, 0.5, s * 0.64, s - 1.0));
    icon.addPixmap(pm);
  }
  return icon;
}

}  // namespace tarot

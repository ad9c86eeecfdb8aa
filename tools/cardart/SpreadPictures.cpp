#include "SpreadPictures.h"

#include <QFont>
#include <QPainter>

#include "board/SpreadSlotLayout.h"

namespace {

// A slot on the board measures a card picture plus its one-pixel border.
constexpr double kSlotWidth = 2205;
constexpr double kSlotHeight = 3780;
// Small spreads are not blown up beyond this many pixels per twip, so their
// cards keep the size of cards on a table.
constexpr double kMaxScale = 0.024;
constexpr double kMargin = 7;

const QColor kFelt(28, 74, 68);
const QColor kEdge(214, 176, 92);
const QColor kCard(244, 234, 208);
const QColor kCardLine(96, 64, 30);
const QColor kNumber(140, 28, 60);

QList<QRectF> slotRects(int index) {
  QList<QRectF> rects;
  const auto& positions = SpreadSlotLayout::positions(index);
  for (int k = 0; k < int(positions.size()); ++k) {
    const bool turned =
        index == SpreadSlotLayout::kCelticCrossIndex && k == SpreadSlotLayout::kCrossingSlot;
    rects.append(QRectF(positions[k].left, positions[k].top, turned ? kSlotHeight : kSlotWidth,
                        turned ? kSlotWidth : kSlotHeight));
  }
  return rects;
}

// Where a slot's number goes: its middle, or, where a later slot lies across
// it, the middle of the largest strip that stays in view.
QRectF numberBox(const QList<QRectF>& rects, int k) {
  QRectF box = rects[k];
  for (int j = k + 1; j < rects.size(); ++j) {
    const QRectF over = rects[j];
    if (!over.intersects(box)) continue;
    const QRectF strips[4] = {
        QRectF(box.left(), box.top(), box.width(), over.top() - box.top()),
        QRectF(box.left(), over.bottom(), box.width(), box.bottom() - over.bottom()),
        QRectF(box.left(), box.top(), over.left() - box.left(), box.height()),
        QRectF(over.right(), box.top(), box.right() - over.right(), box.height())};
    QRectF best;
    for (const QRectF& s : strips)
      if (s.width() > 0 && s.height() > 0 && s.width() * s.height() > best.width() * best.height())
        best = s;
    box = best;
  }
  return box;
}

}  // namespace

QImage drawSpreadPicture(int index) {
  QImage img(kSpreadWidth, kSpreadHeight, QImage::Format_RGB32);
  img.fill(kFelt);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.setPen(QPen(kEdge, 2));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectF(1, 1, kSpreadWidth - 2, kSpreadHeight - 2));

  const QList<QRectF> rects = slotRects(index);
  if (rects.isEmpty()) return img;
  QRectF bounds;
  for (const QRectF& r : rects) bounds = bounds.united(r);
  const double scale =
      qMin(kMaxScale, qMin((kSpreadWidth - 2 * kMargin) / bounds.width(),
                           (kSpreadHeight - 2 * kMargin) / bounds.height()));
  QTransform toPicture;
  toPicture.translate(kSpreadWidth / 2.0, kSpreadHeight / 2.0);
  toPicture.scale(scale, scale);
  toPicture.translate(-bounds.center().x(), -bounds.center().y());

  const double cardWidth = kSlotWidth * scale;
  for (const QRectF& r : rects) {
    const QRectF onPicture = toPicture.mapRect(r).adjusted(0.5, 0.5, -0.5, -0.5);
    p.setPen(QPen(kCardLine, 1));
    p.setBrush(kCard);
    p.drawRoundedRect(onPicture, 1.5, 1.5);
    if (cardWidth > 30) {
      p.setPen(QPen(kEdge, 1));
      p.setBrush(Qt::NoBrush);
      p.drawRoundedRect(onPicture.adjusted(3, 3, -3, -3), 1, 1);
    }
  }
  QFont f(QStringLiteral("DejaVu Sans"));
  f.setBold(true);
  f.setPixelSize(qBound(8, int(cardWidth * 0.5), 26));
  p.setFont(f);
  p.setPen(kNumber);
  for (int k = 0; k < rects.size(); ++k)
    p.drawText(toPicture.mapRect(numberBox(rects, k)), Qt::AlignCenter, QString::number(k + 1));
  p.end();
  return img;
}

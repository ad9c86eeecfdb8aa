#include "board/CardPictures.h"

#include <QDateTime>
#include <QFileInfo>
#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QtMath>

#include "platform/Pictures.h"
#include "tarot/TarotCardTable.h"

namespace CardPictures {
namespace {

// Indigo ground, a lattice of diamonds, a gold frame and a round seal in the
// middle; every element is symmetric under a half turn.
QPixmap drawBack(int w, int h) {
  QPixmap pm(w, h);
  pm.fill(QColor(36, 30, 78));
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF inner(6.5, 6.5, w - 13.0, h - 13.0);
  p.save();
  p.setClipRect(inner);
  p.setPen(QPen(QColor(70, 60, 130), 1));
  const double step = 14;
  for (double d = -h; d < w + h; d += step) {
    p.drawLine(QPointF(d, 0), QPointF(d + h, h));
    p.drawLine(QPointF(d, h), QPointF(d + h, 0));
  }
  p.restore();
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(201, 169, 74), 2));
  p.drawRoundedRect(inner, 5, 5);
  p.setPen(QPen(QColor(201, 169, 74), 1));
  p.drawRoundedRect(inner.adjusted(4, 4, -4, -4), 3, 3);

  const QPointF c(w / 2.0, h / 2.0);
  const double r = qMin(w, h) * 0.28;
  p.setPen(QPen(QColor(201, 169, 74), 2));
  p.setBrush(QColor(28, 22, 60));
  p.drawEllipse(c, r, r);
  QPolygonF star;
  for (int i = 0; i < 16; ++i) {
    const double a = qDegreesToRadians(i * 22.5);
    const double rr = (i % 2 == 0) ? r * 0.8 : r * 0.36;
    star << QPointF(c.x() + rr * std::cos(a), c.y() + rr * std::sin(a));
  }
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(222, 192, 96));
  p.drawPolygon(star);
  p.setBrush(QColor(36, 30, 78));
  p.drawEllipse(c, r * 0.16, r * 0.16);
  return pm;
}

struct CachedFace {
  QDateTime modified;
  qint64 size = -1;
  QPixmap picture;
};

}  // namespace

QPixmap cardBack(int width, int height) {
  static QHash<quint64, QPixmap> backs;
  const quint64 key = (quint64(quint32(width)) << 32) | quint32(height);
  auto it = backs.find(key);
  if (it == backs.end()) it = backs.insert(key, drawBack(width, height));
  return *it;
}

QPixmap cardFace(const QString& deckLetter, int number) {
  static QHash<QString, CachedFace> faces;
  const QString path = TarotCardTable::picturePath(deckLetter, number);
  const QFileInfo info(path);
  if (!info.isFile()) {
    faces.remove(path);
    return QPixmap();
  }
  const QDateTime modified = info.lastModified();
  auto it = faces.find(path);
  if (it != faces.end() && it->modified == modified && it->size == info.size())
    return it->picture;
  const QPixmap picture = platform::loadPicture(path);
  if (picture.isNull()) {
    faces.remove(path);
    return picture;
  }
  faces.insert(path, CachedFace{modified, info.size(), picture});
  return picture;
}

}  // namespace CardPictures

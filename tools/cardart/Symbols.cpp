#include "Symbols.h"

#include <QtMath>

using TarotCardTable::Suit;

Sketch::Sketch(QPainter& p, const QRectF& box, double aspect, const Ink& ink, double linePx)
    : p_(p), ink_(ink), linePx_(linePx) {
  p_.save();
  p_.setRenderHint(QPainter::Antialiasing);
  const double unitsW = aspect * 100.0;
  const double scale = qMin(box.width() / unitsW, box.height() / 100.0);
  p_.translate(box.center().x() - unitsW * scale / 2, box.center().y() - 50 * scale);
  p_.scale(scale, scale);
}

Sketch::~Sketch() { p_.restore(); }

void Sketch::shape(const QPainterPath& path, const QColor& fill) {
  QPen pen(ink_.line, linePx_);
  pen.setCosmetic(true);
  pen.setJoinStyle(Qt::RoundJoin);
  pen.setCapStyle(Qt::RoundCap);
  p_.setPen(pen);
  p_.setBrush(fill.isValid() ? QBrush(fill) : QBrush(Qt::NoBrush));
  p_.drawPath(path);
}

void Sketch::line(const QPainterPath& path, const QColor& colour, double px) {
  QPen pen(colour.isValid() ? colour : ink_.line, px > 0 ? px : linePx_);
  pen.setCosmetic(true);
  pen.setJoinStyle(Qt::RoundJoin);
  pen.setCapStyle(Qt::RoundCap);
  p_.setPen(pen);
  p_.setBrush(Qt::NoBrush);
  p_.drawPath(path);
}

void Sketch::line(QPointF a, QPointF b, const QColor& colour, double px) {
  QPainterPath path(a);
  path.lineTo(b);
  line(path, colour, px);
}

void Sketch::circle(QPointF c, double r, const QColor& fill) {
  QPainterPath path;
  path.addEllipse(c, r, r);
  shape(path, fill);
}

void Sketch::ellipse(const QRectF& r, const QColor& fill) {
  QPainterPath path;
  path.addEllipse(r);
  shape(path, fill);
}

void Sketch::rect(const QRectF& r, const QColor& fill) {
  QPainterPath path;
  path.addRect(r);
  shape(path, fill);
}

void Sketch::polygon(std::initializer_list<QPointF> pts, const QColor& fill) {
  QPainterPath path;
  bool first = true;
  for (const QPointF& pt : pts) {
    if (first) path.moveTo(pt);
    else path.lineTo(pt);
    first = false;
  }
  path.closeSubpath();
  shape(path, fill);
}

QPainterPath starPath(QPointF c, double outer, double inner, int points, double firstAngleDeg) {
  QPainterPath path;
  for (int i = 0; i < points * 2; ++i) {
    const double a = qDegreesToRadians(firstAngleDeg + i * 180.0 / points);
    const double r = (i % 2 == 0) ? outer : inner;
    const QPointF pt(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
    if (i == 0) path.moveTo(pt);
    else path.lineTo(pt);
  }
  path.closeSubpath();
  return path;
}

QPainterPath pentagramLines(QPointF c, double r, double firstAngleDeg) {
  QPainterPath path;
  for (int i = 0; i <= 5; ++i) {
    const double a = qDegreesToRadians(firstAngleDeg + (i * 2 % 5) * 72.0);
    const QPointF pt(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
    if (i == 0) path.moveTo(pt);
    else path.lineTo(pt);
  }
  return path;
}

QPainterPath leafPath(QPointF base, QPointF tip, double width) {
  const QPointF d = tip - base;
  const QPointF n(-d.y(), d.x());
  const double len = std::hypot(d.x(), d.y());
  const QPointF side = len > 0 ? n * (width / 2 / len) : QPointF();
  const QPointF mid = base + d * 0.45;
  QPainterPath path(base);
  path.quadTo(mid + side * 2, tip);
  path.quadTo(mid - side * 2, base);
  return path;
}

QString romanNumeral(int n) {
  if (n <= 0) return QStringLiteral("0");
  static const struct {
    int value;
    const char* text;
  } parts[] = {{10, "X"}, {9, "IX"}, {5, "V"}, {4, "IV"}, {1, "I"}};
  QString out;
  for (const auto& part : parts)
    while (n >= part.value) {
      out += QLatin1String(part.text);
      n -= part.value;
    }
  return out;
}

// ---- Suit symbols -------------------------------------------------------

namespace {

void cup(Sketch& s) {
  const Ink& k = s.ink();
  QPainterPath foot;
  foot.moveTo(12, 97);
  foot.lineTo(60, 97);
  foot.cubicTo(60, 88, 44, 86, 40, 78);
  foot.lineTo(32, 78);
  foot.cubicTo(28, 86, 12, 88, 12, 97);
  foot.closeSubpath();
  s.shape(foot, k.yellow);
  s.rect(QRectF(31.5, 52, 9, 27), k.yellow);
  s.ellipse(QRectF(25, 60, 22, 10), k.red);
  QPainterPath bowl;
  bowl.moveTo(3, 10);
  bowl.lineTo(69, 10);
  bowl.cubicTo(69, 38, 56, 54, 36, 55);
  bowl.cubicTo(16, 54, 3, 38, 3, 10);
  bowl.closeSubpath();
  s.shape(bowl, k.yellow);
  // A band around the bowl.
  QPainterPath band;
  band.moveTo(7, 26);
  band.cubicTo(24, 32, 48, 32, 65, 26);
  s.line(band);
  s.ellipse(QRectF(3, 4, 66, 12), k.blue);
}

void pentacle(Sketch& s) {
  const Ink& k = s.ink();
  const QPointF c(50, 50);
  s.circle(c, 47, k.yellow);
  s.circle(c, 38, k.yellow.lighter(112));
  s.shape(starPath(c, 36, 14, 5), k.red);
  s.line(pentagramLines(c, 36));
}

void sword(Sketch& s) {
  const Ink& k = s.ink();
  s.polygon({{16, 0}, {23, 9}, {22, 66}, {10, 66}, {9, 9}}, k.steel);
  s.line(QPointF(16, 9), QPointF(16, 60), k.line, s.linePx() * 0.6);
  QPainterPath guard;
  guard.moveTo(0, 66);
  guard.quadTo(16, 62, 32, 66);
  guard.lineTo(32, 72);
  guard.quadTo(16, 69, 0, 72);
  guard.closeSubpath();
  s.shape(guard, k.yellow);
  s.rect(QRectF(12.5, 72, 7, 18), k.red);
  s.circle(QPointF(16, 94), 5.5, k.yellow);
}

void wand(Sketch& s) {
  const Ink& k = s.ink();
  s.shape(leafPath(QPointF(21, 26), QPointF(34, 12), 8), k.green);
  s.shape(leafPath(QPointF(13, 50), QPointF(0, 37), 8), k.green);
  s.shape(leafPath(QPointF(21, 73), QPointF(34, 60), 8), k.green);
  QPainterPath staff;
  staff.moveTo(11, 4);
  staff.quadTo(17, -1, 23, 4);
  staff.lineTo(21, 96);
  staff.quadTo(17, 100, 13, 96);
  staff.closeSubpath();
  s.shape(staff, k.wood);
  // Knots in the wood.
  s.line(QPointF(14, 36), QPointF(19, 39), k.line, s.linePx() * 0.7);
  s.line(QPointF(15, 64), QPointF(20, 61), k.line, s.linePx() * 0.7);
  s.line(QPointF(14, 86), QPointF(19, 88), k.line, s.linePx() * 0.7);
}

}  // namespace

double suitAspect(Suit suit) {
  switch (suit) {
    case Suit::Cups: return 0.72;
    case Suit::Pentacles: return 1.0;
    case Suit::Swords: return 0.32;
    case Suit::Wands: return 0.34;
  }
  return 1.0;
}

void drawSuit(QPainter& p, Suit suit, const QRectF& box, const Ink& ink, double linePx) {
  Sketch s(p, box, suitAspect(suit), ink, linePx);
  switch (suit) {
    case Suit::Cups: cup(s); break;
    case Suit::Pentacles: pentacle(s); break;
    case Suit::Swords: sword(s); break;
    case Suit::Wands: wand(s); break;
  }
}

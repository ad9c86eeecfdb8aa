// The emblems of the 22 Major Arcana, each drawn on a 100 x 100 grid with
// the deck's ink: the traditional attribute of each card, simplified so that
// it reads at the size of a card picture.
#include <QtMath>

#include "Symbols.h"

using TarotCardTable::Suit;

namespace {

// A coloured stroke with the ink's outline on both sides.
void band(Sketch& s, const QPainterPath& path, const QColor& colour, double px) {
  s.line(path, s.ink().line, px + 2 * s.linePx());
  s.line(path, colour, px);
}

void band(Sketch& s, QPointF a, QPointF b, const QColor& colour, double px) {
  QPainterPath path(a);
  path.lineTo(b);
  band(s, path, colour, px);
}

QPainterPath lemniscate(QPointF c, double halfWidth, double halfHeight) {
  const double w = halfWidth, h = halfHeight;
  QPainterPath path(c);
  path.cubicTo(c + QPointF(w * 0.45, -h * 1.5), c + QPointF(w, -h), c + QPointF(w, 0));
  path.cubicTo(c + QPointF(w, h), c + QPointF(w * 0.45, h * 1.5), c);
  path.cubicTo(c + QPointF(-w * 0.45, -h * 1.5), c + QPointF(-w, -h), c + QPointF(-w, 0));
  path.cubicTo(c + QPointF(-w, h), c + QPointF(-w * 0.45, h * 1.5), c);
  return path;
}

QPainterPath heart(QPointF c, double size) {
  const double r = size / 2;
  QPainterPath path(c + QPointF(0, r * 0.9));
  path.cubicTo(c + QPointF(-r * 1.1, r * 0.1), c + QPointF(-r * 1.0, -r * 0.95),
               c + QPointF(0, -r * 0.45));
  path.cubicTo(c + QPointF(r * 1.0, -r * 0.95), c + QPointF(r * 1.1, r * 0.1),
               c + QPointF(0, r * 0.9));
  path.closeSubpath();
  return path;
}

QPainterPath circlePath(QPointF c, double r) {
  QPainterPath path;
  path.addEllipse(c, r, r);
  return path;
}

QPainterPath rectPath(const QRectF& r) {
  QPainterPath path;
  path.addRect(r);
  return path;
}

// A wing of three feathers spreading from root towards one side (dir -1 or 1).
void wing(Sketch& s, QPointF root, int dir, double size) {
  for (int i = 0; i < 3; ++i) {
    const double a = qDegreesToRadians(-30.0 + i * 22.0);
    const QPointF tip = root + QPointF(dir * size * std::cos(a), size * std::sin(a));
    s.shape(leafPath(root, tip, size * 0.28), s.ink().white);
  }
}

void flower(Sketch& s, QPointF c, double r, const QColor& petals, const QColor& heartColour) {
  for (int i = 0; i < 5; ++i) {
    const double a = qDegreesToRadians(-90.0 + i * 72.0);
    s.circle(c + QPointF(r * 0.7 * std::cos(a), r * 0.7 * std::sin(a)), r * 0.55, petals);
  }
  s.circle(c, r * 0.4, heartColour);
}

QPainterPath drop(QPointF top, double size) {
  QPainterPath path(top);
  path.cubicTo(top + QPointF(size * 0.7, size * 0.9), top + QPointF(size * 0.5, size * 1.4),
               top + QPointF(0, size * 1.4));
  path.cubicTo(top + QPointF(-size * 0.5, size * 1.4), top + QPointF(-size * 0.7, size * 0.9),
               top);
  return path;
}

void rays(Sketch& s, QPointF c, double r1, double r2, int count, const QColor& colour,
          double px) {
  for (int i = 0; i < count; ++i) {
    const double a = qDegreesToRadians(i * 360.0 / count);
    const QPointF d(std::cos(a), std::sin(a));
    s.line(c + d * r1, c + d * r2, colour, px);
  }
}

QPainterPath crown(const QRectF& r) {
  const double x = r.left(), y = r.top(), w = r.width(), h = r.height();
  QPainterPath path(QPointF(x, y + h));
  path.lineTo(x, y + h * 0.25);
  path.lineTo(x + w * 0.25, y + h * 0.6);
  path.lineTo(x + w * 0.5, y);
  path.lineTo(x + w * 0.75, y + h * 0.6);
  path.lineTo(x + w, y + h * 0.25);
  path.lineTo(x + w, y + h);
  path.closeSubpath();
  return path;
}

// A little castle tower with a battlement and a window.
void tower(Sketch& s, const QRectF& r) {
  const double x = r.left(), w = r.width(), m = w / 5;
  QPainterPath path(QPointF(x, r.bottom()));
  path.lineTo(x, r.top());
  for (int i = 0; i < 5; ++i) {
    const double dx = x + i * m;
    if (i % 2 == 0) {
      path.lineTo(dx + m, r.top());
      path.lineTo(dx + m, r.top() + m);
    } else {
      path.lineTo(dx + m, r.top() + m);
      path.lineTo(dx + m, r.top());
    }
  }
  path.lineTo(x + w, r.bottom());
  path.closeSubpath();
  s.shape(path, s.ink().steel);
  s.rect(QRectF(x + w * 0.38, r.top() + w * 0.6, w * 0.24, w * 0.5), s.ink().dark);
}

// ---- the cards, by traditional number ---------------------------------

void fool(Sketch& s) {
  const Ink& k = s.ink();
  s.circle(QPointF(80, 16), 9, k.yellow);
  rays(s, QPointF(80, 16), 12, 17, 10, k.yellow, s.linePx());
  s.polygon({{0, 100}, {0, 80}, {30, 74}, {64, 78}, {70, 100}}, k.green);
  s.line(QPointF(24, 76), QPointF(24, 62), k.green, s.linePx() * 1.4);
  s.shape(leafPath(QPointF(24, 70), QPointF(14, 64), 5), k.green);
  flower(s, QPointF(24, 58), 8, k.white, k.yellow);
  band(s, QPointF(38, 94), QPointF(66, 26), k.wood, 3.0);
  QPainterPath bag = circlePath(QPointF(68, 30), 11);
  s.shape(bag, k.red);
  s.polygon({{62, 20}, {68, 25}, {74, 19}, {68, 16}}, k.red);
  s.line(QPointF(62, 34), QPointF(72, 26), k.line, s.linePx() * 0.7);
}

void magician(Sketch& s) {
  const Ink& k = s.ink();
  band(s, lemniscate(QPointF(50, 12), 18, 7), k.yellow, 2.5);
  s.rect(QRectF(47.5, 26, 5, 44), k.white);
  s.circle(QPointF(50, 26), 4, k.white);
  s.rect(QRectF(8, 70, 84, 9), k.wood);
  s.rect(QRectF(14, 79, 6, 19), k.wood);
  s.rect(QRectF(80, 79, 6, 19), k.wood);
  drawSuit(s.painter(), Suit::Cups, QRectF(9, 50, 17, 20), k, s.linePx() * 0.8);
  drawSuit(s.painter(), Suit::Pentacles, QRectF(27, 54, 16, 16), k, s.linePx() * 0.8);
  drawSuit(s.painter(), Suit::Swords, QRectF(58, 42, 8, 28), k, s.linePx() * 0.8);
  drawSuit(s.painter(), Suit::Wands, QRectF(73, 42, 9, 28), k, s.linePx() * 0.8);
}

void highPriestess(Sketch& s) {
  const Ink& k = s.ink();
  s.rect(QRectF(24, 16, 52, 80), k.blue);
  for (int side = 0; side < 2; ++side) {
    const double x = side == 0 ? 8 : 76;
    const QColor body = side == 0 ? k.dark : k.white;
    s.rect(QRectF(x, 16, 16, 78), body);
    s.rect(QRectF(x - 3, 9, 22, 8), body);
    s.rect(QRectF(x - 3, 93, 22, 7), body);
    QPainterPath letter;
    QFont f(QStringLiteral("DejaVu Serif"));
    f.setBold(true);
    f.setPixelSize(14);
    letter.addText(QPointF(x + 3.5, 60), f, side == 0 ? QStringLiteral("B") : QStringLiteral("J"));
    s.painter().setPen(Qt::NoPen);
    s.painter().setBrush(side == 0 ? k.white : k.dark);
    s.painter().drawPath(letter);
  }
  // The crown of the full moon between two crescents.
  s.circle(QPointF(50, 24), 7, k.white);
  const QPainterPath left = circlePath(QPointF(38, 24), 6).subtracted(circlePath(QPointF(35, 24), 6));
  const QPainterPath right = circlePath(QPointF(62, 24), 6).subtracted(circlePath(QPointF(65, 24), 6));
  s.shape(left, k.white);
  s.shape(right, k.white);
  // The scroll.
  QPainterPath scroll;
  scroll.addRoundedRect(QRectF(36, 40, 28, 28), 3, 3);
  s.shape(scroll, k.white);
  for (int i = 0; i < 4; ++i)
    s.line(QPointF(41, 47 + i * 5), QPointF(59, 47 + i * 5), k.line, s.linePx() * 0.6);
  s.circle(QPointF(36, 40), 3, k.white);
  s.circle(QPointF(64, 68), 3, k.white);
  // The crescent at her feet.
  s.shape(circlePath(QPointF(50, 84), 11).subtracted(circlePath(QPointF(50, 78), 10)), k.yellow);
}

void empress(Sketch& s) {
  const Ink& k = s.ink();
  for (int i = 0; i < 12; ++i) {
    const double a = qDegreesToRadians(192.0 + i * (156.0 / 11));
    const QPointF c(50 + 40 * std::cos(a), 52 + 40 * std::sin(a));
    s.shape(starPath(c, 5, 2.2, 5), k.yellow);
  }
  s.shape(heart(QPointF(50, 60), 62), k.red);
  const QColor v = k.yellow;
  band(s, circlePath(QPointF(50, 50), 11), v, 3.2);
  band(s, QPointF(50, 61), QPointF(50, 84), v, 3.2);
  band(s, QPointF(41, 73), QPointF(59, 73), v, 3.2);
}

void emperor(Sketch& s) {
  const Ink& k = s.ink();
  QPainterPath throne(QPointF(18, 98));
  throne.lineTo(18, 40);
  throne.quadTo(50, 20, 82, 40);
  throne.lineTo(82, 98);
  throne.closeSubpath();
  s.shape(throne, k.steel);
  s.line(QPointF(18, 76), QPointF(82, 76));
  // Rams' horns on the top corners.
  for (int side = -1; side <= 1; side += 2) {
    const QPointF c(50 + side * 32, 38);
    QPainterPath spiral;
    for (int i = 0; i <= 40; ++i) {
      const double t = i / 40.0;
      const double a = qDegreesToRadians(-90.0 + side * t * 600.0);
      const double r = 10 * (1 - t * 0.8);
      const QPointF pt(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
      if (i == 0) spiral.moveTo(pt);
      else spiral.lineTo(pt);
    }
    band(s, spiral, k.white, 2.4);
  }
  s.shape(crown(QRectF(36, 6, 28, 18)), k.yellow);
  s.circle(QPointF(50, 14), 2.2, k.red);
  // The orb.
  s.circle(QPointF(50, 56), 12, k.yellow);
  s.line(QPointF(38, 56), QPointF(62, 56));
  s.line(QPointF(50, 44), QPointF(50, 36));
  s.line(QPointF(46, 39), QPointF(54, 39));
}

void hierophant(Sketch& s) {
  const Ink& k = s.ink();
  // Crossed keys, gold and silver.
  for (int side = -1; side <= 1; side += 2) {
    const QColor metal = side < 0 ? k.yellow : k.steel;
    const QPointF ring(50 + side * 30, 92);
    const QPointF end(50 - side * 24, 58);
    band(s, ring + (end - ring) * 0.2, end, metal, 3.0);
    s.circle(ring, 7, metal);
    s.circle(ring, 3, k.ground);
    const QPointF d = (end - ring) / std::hypot((end - ring).x(), (end - ring).y());
    const QPointF n(-d.y() * side, d.x() * side);
    s.polygon({end - d * 2, end - d * 2 + n * 8, end - d * 8 + n * 8, end - d * 8}, metal);
  }
  s.rect(QRectF(47, 12, 6, 70), k.yellow);
  s.rect(QRectF(40, 18, 20, 5), k.yellow);
  s.rect(QRectF(35, 30, 30, 5), k.yellow);
  s.rect(QRectF(30, 42, 40, 5), k.yellow);
  s.circle(QPointF(50, 9), 4, k.yellow);
}

void lovers(Sketch& s) {
  const Ink& k = s.ink();
  wing(s, QPointF(50, 20), -1, 26);
  wing(s, QPointF(50, 20), 1, 26);
  s.circle(QPointF(50, 18), 8, k.yellow);
  s.shape(heart(QPointF(40, 62), 34), k.red);
  s.shape(heart(QPointF(60, 66), 34).subtracted(heart(QPointF(40, 62), 34)), k.flesh);
  // Cupid's arrow through both.
  band(s, QPointF(14, 86), QPointF(82, 44), k.yellow, 1.8);
  s.polygon({{86, 41}, {74, 43}, {80, 51}}, k.yellow);
  s.polygon({{14, 86}, {8, 84}, {12, 92}}, k.white);
}

void chariot(Sketch& s) {
  const Ink& k = s.ink();
  QPainterPath canopy(QPointF(14, 30));
  canopy.quadTo(50, 8, 86, 30);
  canopy.closeSubpath();
  s.shape(canopy, k.blue);
  for (int i = 0; i < 5; ++i)
    s.shape(starPath(QPointF(30 + i * 10, 24 - (i == 2 ? 4 : (i % 2 ? 3 : 0))), 3, 1.3, 5),
            k.yellow);
  s.rect(QRectF(19, 30, 4, 28), k.yellow);
  s.rect(QRectF(77, 30, 4, 28), k.yellow);
  s.polygon({{12, 56}, {88, 56}, {82, 80}, {18, 80}}, k.red);
  // The winged disc on the car.
  s.shape(leafPath(QPointF(46, 67), QPointF(28, 63), 6), k.white);
  s.shape(leafPath(QPointF(54, 67), QPointF(72, 63), 6), k.white);
  s.circle(QPointF(50, 67), 5, k.yellow);
  for (int side = 0; side < 2; ++side) {
    const QPointF c(side == 0 ? 26 : 74, 84);
    s.circle(c, 13, k.wood);
    for (int i = 0; i < 4; ++i) {
      const double a = qDegreesToRadians(i * 45.0);
      const QPointF d(11 * std::cos(a), 11 * std::sin(a));
      s.line(c - d, c + d);
    }
    s.circle(c, 3, k.yellow);
  }
}

void strength(Sketch& s) {
  const Ink& k = s.ink();
  band(s, lemniscate(QPointF(50, 10), 16, 6), k.yellow, 2.3);
  s.circle(QPointF(33, 40), 7, k.yellow);
  s.circle(QPointF(67, 40), 7, k.yellow);
  s.shape(starPath(QPointF(50, 60), 36, 27, 16, -90), k.wood);
  s.circle(QPointF(50, 62), 22, k.yellow);
  s.circle(QPointF(42, 56), 2.6, k.dark);
  s.circle(QPointF(58, 56), 2.6, k.dark);
  s.polygon({{45, 65}, {55, 65}, {50, 71}}, k.dark);
  QPainterPath mouth(QPointF(50, 71));
  mouth.quadTo(46, 77, 41, 75);
  mouth.moveTo(50, 71);
  mouth.quadTo(54, 77, 59, 75);
  s.line(mouth);
  // A garland of flowers below.
  for (int i = 0; i < 3; ++i) flower(s, QPointF(34 + i * 16, 93), 5, k.red, k.yellow);
}

void hermit(Sketch& s) {
  const Ink& k = s.ink();
  s.polygon({{36, 100}, {68, 68}, {100, 100}}, k.white);
  band(s, QPointF(24, 12), QPointF(32, 98), k.wood, 3.5);
  // The lantern hangs from a ring.
  s.circle(QPointF(62, 13), 3, QColor());
  for (int i = 0; i < 12; ++i) {
    const double a = qDegreesToRadians(i * 30.0);
    const QPointF d(std::cos(a), std::sin(a));
    s.line(QPointF(62, 42) + d * 22, QPointF(62, 42) + d * 28, k.yellow, s.linePx());
  }
  s.polygon({{54, 16}, {70, 16}, {74, 24}, {50, 24}}, k.steel);
  s.rect(QRectF(51, 24, 22, 34), k.yellow.lighter(125));
  s.shape(starPath(QPointF(62, 41), 9, 5, 6), k.white);
  s.polygon({{50, 58}, {74, 58}, {68, 64}, {56, 64}}, k.steel);
  s.line(QPointF(51, 24), QPointF(51, 58));
  s.line(QPointF(73, 24), QPointF(73, 58));
}

void wheel(Sketch& s) {
  const Ink& k = s.ink();
  const QPointF c(50, 50);
  s.circle(c, 45, k.yellow);
  s.circle(c, 35, k.blue);
  for (int i = 0; i < 8; ++i) {
    const double a = qDegreesToRadians(i * 45.0);
    const QPointF d(std::cos(a), std::sin(a));
    band(s, c + d * 10, c + d * 35, k.yellow, 2.2);
  }
  s.circle(c, 10, k.yellow);
  s.circle(c, 4, k.red);
  for (int i = 0; i < 4; ++i) {
    const double a = qDegreesToRadians(-90.0 + i * 90.0);
    s.circle(c + QPointF(40 * std::cos(a), 40 * std::sin(a)), 3.5, k.red);
  }
}

void justice(Sketch& s) {
  const Ink& k = s.ink();
  drawSuit(s.painter(), Suit::Swords, QRectF(37, 4, 26, 94), k, s.linePx());
  band(s, QPointF(12, 36), QPointF(88, 36), k.yellow, 2.8);
  for (int side = -1; side <= 1; side += 2) {
    const double x = 50 + side * 34;
    s.line(QPointF(x, 36), QPointF(x - 11, 64));
    s.line(QPointF(x, 36), QPointF(x + 11, 64));
    QPainterPath pan(QPointF(x - 14, 64));
    pan.quadTo(x, 80, x + 14, 64);
    pan.closeSubpath();
    s.shape(pan, k.yellow);
  }
  s.circle(QPointF(50, 36), 3.5, k.yellow);
}

void hangedMan(Sketch& s) {
  const Ink& k = s.ink();
  s.rect(QRectF(10, 6, 8, 92), k.wood);
  s.rect(QRectF(82, 6, 8, 92), k.wood);
  s.rect(QRectF(6, 6, 88, 8), k.wood);
  s.shape(leafPath(QPointF(22, 10), QPointF(30, 20), 5), k.green);
  s.shape(leafPath(QPointF(78, 10), QPointF(70, 20), 5), k.green);
  s.line(QPointF(50, 14), QPointF(50, 24));
  // Upside down, one leg crossed behind the other to make a four.
  band(s, QPointF(50, 24), QPointF(50, 54), k.red, 4.5);
  QPainterPath bent(QPointF(50, 27));
  bent.lineTo(63, 40);
  bent.lineTo(51, 50);
  band(s, bent, k.blue, 4.0);
  s.polygon({{40, 52}, {60, 52}, {58, 76}, {42, 76}}, k.blue);
  s.polygon({{40, 54}, {33, 70}, {42, 74}}, k.flesh);
  s.polygon({{60, 54}, {67, 70}, {58, 74}}, k.flesh);
  s.circle(QPointF(50, 86), 11, k.yellow);
  rays(s, QPointF(50, 86), 12, 15, 12, k.yellow, s.linePx());
  s.circle(QPointF(50, 84), 7, k.flesh);
}

void death(Sketch& s) {
  const Ink& k = s.ink();
  band(s, QPointF(26, 98), QPointF(64, 8), k.wood, 3.5);
  QPainterPath blade(QPointF(64, 8));
  blade.cubicTo(44, -2, 16, 8, 4, 34);
  blade.cubicTo(20, 18, 42, 14, 61, 18);
  blade.closeSubpath();
  s.shape(blade, k.steel);
  s.line(QPointF(40, 38), QPointF(34, 46), k.line, s.linePx() * 0.8);
  // The white rose.
  s.line(QPointF(74, 96), QPointF(72, 72), k.green, s.linePx() * 1.6);
  s.shape(leafPath(QPointF(73, 86), QPointF(86, 80), 6), k.green);
  flower(s, QPointF(72, 66), 12, k.white, k.yellow);
  // Setting sun between two towers.
  s.shape(circlePath(QPointF(24, 74), 9).subtracted(rectPath(QRectF(10, 74, 30, 12))), k.yellow);
  s.line(QPointF(6, 74), QPointF(44, 74));
}

void temperance(Sketch& s) {
  const Ink& k = s.ink();
  QPainterPath stream(QPointF(33, 26));
  stream.cubicTo(52, 28, 62, 44, 66, 60);
  band(s, stream, k.blue, 3.0);
  s.painter().save();
  s.painter().translate(22, 28);
  s.painter().rotate(-35);
  drawSuit(s.painter(), Suit::Cups, QRectF(-14, -20, 28, 36), k, s.linePx());
  s.painter().restore();
  drawSuit(s.painter(), Suit::Cups, QRectF(52, 56, 28, 38), k, s.linePx());
  // The square and triangle.
  s.rect(QRectF(10, 72, 22, 22), k.white);
  s.polygon({{21, 75}, {30, 91}, {12, 91}}, k.yellow);
  s.shape(starPath(QPointF(78, 16), 8, 3.5, 8), k.yellow);
}

void devil(Sketch& s) {
  const Ink& k = s.ink();
  for (int side = -1; side <= 1; side += 2) {
    QPainterPath horn(QPointF(50 + side * 8, 30));
    horn.cubicTo(50 + side * 16, 20, 50 + side * 22, 12, 50 + side * 20, 2);
    horn.cubicTo(50 + side * 30, 12, 50 + side * 26, 26, 50 + side * 18, 34);
    horn.closeSubpath();
    s.shape(horn, k.white);
  }
  s.circle(QPointF(50, 54), 27, k.dark);
  band(s, pentagramLines(QPointF(50, 54), 23, 90), k.red, 2.2);
  for (int side = -1; side <= 1; side += 2)
    for (int i = 0; i < 3; ++i) {
      const QPointF c(50 + side * (20 + i * 4), 82 + i * 6);
      s.ellipse(QRectF(c.x() - 3.5, c.y() - 4.5, 7, 9), QColor());
    }
}

void towerCard(Sketch& s) {
  const Ink& k = s.ink();
  tower(s, QRectF(32, 30, 36, 70));
  s.rect(QRectF(40, 70, 6, 9), k.dark);
  s.rect(QRectF(54, 70, 6, 9), k.dark);
  s.shape(leafPath(QPointF(43, 70), QPointF(40, 60), 6), k.red);
  s.shape(leafPath(QPointF(57, 70), QPointF(60, 60), 6), k.red);
  s.painter().save();
  s.painter().translate(70, 18);
  s.painter().rotate(28);
  s.shape(crown(QRectF(-10, -7, 20, 14)), k.yellow);
  s.painter().restore();
  s.polygon({{98, 0}, {82, 16}, {88, 18}, {70, 34}, {76, 35}, {56, 48}, {82, 28}, {76, 26},
             {92, 12}, {86, 10}},
            k.yellow);
  for (int i = 0; i < 5; ++i)
    s.shape(drop(QPointF(14 + (i % 2) * 8, 20 + i * 14), 4), k.yellow);
}

void star(Sketch& s) {
  const Ink& k = s.ink();
  s.shape(starPath(QPointF(50, 34), 24, 9, 8), k.yellow);
  const QPointF small[7] = {{16, 14}, {84, 14}, {12, 44}, {88, 44}, {24, 66}, {76, 66}, {50, 72}};
  for (const QPointF& c : small) s.shape(starPath(c, 7, 2.6, 8), k.white);
  QPainterPath water(QPointF(0, 86));
  for (int i = 0; i < 5; ++i) water.quadTo(i * 20 + 10, 80, i * 20 + 20, 86);
  water.lineTo(100, 100);
  water.lineTo(0, 100);
  water.closeSubpath();
  s.shape(water, k.blue);
}

void moon(Sketch& s) {
  const Ink& k = s.ink();
  s.circle(QPointF(50, 32), 24, k.white);
  s.shape(circlePath(QPointF(50, 32), 24).subtracted(circlePath(QPointF(60, 28), 21)), k.yellow);
  for (int i = 0; i < 6; ++i)
    s.shape(drop(QPointF(24 + i * 10.5, 62 + (i % 2) * 4), 3), k.yellow);
  tower(s, QRectF(4, 56, 16, 42));
  tower(s, QRectF(80, 56, 16, 42));
  QPainterPath path(QPointF(50, 98));
  path.cubicTo(36, 90, 64, 84, 50, 76);
  s.line(path, k.yellow, 3.0);
  s.ellipse(QRectF(26, 90, 48, 10), k.blue);
}

void sun(Sketch& s) {
  const Ink& k = s.ink();
  const QPointF c(50, 38);
  for (int i = 0; i < 16; ++i) {
    const double a = qDegreesToRadians(i * 22.5);
    const QPointF d(std::cos(a), std::sin(a));
    const QPointF n(-d.y(), d.x());
    if (i % 2 == 0) {
      s.polygon({c + d * 20 + n * 4, c + d * 35, c + d * 20 - n * 4}, k.yellow);
    } else {
      QPainterPath wave(c + d * 21);
      wave.cubicTo(c + d * 25 + n * 4, c + d * 28 - n * 4, c + d * 33);
      s.line(wave, k.yellow, 2.0);
    }
  }
  s.circle(c, 19, k.yellow);
  s.circle(QPointF(43, 35), 2, k.dark);
  s.circle(QPointF(57, 35), 2, k.dark);
  QPainterPath smile(QPointF(42, 44));
  smile.quadTo(50, 51, 58, 44);
  s.line(smile);
  for (int i = 0; i < 3; ++i) {
    const QPointF f(22 + i * 28, 76);
    s.line(f, f + QPointF(0, 10), k.green, s.linePx() * 1.5);
    s.shape(starPath(f, 8, 4, 10), k.yellow);
    s.circle(f, 3.5, k.wood);
  }
  s.rect(QRectF(4, 84, 92, 14), k.red);
  for (int i = 0; i < 5; ++i) s.line(QPointF(13 + i * 18, 84), QPointF(13 + i * 18, 91));
  s.line(QPointF(4, 91), QPointF(96, 91));
}

void judgement(Sketch& s) {
  const Ink& k = s.ink();
  for (int i = 0; i < 5; ++i)
    s.circle(QPointF(14 + i * 18, 12 + (i % 2) * 4), 11, k.white);
  // The trumpet with its banner.
  band(s, QPointF(26, 24), QPointF(66, 50), k.yellow, 3.2);
  s.polygon({{63, 46}, {78, 50}, {70, 62}}, k.yellow);
  s.rect(QRectF(40, 36, 18, 16), k.white);
  s.rect(QRectF(47.5, 37.5, 3, 13), k.red);
  s.rect(QRectF(42, 42.5, 14, 3), k.red);
  rays(s, QPointF(74, 56), 10, 16, 7, k.yellow, s.linePx());
  // Three figures rising with raised arms.
  for (int i = 0; i < 3; ++i) {
    const double x = 24 + i * 26;
    s.line(QPointF(x, 84), QPointF(x - 7, 70), k.flesh, 2.2);
    s.line(QPointF(x, 84), QPointF(x + 7, 70), k.flesh, 2.2);
    s.rect(QRectF(x - 5, 80, 10, 12), k.flesh);
    s.circle(QPointF(x, 76), 4, k.flesh);
  }
  s.rect(QRectF(8, 88, 84, 10), k.wood);
}

void world(Sketch& s) {
  const Ink& k = s.ink();
  const QPointF c(50, 52);
  for (int i = 0; i < 28; ++i) {
    const double a = qDegreesToRadians(i * 360.0 / 28);
    const QPointF base(c.x() + 31 * std::cos(a), c.y() + 42 * std::sin(a));
    const double a2 = a + qDegreesToRadians(22.0);
    const QPointF tip(c.x() + 31 * std::cos(a2), c.y() + 42 * std::sin(a2));
    s.shape(leafPath(base, tip, 6), k.green);
  }
  for (int end = -1; end <= 1; end += 2)
    band(s, lemniscate(QPointF(50, 52 + end * 43), 7, 3.5), k.red, 2.0);
  s.circle(c, 15, k.blue);
  s.line(QPointF(35, 52), QPointF(65, 52));
  s.ellipse(QRectF(43, 37, 14, 30), QColor());
  QPainterPath lat(QPointF(37, 44));
  lat.quadTo(50, 47, 63, 44);
  lat.moveTo(37, 60);
  lat.quadTo(50, 57, 63, 60);
  s.line(lat);
  const QPointF corners[4] = {{8, 8}, {92, 8}, {8, 92}, {92, 92}};
  for (const QPointF& pt : corners) s.shape(starPath(pt, 7, 2.6, 4, -90), k.yellow);
}

}  // namespace

void drawEmblem(QPainter& p, int traditional, const QRectF& box, const Ink& ink, double linePx) {
  Sketch s(p, box, 1.0, ink, linePx);
  typedef void (*Draw)(Sketch&);
  static const Draw draws[22] = {fool,      magician, highPriestess, empress,   emperor,
                                 hierophant, lovers,  chariot,       strength,  hermit,
                                 wheel,     justice,  hangedMan,     death,     temperance,
                                 devil,     towerCard, star,         moon,      sun,
                                 judgement, world};
  if (traditional >= 0 && traditional < 22) draws[traditional](s);
}

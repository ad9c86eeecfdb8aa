#pragma once
#include <QPainter>
#include <QPainterPath>
#include <QRectF>

#include "Palette.h"
#include "tarot/TarotCardTable.h"

// Drawing on a 100-unit grid: a Sketch maps a box of width w and height 100
// onto a rectangle of the picture and strokes every shape with the ink's
// outline at a fixed width in pixels, whatever the scale.
class Sketch {
 public:
  // The grid is (aspect * 100) x 100 units, fitted into box and centred.
  Sketch(QPainter& p, const QRectF& box, double aspect, const Ink& ink, double linePx);
  ~Sketch();

  QPainter& painter() { return p_; }
  const Ink& ink() const { return ink_; }
  double linePx() const { return linePx_; }

  // Fill with a colour and outline with the ink.
  void shape(const QPainterPath& path, const QColor& fill);
  // An outline only, optionally in its own colour and width (pixels).
  void line(const QPainterPath& path, const QColor& colour = QColor(), double px = 0);
  void line(QPointF a, QPointF b, const QColor& colour = QColor(), double px = 0);
  void circle(QPointF c, double r, const QColor& fill);
  void ellipse(const QRectF& r, const QColor& fill);
  void rect(const QRectF& r, const QColor& fill);
  void polygon(std::initializer_list<QPointF> pts, const QColor& fill);

 private:
  QPainter& p_;
  const Ink& ink_;
  double linePx_;
};

// A star of n points around c: outer and inner radius, first point upward.
QPainterPath starPath(QPointF c, double outer, double inner, int points,
                      double firstAngleDeg = -90);
// The pentagram drawn as one stroke (a star polygon), first point upward.
QPainterPath pentagramLines(QPointF c, double r, double firstAngleDeg = -90);
// A leaf from base to tip, width across.
QPainterPath leafPath(QPointF base, QPointF tip, double width);

// Width / height of a suit symbol.
double suitAspect(TarotCardTable::Suit suit);
// A suit symbol fitted into box (keeping its proportions), centred.
void drawSuit(QPainter& p, TarotCardTable::Suit suit, const QRectF& box, const Ink& ink,
              double linePx);

// The emblem of a Major Arcana card, by its traditional number
// (0 The Fool .. 21 The World), in a square box.
void drawEmblem(QPainter& p, int traditional, const QRectF& box, const Ink& ink, double linePx);

// 1 -> "I", 14 -> "XIV"; 0 -> "0".
QString romanNumeral(int n);

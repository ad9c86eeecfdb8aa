#include "CardFaces.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>

#include "Symbols.h"
#include "tarot/TarotCardTable.h"

using TarotCardTable::Suit;

// ---- the two decks ------------------------------------------------------

// The first deck: a night-blue face with gold lines and small stars.
const DeckStyle& firstDeck() {
  static const DeckStyle d = [] {
    DeckStyle s;
    s.letter = QStringLiteral("r");
    s.ink.line = QColor(236, 200, 110);
    s.ink.ground = QColor(30, 24, 70);
    s.ink.red = QColor(196, 58, 92);
    s.ink.blue = QColor(58, 132, 196);
    s.ink.yellow = QColor(232, 178, 62);
    s.ink.green = QColor(64, 160, 110);
    s.ink.flesh = QColor(238, 196, 170);
    s.ink.steel = QColor(176, 190, 214);
    s.ink.wood = QColor(178, 112, 58);
    s.ink.white = QColor(244, 238, 222);
    s.ink.dark = QColor(22, 16, 48);
    s.groundTop = QColor(26, 22, 66);
    s.groundBottom = QColor(58, 30, 92);
    s.frameOuter = QColor(214, 172, 82);
    s.frameInner = QColor(150, 116, 60);
    s.bandFill = QColor(16, 12, 40);
    s.bandLine = QColor(214, 172, 82);
    s.bandText = QColor(246, 222, 150);
    s.speckle = QColor(255, 246, 214);
    s.woodcut = false;
    s.serif = QStringLiteral("DejaVu Serif");
    return s;
  }();
  return d;
}

// The second deck: the woodcut look of the old Marseilles cards, flat
// primary colours with black outlines on cream paper, every card numbered
// in roman figures and named in capitals.
const DeckStyle& secondDeck() {
  static const DeckStyle d = [] {
    DeckStyle s;
    s.letter = QStringLiteral("m");
    s.ink.line = QColor(28, 22, 18);
    s.ink.ground = QColor(246, 236, 208);
    s.ink.red = QColor(200, 52, 40);
    s.ink.blue = QColor(46, 96, 168);
    s.ink.yellow = QColor(236, 188, 58);
    s.ink.green = QColor(70, 140, 80);
    s.ink.flesh = QColor(244, 204, 168);
    s.ink.steel = QColor(196, 204, 212);
    s.ink.wood = QColor(176, 110, 56);
    s.ink.white = QColor(252, 248, 238);
    s.ink.dark = QColor(40, 34, 30);
    s.ink.lineWidth = 1.6;
    s.groundTop = QColor(248, 240, 214);
    s.groundBottom = QColor(238, 222, 184);
    s.frameOuter = QColor(28, 22, 18);
    s.frameInner = QColor(200, 52, 40);
    s.bandFill = QColor(252, 248, 236);
    s.bandLine = QColor(28, 22, 18);
    s.bandText = QColor(28, 22, 18);
    s.speckle = QColor(200, 180, 140);
    s.woodcut = true;
    s.serif = QStringLiteral("DejaVu Serif");
    return s;
  }();
  return d;
}

namespace {

const QRectF kTopBand(10, 9, 125, 24);
const QRectF kBottomBand(10, 217, 125, 24);
const QRectF kPicture(10, 37, 125, 176);

// Text centred in a box in the deck's lettering, squeezed sideways and
// then made smaller until it fits the box.
void fittedText(QPainter& p, const QRectF& box, const QString& text, const DeckStyle& deck,
                double pixelSize, bool bold = true) {
  QFont f(deck.serif);
  f.setBold(bold);
  double size = pixelSize;
  double squeeze = 1.0;
  for (;;) {
    f.setPixelSize(int(size));
    const double w = QFontMetricsF(f).horizontalAdvance(text);
    squeeze = qMin(1.0, (box.width() - 4) / w);
    if (squeeze >= 0.82 || size <= 8) break;
    size -= 1;
  }
  p.save();
  p.setFont(f);
  p.setPen(deck.bandText);
  p.translate(box.center());
  p.scale(squeeze, 1.0);
  const QRectF local(-box.width() / squeeze / 2, -box.height() / 2, box.width() / squeeze,
                     box.height());
  p.drawText(local, Qt::AlignCenter, text);
  p.restore();
}

void drawBand(QPainter& p, const DeckStyle& deck, const QRectF& band) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(deck.bandLine, 1.2));
  p.setBrush(deck.bandFill);
  if (deck.woodcut) {
    p.drawRect(band);
  } else {
    p.drawRoundedRect(band, 6, 6);
  }
  p.restore();
}

void drawGround(QPainter& p, const DeckStyle& deck, int number) {
  QLinearGradient g(0, 0, 0, kCardHeight);
  g.setColorAt(0, deck.groundTop);
  g.setColorAt(1, deck.groundBottom);
  p.fillRect(QRect(0, 0, kCardWidth, kCardHeight), g);
  // Stars in the night sky of the first deck, grain in the paper of the
  // second; the same for a card every time it is drawn.
  QRandomGenerator rnd(quint32(number * 7919 + (deck.woodcut ? 1 : 0)));
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  const int count = deck.woodcut ? 160 : 55;
  for (int i = 0; i < count; ++i) {
    QColor c = deck.speckle;
    c.setAlpha(deck.woodcut ? 50 : 60 + int(rnd.bounded(150)));
    p.setBrush(c);
    const QPointF at(rnd.bounded(double(kCardWidth)), rnd.bounded(double(kCardHeight)));
    const double r = deck.woodcut ? 0.6 : 0.4 + rnd.bounded(0.8);
    p.drawEllipse(at, r, r);
  }
  p.restore();
}

void drawFrame(QPainter& p, const DeckStyle& deck) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setBrush(Qt::NoBrush);
  if (deck.woodcut) {
    p.setPen(QPen(deck.frameOuter, 3));
    p.drawRect(QRectF(1.5, 1.5, kCardWidth - 3, kCardHeight - 3));
    p.setPen(QPen(deck.frameInner, 1.5));
    p.drawRect(QRectF(5.5, 5.5, kCardWidth - 11, kCardHeight - 11));
  } else {
    p.setPen(QPen(deck.frameOuter, 2.5));
    p.drawRoundedRect(QRectF(3, 3, kCardWidth - 6, kCardHeight - 6), 7, 7);
    p.setPen(QPen(deck.frameInner, 1));
    p.drawRoundedRect(QRectF(6.5, 6.5, kCardWidth - 13, kCardHeight - 13), 5, 5);
    // Small diamonds at the corners.
    p.setPen(Qt::NoPen);
    p.setBrush(deck.frameOuter);
    for (QPointF c : {QPointF(6.5, 6.5), QPointF(kCardWidth - 6.5, 6.5),
                      QPointF(6.5, kCardHeight - 6.5), QPointF(kCardWidth - 6.5, kCardHeight - 6.5)})
      p.drawPath(starPath(c, 4, 1.6, 4));
  }
  p.restore();
}

// A soft glow (first deck) or a ring of rays (second deck) behind the
// central picture.
void drawHalo(QPainter& p, const DeckStyle& deck, const QPointF& c, double r) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  if (!deck.woodcut) {
    QRadialGradient g(c, r);
    QColor in = deck.ink.line;
    in.setAlpha(90);
    QColor out = in;
    out.setAlpha(0);
    g.setColorAt(0, in);
    g.setColorAt(1, out);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(c, r, r);
  } else {
    QColor ray = deck.ink.yellow;
    ray.setAlpha(110);
    p.setPen(QPen(ray, 1.2));
    for (int i = 0; i < 36; ++i) {
      const double a = i * M_PI / 18;
      const QPointF d(std::cos(a), std::sin(a));
      p.drawLine(c + d * r * 0.55, c + d * r);
    }
  }
  p.restore();
}

// Centres of the pips of a pip card of value n in the picture area, as
// fractions of its width and height, laid out as on traditional pip cards.
QList<QPointF> pipLayout(int n) {
  const double L = 0.24, C = 0.5, R = 0.76;
  QList<QPointF> pts;
  auto column = [&](double x, std::initializer_list<double> ys) {
    for (double y : ys) pts.append(QPointF(x, y));
  };
  switch (n) {
    case 2: column(C, {0.2, 0.8}); break;
    case 3: column(C, {0.14, 0.5, 0.86}); break;
    case 4: column(L, {0.2, 0.8}); column(R, {0.2, 0.8}); break;
    case 5: column(L, {0.16, 0.84}); column(R, {0.16, 0.84}); column(C, {0.5}); break;
    case 6: column(L, {0.14, 0.5, 0.86}); column(R, {0.14, 0.5, 0.86}); break;
    case 7:
      column(L, {0.14, 0.5, 0.86}); column(R, {0.14, 0.5, 0.86}); column(C, {0.32});
      break;
    case 8:
      column(L, {0.14, 0.5, 0.86}); column(R, {0.14, 0.5, 0.86}); column(C, {0.32, 0.68});
      break;
    case 9:
      column(L, {0.11, 0.37, 0.63, 0.89}); column(R, {0.11, 0.37, 0.63, 0.89});
      column(C, {0.5});
      break;
    case 10:
      column(L, {0.11, 0.37, 0.63, 0.89}); column(R, {0.11, 0.37, 0.63, 0.89});
      column(C, {0.24, 0.76});
      break;
    default: break;
  }
  return pts;
}

// The height of one pip for a card of value n.
double pipHeight(int n, Suit suit) {
  const bool tall = suit == Suit::Swords || suit == Suit::Wands;
  if (n == 2) return tall ? 76 : 52;
  if (n == 3) return tall ? 56 : 48;
  if (n <= 5) return tall ? 68 : 48;
  if (n <= 8) return tall ? 55 : 42;
  return tall ? 41 : 34;
}

void drawPips(QPainter& p, const DeckStyle& deck, Suit suit, int n) {
  const double h = pipHeight(n, suit);
  const double w = qMin(h * suitAspect(suit), 40.0);
  const QRectF area = kPicture.adjusted(4, 6, -4, -6);
  for (const QPointF& f : pipLayout(n)) {
    const QPointF c(area.left() + f.x() * area.width(), area.top() + f.y() * area.height());
    drawSuit(p, suit, QRectF(c.x() - w / 2, c.y() - h / 2, w, h), deck.ink, 1.2);
  }
}

void drawAce(QPainter& p, const DeckStyle& deck, Suit suit) {
  const QPointF c = kPicture.center();
  drawHalo(p, deck, c, 62);
  const double h = (suit == Suit::Swords || suit == Suit::Wands) ? 150 : 96;
  const double w = h * suitAspect(suit);
  drawSuit(p, suit, QRectF(c.x() - w / 2, c.y() - h / 2, w, h), deck.ink, 1.8);
}

// The court figure: the chess piece of the rank (king, queen, knight, and
// the pawn for the page) in the suit's colour, holding the suit symbol.
void drawCourt(QPainter& p, const DeckStyle& deck, Suit suit, int value) {
  const QChar glyph = value == 14 ? QChar(0x265A) : value == 13 ? QChar(0x265B)
                    : value == 12 ? QChar(0x265E) : QChar(0x265F);
  const QColor robe = suit == Suit::Cups ? deck.ink.blue
                    : suit == Suit::Pentacles ? deck.ink.green
                    : suit == Suit::Swords ? deck.ink.steel : deck.ink.red;
  const QPointF c(kPicture.center().x(), kPicture.top() + 60);
  drawHalo(p, deck, c, 58);
  QFont f(QStringLiteral("DejaVu Sans"));
  f.setPixelSize(110);
  QPainterPath figure;
  figure.setFillRule(Qt::WindingFill);
  figure.addText(0, 0, f, QString(glyph));
  const QRectF b = figure.boundingRect();
  figure.translate(c - b.center());
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  // The piece's openings show in the pale colour: fill its outer
  // silhouette first, then the piece itself over it.
  const QList<QPolygonF> contours = figure.toSubpathPolygons();
  p.setPen(Qt::NoPen);
  p.setBrush(deck.ink.white);
  for (const QPolygonF& outer : contours) {
    bool inside = false;
    for (const QPolygonF& other : contours)
      if (&other != &outer && other.boundingRect().contains(outer.boundingRect()) &&
          other.containsPoint(outer.first(), Qt::OddEvenFill))
        inside = true;
    if (!inside) p.drawPolygon(outer);
  }
  QPen pen(deck.ink.line, 2.0);
  pen.setJoinStyle(Qt::RoundJoin);
  p.setPen(pen);
  p.setBrush(robe);
  p.drawPath(figure);
  p.restore();
  // The suit symbol beneath the figure.
  const double h = (suit == Suit::Swords || suit == Suit::Wands) ? 56 : 44;
  const double w = h * suitAspect(suit);
  const QPointF s(c.x(), kPicture.bottom() - 8 - h / 2);
  drawSuit(p, suit, QRectF(s.x() - w / 2, s.y() - h / 2, w, h), deck.ink, 1.4);
}

QString rankText(const DeckStyle& deck, int value) {
  switch (value) {
    case 1: return QStringLiteral("ACE");
    case 11: return QStringLiteral("PAGE");
    case 12: return QStringLiteral("KNIGHT");
    case 13: return QStringLiteral("QUEEN");
    case 14: return QStringLiteral("KING");
    default: return deck.woodcut ? romanNumeral(value) : QString::number(value);
  }
}

}  // namespace

QImage drawCardFace(const DeckStyle& deck, int number) {
  QImage img(kCardWidth, kCardHeight, QImage::Format_RGB32);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  drawGround(p, deck, number);
  drawFrame(p, deck);

  QString top;
  Suit suit = Suit::Cups;
  int value = 0;
  if (TarotCardTable::minorOf(number, &suit, &value)) {
    top = rankText(deck, value);
    if (value == 1) drawAce(p, deck, suit);
    else if (value <= 10) drawPips(p, deck, suit, value);
    else drawCourt(p, deck, suit, value);
  } else {
    const int traditional = TarotCardTable::majorTraditionalNumber(number);
    top = romanNumeral(traditional);
    const QRectF box(kPicture.center().x() - 60, kPicture.center().y() - 62, 120, 120);
    drawHalo(p, deck, box.center(), 66);
    drawEmblem(p, traditional, box, deck.ink, 1.5);
  }

  drawBand(p, deck, kTopBand);
  fittedText(p, kTopBand, top, deck, 16);
  drawBand(p, deck, kBottomBand);
  QString name = TarotCardTable::name(number);
  if (deck.woodcut) name = name.toUpper();
  fittedText(p, kBottomBand, name, deck, deck.woodcut ? 11 : 12);
  p.end();
  return img;
}

#include "CardFaces.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>

#include "Symbols.h"
#include "tarot/TarotCardTable.h"
#include "tarot_numerology/NumerologySpreadCards.h"

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

// Where the parts of a face lie on its canvas. The central pictures are
// always drawn in the tarot card's picture area kPicture and mapped into
// the layout's own, so every size shows the same design.
struct FaceLayout {
  int width, height;
  QRectF topBand, bottomBand, picture;
  double topPx, namePx;  // lettering sizes
  double minPx;          // the smallest lettering a long text is shrunk to
  double lineScale;      // widens the outlines of symbols and emblems
  bool twoLineName;      // a long name may take two lines
};

const QRectF kPicture(10, 37, 125, 176);
const FaceLayout kTarotLayout{kCardWidth, kCardHeight, QRectF(10, 9, 125, 24),
                              QRectF(10, 217, 125, 24), kPicture, 16, 12, 8, 1.0, false};

// Text centred in a box in the deck's lettering, squeezed sideways and
// then made smaller until it fits the box.
void fittedText(QPainter& p, const QRectF& box, const QString& text, const DeckStyle& deck,
                double pixelSize, bool bold = true, double minPx = 8, double minSqueeze = 0.82) {
  QFont f(deck.serif);
  f.setBold(bold);
  double size = pixelSize;
  double squeeze = 1.0;
  for (;;) {
    f.setPixelSize(int(size));
    double w = 1;
    for (const QString& line : text.split(QLatin1Char('\n')))
      w = qMax(w, QFontMetricsF(f).horizontalAdvance(line));
    squeeze = qMin(1.0, (box.width() - 4) / w);
    if (squeeze >= minSqueeze || size <= minPx) break;
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

void drawGround(QPainter& p, const DeckStyle& deck, int number, int width, int height) {
  QLinearGradient g(0, 0, 0, height);
  g.setColorAt(0, deck.groundTop);
  g.setColorAt(1, deck.groundBottom);
  p.fillRect(QRect(0, 0, width, height), g);
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
    const QPointF at(rnd.bounded(double(width)), rnd.bounded(double(height)));
    const double r = deck.woodcut ? 0.6 : 0.4 + rnd.bounded(0.8);
    p.drawEllipse(at, r, r);
  }
  p.restore();
}

void drawFrame(QPainter& p, const DeckStyle& deck, int w, int h) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setBrush(Qt::NoBrush);
  if (deck.woodcut) {
    p.setPen(QPen(deck.frameOuter, 3));
    p.drawRect(QRectF(1.5, 1.5, w - 3, h - 3));
    p.setPen(QPen(deck.frameInner, 1.5));
    p.drawRect(QRectF(5.5, 5.5, w - 11, h - 11));
  } else {
    p.setPen(QPen(deck.frameOuter, 2.5));
    p.drawRoundedRect(QRectF(3, 3, w - 6, h - 6), 7, 7);
    p.setPen(QPen(deck.frameInner, 1));
    p.drawRoundedRect(QRectF(6.5, 6.5, w - 13, h - 13), 5, 5);
    // Small diamonds at the corners.
    p.setPen(Qt::NoPen);
    p.setBrush(deck.frameOuter);
    for (QPointF c : {QPointF(6.5, 6.5), QPointF(w - 6.5, 6.5),
                      QPointF(6.5, h - 6.5), QPointF(w - 6.5, h - 6.5)})
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

void drawPips(QPainter& p, const DeckStyle& deck, Suit suit, int n, double lw) {
  const double h = pipHeight(n, suit);
  const double w = qMin(h * suitAspect(suit), 40.0);
  const QRectF area = kPicture.adjusted(4, 6, -4, -6);
  for (const QPointF& f : pipLayout(n)) {
    const QPointF c(area.left() + f.x() * area.width(), area.top() + f.y() * area.height());
    drawSuit(p, suit, QRectF(c.x() - w / 2, c.y() - h / 2, w, h), deck.ink, 1.2 * lw);
  }
}

void drawAce(QPainter& p, const DeckStyle& deck, Suit suit, double lw) {
  const QPointF c = kPicture.center();
  drawHalo(p, deck, c, 62);
  const double h = (suit == Suit::Swords || suit == Suit::Wands) ? 150 : 96;
  const double w = h * suitAspect(suit);
  drawSuit(p, suit, QRectF(c.x() - w / 2, c.y() - h / 2, w, h), deck.ink, 1.8 * lw);
}

// The court figure: the chess piece of the rank (king, queen, knight, and
// the pawn for the page) in the suit's colour, holding the suit symbol.
void drawCourt(QPainter& p, const DeckStyle& deck, Suit suit, int value, double lw) {
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
  QPen pen(deck.ink.line, 2.0 * lw);
  pen.setJoinStyle(Qt::RoundJoin);
  p.setPen(pen);
  p.setBrush(robe);
  p.drawPath(figure);
  p.restore();
  // The suit symbol beneath the figure.
  const double h = (suit == Suit::Swords || suit == Suit::Wands) ? 56 : 44;
  const double w = h * suitAspect(suit);
  const QPointF s(c.x(), kPicture.bottom() - 8 - h / 2);
  drawSuit(p, suit, QRectF(s.x() - w / 2, s.y() - h / 2, w, h), deck.ink, 1.4 * lw);
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

// Splits a name that does not fit one line of the band into two lines at
// the space that balances them best.
QString wrappedName(const QString& name, const QFont& font, double width) {
  if (QFontMetricsF(font).horizontalAdvance(name) <= width) return name;
  int best = -1;
  double bestLonger = 1e9;
  for (int i = 0; i < name.size(); ++i) {
    if (name[i] != QLatin1Char(' ')) continue;
    const QFontMetricsF fm(font);
    const double longer = qMax(fm.horizontalAdvance(name.left(i)),
                               fm.horizontalAdvance(name.mid(i + 1)));
    if (longer < bestLonger) {
      bestLonger = longer;
      best = i;
    }
  }
  if (best < 0) return name;
  return name.left(best) + QLatin1Char('\n') + name.mid(best + 1);
}

// What the middle of a face shows: the emblem of a Major Arcana card (by
// its traditional number, Strength 8 and Justice 11), or the pips or
// figure of a Minor Arcana card.
struct FaceContent {
  int emblem = -1;
  Suit suit = Suit::Cups;
  int value = 0;
};

QImage paintFace(const DeckStyle& deck, const FaceLayout& layout, int seed,
                 const FaceContent& content, const QString& top, QString name) {
  QImage img(layout.width, layout.height, QImage::Format_RGB32);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  drawGround(p, deck, seed, layout.width, layout.height);
  drawFrame(p, deck, layout.width, layout.height);

  // The picture is drawn in the tarot card's picture area, mapped into the
  // layout's, centred and keeping its proportions.
  p.save();
  if (layout.picture != kPicture) {
    const double scale = qMin(layout.picture.width() / kPicture.width(),
                              layout.picture.height() / kPicture.height());
    p.translate(layout.picture.center());
    p.scale(scale, scale);
    p.translate(-kPicture.center());
  }
  const double lw = layout.lineScale;
  if (content.emblem >= 0) {
    const QRectF box(kPicture.center().x() - 60, kPicture.center().y() - 62, 120, 120);
    drawHalo(p, deck, box.center(), 66);
    drawEmblem(p, content.emblem, box, deck.ink, 1.5 * lw);
  } else if (content.value == 1) {
    drawAce(p, deck, content.suit, lw);
  } else if (content.value <= 10) {
    drawPips(p, deck, content.suit, content.value, lw);
  } else {
    drawCourt(p, deck, content.suit, content.value, lw);
  }
  p.restore();

  drawBand(p, deck, layout.topBand);
  fittedText(p, layout.topBand, top, deck, layout.topPx, true, layout.minPx);
  drawBand(p, deck, layout.bottomBand);
  // Names in capitals take a size less.
  double namePx = layout.namePx;
  if (deck.woodcut) {
    name = name.toUpper();
    namePx -= 1;
  }
  if (layout.twoLineName) {
    QFont f(deck.serif);
    f.setBold(true);
    f.setPixelSize(int(namePx));
    name = wrappedName(name, f, layout.bottomBand.width() - 6);
  }
  // A long single word on a small face is squeezed further rather than
  // made too small to read.
  fittedText(p, layout.bottomBand, name, deck, namePx, true, layout.minPx,
             layout.twoLineName ? 0.7 : 0.82);
  p.end();
  return img;
}

}  // namespace

QImage drawCardFace(const DeckStyle& deck, int number) {
  FaceContent content;
  QString top;
  if (TarotCardTable::minorOf(number, &content.suit, &content.value)) {
    top = rankText(deck, content.value);
  } else {
    content.emblem = TarotCardTable::majorTraditionalNumber(number);
    top = romanNumeral(content.emblem);
  }
  return paintFace(deck, kTarotLayout, number, content, top, TarotCardTable::name(number));
}

QImage drawNumerologyFace(int number, NumerologyFaceSize size) {
  const DeckStyle& deck = firstDeck();
  // The small face is painted at twice its size and halved, so that its
  // lettering and outlines stay crisp.
  static const FaceLayout kSmall{2 * kNumerologySmallWidth, 2 * kNumerologySmallHeight,
                                 QRectF(9, 8, 126, 32), QRectF(9, 182, 126, 50),
                                 QRectF(9, 42, 126, 138), 26, 22, 14, 2.0, true};
  static const FaceLayout kLarge{kNumerologyLargeWidth, kNumerologyLargeHeight,
                                 QRectF(10, 9, 122, 24), QRectF(10, 217, 122, 24),
                                 QRectF(10, 37, 122, 176), 16, 12, 8, 1.0, false};
  const FaceLayout& layout = size == NumerologyFaceSize::Small ? kSmall : kLarge;

  FaceContent content;
  QString top;
  NSCardTable::Suit suit;
  if (NSCardTable::minorOf(number, &suit, &content.value)) {
    // The tarot deck's suits in the drawing code's terms.
    content.suit = suit == NSCardTable::Suit::Wands ? Suit::Wands
                 : suit == NSCardTable::Suit::Cups ? Suit::Cups
                 : suit == NSCardTable::Suit::Swords ? Suit::Swords : Suit::Pentacles;
    top = rankText(deck, content.value);
  } else {
    // This deck numbers Justice 8 and Strength 11; the emblems are kept by
    // the other order.
    content.emblem = number == 8 ? 11 : number == 11 ? 8 : number;
    top = romanNumeral(number);
  }
  QImage img = paintFace(deck, layout, 1000 + number, content, top, NSCardTable::name(number));
  if (size == NumerologyFaceSize::Small)
    img = img.scaled(kNumerologySmallWidth, kNumerologySmallHeight, Qt::IgnoreAspectRatio,
                     Qt::SmoothTransformation);
  return img;
}

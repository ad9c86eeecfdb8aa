#include "tarot_numerology/frmTarotNumerologyDisplay.h"

#include <QAction>
#include <QFrame>
#include <QFile>
#include <QGroupBox>
#include <QMenuBar>
#include <QPainter>
#include <QPainterPath>
#include <QPlainTextEdit>
#include <QTabBar>
#include <iterator>

#include "platform/Controls.h"
#include "platform/Services.h"
#include "platform/Twips.h"
#include "platform/VbString.h"
#include "shell/ShellWindows.h"
#include "shell/Site.h"
#include "shell/Look.h"
#include "shell/Menus.h"
#include "shell/PromoFrame.h"
#include "shell/modHelp.h"
#include "shell/modRTBAutoUrlDetect.h"
#include "tarot_numerology/NumerologySpreadCards.h"
#include "tarot_numerology/NumerologySpreadReport.h"
#include "tarot_numerology/TarotNumerologyPictures.h"
#include "tarot_numerology/frmTarotNumerologySave.h"
#include "tarot_numerology/ClipboardRule.h"
#include "tarot_numerology/TarotNumerologyLook.h"
#include "tarot_numerology/TarotNumerologyTables.h"
#include "tarot_numerology/frmTarotNumerologyMain.h"
#include "tarot_numerology/modTarotNumerology.h"

using platform::setTwGeometry;
using shell::verdana;

namespace {

constexpr int kCardWidth = 142;
constexpr int kCardHeight = 250;

// A rectangle or circle outline drawn over the page; clicks pass through.
class ShapeOutline : public QWidget {
 public:
  ShapeOutline(bool circle, const QColor& colour, QWidget* parent)
      : QWidget(parent), circle_(circle), colour_(colour) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, circle_);
    p.setPen(QPen(colour_, 1));
    const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    if (circle_) p.drawEllipse(r);
    else p.drawRect(r);
  }

 private:
  bool circle_;
  QColor colour_;
};

// A position number laid over a card picture: blue, ringed in white so that
// it reads on dark and light faces alike; the picture shows around it.
class PositionNumber : public QLabel {
 public:
  using QLabel::QLabel;

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QFontMetricsF fm(font());
    const QString t = text();
    const QPointF at((width() - fm.horizontalAdvance(t)) / 2.0,
                     (height() - fm.height()) / 2.0 + fm.ascent());
    QPainterPath path;
    path.addText(at, font(), t);
    p.strokePath(path, QPen(Qt::white, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.fillPath(path, palette().color(QPalette::WindowText));
  }
};

// A neutral face-down card, shown where a picture is missing.
QPixmap drawnPlaceholder() {
  QPixmap pm(kCardWidth, kCardHeight);
  pm.fill(QColor(232, 228, 240));
  QPainter p(&pm);
  p.setPen(QPen(QColor(120, 110, 150), 2));
  p.drawRect(QRectF(4, 4, kCardWidth - 8, kCardHeight - 8));
  p.setPen(QPen(QColor(170, 160, 200), 1));
  p.drawEllipse(QPointF(kCardWidth / 2.0, kCardHeight / 2.0), 36, 36);
  return pm;
}

QPixmap pictureOrPlaceholder(const QString& resource) {
  QPixmap pm;
  if (QFile::exists(resource)) pm.load(resource);
  if (!pm.isNull()) return pm;
  const QString back = QStringLiteral(":/art/tn/back.png");
  if (QFile::exists(back)) pm.load(back);
  return pm.isNull() ? drawnPlaceholder() : pm;
}

// The picture of a card of the 78-card deck at the number pages' size.
QPixmap numberCardPicture(int deckCard) {
  return pictureOrPlaceholder(QStringLiteral(":/art/tn/number-card-%1.jpg").arg(deckCard));
}

QPixmap placeholderPicture() { return pictureOrPlaceholder(QString()); }

QLabel* label(const QString& caption, const QString& name, QWidget* parent, double pt = 8.25,
              bool bold = false, const QColor& colour = Qt::black) {
  auto* l = platform::named(new QLabel(caption, parent), name);
  l->setFont(verdana(pt, bold));
  l->setTextFormat(Qt::PlainText);
  shell::textColour(l, colour);
  return l;
}

// A centred link label in the given colour.
platform::VbLabel* linkLabel(const QString& caption, const QString& name, const QColor& colour,
                             QWidget* parent) {
  platform::VbLabel* l = shell::linkLabel(caption, name, 8.25, true, parent);
  l->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  shell::textColour(l, colour);
  return l;
}

platform::VbButton* pagingButton(const QString& caption, const QString& name, const QString& accessible,
                                 QWidget* parent) {
  auto* b = platform::named(new platform::VbButton(caption, parent), name, accessible);
  b->setFont(verdana(8.25, true));
  return b;
}

// A one-line value label: the whole value shows, in a smaller type when it is
// long, and as a tip.
void setValue(QLabel* l, const QString& text) {
  l->setFont(verdana(l->property("pt").toDouble(), true));
  l->setText(text);
  l->setToolTip(text);
  shell::fitTextToWidth(l, 6.0);
}

// What one number page is built from: the names of its controls and the
// indexes of its arrays.
struct PageNames {
  QString pic, img, cardName, cardDesc, keywords, back, next, desc, planetDesc;
  int capDesc, capKeywords, paragraph, capNumber, capPlanet;  // lblCaptions
  int firstResult;                                             // lblResult
  int shapeCard, shapeTexts, shapeArea, circle;                // Shape1, Shape2
  QString numberCaption, paragraphText, pageTitle;
};

struct PageControls {
  QWidget* pic;
  QLabel* img;
  QLabel* cardName;
  QLabel* cardDesc;
  QLabel* keywords;
  platform::VbButton* back;
  platform::VbButton* next;
  QPlainTextEdit* desc;
  QPlainTextEdit* planetDesc;
};

}  // namespace

namespace {

PageControls buildNumberPage(frmTarotNumerologyDisplay* w, QWidget* client, const PageNames& n) {
  PageControls c;
  c.pic = platform::named(new QWidget(client), n.pic);
  shell::fillColour(c.pic, Qt::white);
  setTwGeometry(c.pic, 0, 680, 11500, 6500);
  QWidget* p = c.pic;

  const QColor orange(255, 128, 0), darkGreen(0, 64, 0), blue(0, 0, 255), teal(0, 128, 128);

  // Outlines first, so that the texts lie over them.
  w->Shape1[std::size_t(n.shapeCard)] = new ShapeOutline(false, QColor(255, 0, 255), p);
  setTwGeometry(w->Shape1[std::size_t(n.shapeCard)], 80, 60, 2130, 3750);
  w->Shape1[std::size_t(n.shapeTexts)] = new ShapeOutline(false, QColor(0, 128, 0), p);
  setTwGeometry(w->Shape1[std::size_t(n.shapeTexts)], 2250, 60, 9175, 3750);
  w->Shape1[std::size_t(n.shapeArea)] = new ShapeOutline(false, QColor(192, 0, 192), p);
  setTwGeometry(w->Shape1[std::size_t(n.shapeArea)], 80, 3960, 11350, 2400);
  w->Shape2[std::size_t(n.circle)] = new ShapeOutline(true, QColor(255, 0, 0), p);
  setTwGeometry(w->Shape2[std::size_t(n.circle)], 1950, 4560, 450, 450);
  w->Shape1[std::size_t(n.shapeCard)]->setObjectName(QStringLiteral("Shape1(%1)").arg(n.shapeCard));
  w->Shape1[std::size_t(n.shapeTexts)]->setObjectName(QStringLiteral("Shape1(%1)").arg(n.shapeTexts));
  w->Shape1[std::size_t(n.shapeArea)]->setObjectName(QStringLiteral("Shape1(%1)").arg(n.shapeArea));
  w->Shape2[std::size_t(n.circle)]->setObjectName(QStringLiteral("Shape2(%1)").arg(n.circle));

  c.img = platform::named(new QLabel(p), n.img, n.pageTitle + QStringLiteral(": card picture"));
  c.img->setScaledContents(true);
  setTwGeometry(c.img, 80, 60, 2130, 3750);
  c.img->setPixmap(placeholderPicture());

  // The card's name runs along the top of the texts' frame.
  c.cardName = label(QStringLiteral("Label1"), n.cardName, p, 11.25, true, QColor(128, 0, 0));
  setTwGeometry(c.cardName, 2280, 120, 9015, 270);
  auto cap = [&](int index, const QString& text, double l, double t, double wd) {
    QLabel* q = label(text, QStringLiteral("lblCaptions(%1)").arg(index), p, 8.25, true, orange);
    setTwGeometry(q, l, t, wd, 195);
    w->lblCaptions[std::size_t(index)] = q;
    return q;
  };
  cap(n.capDesc, QStringLiteral("Card Description"), 2280, 600, 1620);
  c.cardDesc = label(QStringLiteral("Card Desc"), n.cardDesc, p, 8.25, false, darkGreen);
  c.cardDesc->setWordWrap(true);
  c.cardDesc->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  setTwGeometry(c.cardDesc, 2280, 855, 9015, 1455);
  cap(n.capKeywords, QStringLiteral("Card Keywords"), 2280, 2380, 1455);
  c.keywords = label(QStringLiteral("Card Keywords"), n.keywords, p, 8.25, false, darkGreen);
  c.keywords->setWordWrap(true);
  c.keywords->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  setTwGeometry(c.keywords, 2280, 2640, 9015, 495);

  c.back = pagingButton(QStringLiteral("Back"), n.back, n.pageTitle + QStringLiteral(": previous card"), p);
  setTwGeometry(c.back, 9120, 3375, 1095, 375);
  c.next = pagingButton(QStringLiteral("Next"), n.next, n.pageTitle + QStringLiteral(": next card"), p);
  setTwGeometry(c.next, 10255, 3375, 1095, 375);

  QLabel* para = label(n.paragraphText, QStringLiteral("lblCaptions(%1)").arg(n.paragraph), p, 8.25,
                       true, blue);
  para->setWordWrap(true);
  para->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  setTwGeometry(para, 120, 3960, 11235, 675);
  w->lblCaptions[std::size_t(n.paragraph)] = para;

  cap(n.capNumber, n.numberCaption, 120, 4750, 1800);
  const int r = n.firstResult;
  auto result = [&](int i, double pt, const QColor& colour, double l, double t, double wd, double h) {
    QLabel* q = label(QStringLiteral("Life Path Number"), QStringLiteral("lblResult(%1)").arg(r + i), p, pt,
                      true, colour);
    q->setProperty("pt", pt);
    setTwGeometry(q, l, t, wd, h);
    w->lblResult[std::size_t(r + i)] = q;
    return q;
  };
  QLabel* number = result(0, 9, teal, 1950, 4680, 450, 210);  // centred in the circle
  number->setText(QStringLiteral("No"));
  number->setAlignment(Qt::AlignCenter);
  cap(n.capPlanet, QStringLiteral("Associated Planet: "), 3600, 4750, 1860);
  QLabel* planet = result(1, 9, teal, 5580, 4735, 1400, 210);
  planet->setText(QStringLiteral("Planet"));
  const QString names[] = {QStringLiteral("Lucky Day: "), QStringLiteral("Best Day: "),
                           QStringLiteral("Best Colors: "), QStringLiteral("Lucky Stones: ")};
  const double widths[] = {1125, 975, 1215, 1410};
  // The captions of the Destiny page follow the planet's in their own order
  // (20 to 24); on the Life Path page they are 2 to 6.
  for (int i = 0; i < 4; ++i) {
    const double top = 4800 + i * 372;
    cap(n.capPlanet + 1 + i, names[i], 7080, top, widths[i]);
    // The values run to the frame's right edge so that long lists show whole.
    result(2 + i, 8.25, blue, 7080, top + 186, 4270, 195);
  }

  auto textBox = [&](const QString& name, const QString& accessible, double l) {
    auto* t = platform::named(new tnclipboard::MarkedTextBox(p), name, accessible);
    t->setReadOnly(true);
    t->setFont(verdana(8.25));
    t->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    t->setTabChangesFocus(true);
    t->setStyleSheet(QStringLiteral("color: rgb(0, 0, 255);"));
    setTwGeometry(t, l, 4995, 3300, 1300);
    tnclipboard::guard(t);
    return t;
  };
  c.desc = textBox(n.desc, n.pageTitle + QStringLiteral(": the number's meaning"), 120);
  c.planetDesc = textBox(n.planetDesc, n.pageTitle + QStringLiteral(": the planet's meaning"), 3600);
  return c;
}

// The Numerology Spread page: a grid of three rows of three card pictures
// with its lines, the chart numbers and captions around it, and the report
// box at its right.
void buildSpreadPage(frmTarotNumerologyDisplay* w, QWidget* p) {
  const QColor green(0, 128, 0), blue(0, 0, 255);
  const double columns[] = {1080, 3000, 4920};
  const double rows[] = {280, 2325, 4400};

  // The grid's lines lie under everything else.
  struct LineSpec {
    double left, top, width, height;
  };
  const LineSpec lines[] = {{600, 2150, 6000, 0}, {600, 4200, 6000, 0}, {2640, 120, 0, 6120},
                            {4560, 120, 0, 6120}};
  for (std::size_t i = 0; i < std::size(lines); ++i) {
    auto* line = platform::named(new QFrame(p), QStringLiteral("Line1(%1)").arg(i));
    shell::fillColour(line, green);
    const LineSpec& l = lines[i];
    line->setGeometry(platform::toPx(l.left), platform::toPx(l.top),
                      l.width > 0 ? platform::toPx(l.width) : 1, l.height > 0 ? platform::toPx(l.height) : 1);
    w->Line1[i] = line;
  }

  const QPixmap faceDown = QPixmap::fromImage(TarotNumerologyPictures::spreadPlaceholder());
  for (int k = 0; k < 9; ++k) {
    auto* pic = platform::named(new QLabel(p), QStringLiteral("picNumerologyGrid(%1)").arg(k),
                                QStringLiteral("Position %1: no card yet").arg(k + 1));
    pic->setScaledContents(true);
    setTwGeometry(pic, columns[k % 3], rows[k / 3], 1080, 1800);
    pic->setPixmap(faceDown);
    w->picNumerologyGrid[std::size_t(k)] = pic;

    auto* number = platform::named(new PositionNumber(QString::number(k + 1), pic),
                                   QStringLiteral("lblCardPosition(%1)").arg(11 + k));
    number->setFont(verdana(14.25, true));
    shell::textColour(number, blue);
    number->setAlignment(Qt::AlignCenter);
    number->setAttribute(Qt::WA_TransparentForMouseEvents);
    setTwGeometry(number, 0, 1450, 210, 345);
    w->lblCardPosition[std::size_t(k)] = number;
  }

  // The chart numbers: each column counts upwards, 1 2 3 on the left, 4 5 6
  // in the middle and 7 8 9 on the right.
  const double chartTops[] = {4150, 2100, 25};
  for (int i = 0; i < 9; ++i) {
    QLabel* no = label(QString::number(i + 1), QStringLiteral("lblNo(%1)").arg(i), p, 9, true);
    no->setAlignment(Qt::AlignCenter);
    no->setAutoFillBackground(true);
    no->setFrameShape(QFrame::Box);
    no->setLineWidth(1);
    shell::fillColour(no, QColor(255, 180, 4));
    setTwGeometry(no, columns[i / 3], chartTops[i % 3], 195, 255);
    w->lblNo[std::size_t(i)] = no;
  }

  struct Caption {
    const char* text;
    double left, top;
    bool vertical;
  };
  const Caption captions[] = {
      {"Thought", 1320, 60, false},          {"Organization", 3240, 60, false},
      {"Influence", 5160, 60, false},        {"Individualistic", 1080, 6240, false},
      {"Material Activity", 3000, 6240, false}, {"Power - strength", 4920, 6240, false},
      {"H E A D", 720, 280, true},           {"H E A R T", 720, 2325, true},
      {"D E E D S", 720, 4400, true},        {"I n t e l l e c t", 6240, 280, true},
      {"L i a s i o n", 6240, 2325, true},   {"F u n d a m e n t a l", 6240, 4250, true},
  };
  for (std::size_t i = 0; i < std::size(captions); ++i) {
    const Caption& c = captions[i];
    const QString text = QString::fromLatin1(c.text);
    QLabel* l = label(text, QStringLiteral("lblNumerologyGrid(%1)").arg(i), p, 8.25, true, green);
    if (c.vertical) {
      // A caption beside a row stands one letter per line, set close enough
      // that the longest one ends above the captions under the grid.
      QStringList letters = text.split(QLatin1Char(' '));
      for (QString& letter : letters) letter = letter.toHtmlEscaped();
      l->setTextFormat(Qt::RichText);
      l->setText(QStringLiteral("<div style=\"line-height:82%\">") + letters.join(QStringLiteral("<br>")) +
                 QStringLiteral("</div>"));
      l->setAccessibleName(QString(text).remove(QLatin1Char(' ')));
    }
    l->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    l->adjustSize();
    l->move(platform::toPx(c.left), platform::toPx(c.top));
    w->lblNumerologyGrid[i] = l;
  }

  w->RTB = platform::named(new tnclipboard::MarkedRichTextBox(p), QStringLiteral("RTB"),
                           QStringLiteral("Numerology Spread report"));
  w->RTB->document()->setDefaultFont(verdana(8.25));
  w->RTB->setFont(verdana(8.25));
  w->RTB->setTabChangesFocus(true);
  setTwGeometry(w->RTB, 7470, 0, 4005, 6475);
  tnclipboard::guard(w->RTB);
}

}  // namespace

frmTarotNumerologyDisplay::frmTarotNumerologyDisplay() : platform::Form(this, Kind::MdiChild) {
  setObjectName(QStringLiteral("frmTarotNumerologyDisplay"));
  setWindowTitle(QStringLiteral("Sylvaric"));
  shell::standardColours(this);

  auto* client = new QWidget(this);
  client->setObjectName(QStringLiteral("frmTarotNumerologyDisplay_client"));
  client->setFixedSize(platform::toPx(11475), platform::toPx(7875));
  shell::fillColour(client, Qt::white);
  client->setFont(verdana(8.25));
  setCentralWidget(client);

  Label14 = linkLabel(QStringLiteral("The Most Popular Online Mystic Discussion Forum. Click Here To Visit ") +
                          shell::siteHost() + QStringLiteral(" Now."),
                      QStringLiteral("Label14"), QColor(0, 64, 64), client);
  setTwGeometry(Label14, 1012, 0, 9450, 195);
  connect(Label14, &platform::VbLabel::Click, this, [] { modHelp::GoToHomePage(); });

  TS = platform::named(new QTabBar(client), QStringLiteral("TS"), QStringLiteral("Result pages"));
  TS->setFont(verdana(8.25, true));
  TS->addTab(QStringLiteral("Tarot && Life Path Number"));
  TS->addTab(QStringLiteral("Tarot && Destiny Number"));
  TS->addTab(QStringLiteral("Numerology Spread"));
  TS->setDrawBase(true);
  TS->setExpanding(false);
  setTwGeometry(TS, 0, 360, 11500, 320);

  const PageNames lifePath{QStringLiteral("picLifePath"), QStringLiteral("imgLifePathCards"),
                           QStringLiteral("lblLifePathCardName"), QStringLiteral("lblLifePathCardDesc"),
                           QStringLiteral("lblLifePathKeywords"), QStringLiteral("cmdLifePathBack"),
                           QStringLiteral("cmdLifePathNext"), QStringLiteral("txtLifePathDesc"),
                           QStringLiteral("txtLifePathPlanetDesc"),
                           7, 8, 0, 1, 2, 0, 0, 2, 5, 0,
                           QStringLiteral("Life Path Number: "), TarotNumerologyTables::lifePathParagraph(),
                           QStringLiteral("Life Path")};
  const PageNames destiny{QStringLiteral("picDestiny"), QStringLiteral("imgDestinyCards"),
                          QStringLiteral("lblDestinyCardName"), QStringLiteral("lblDestinyCardDesc"),
                          QStringLiteral("lblDestinyKeywords"), QStringLiteral("cmdDestinyBack"),
                          QStringLiteral("cmdDestinyNext"), QStringLiteral("txtDestinyDesc"),
                          QStringLiteral("txtDestinyPlanetDesc"),
                          19, 18, 26, 25, 20, 6, 1, 3, 4, 1,
                          QStringLiteral("Destiny Number: "), TarotNumerologyTables::destinyParagraph(),
                          QStringLiteral("Destiny")};
  const PageControls lp = buildNumberPage(this, client, lifePath);
  const PageControls de = buildNumberPage(this, client, destiny);
  picLifePath = lp.pic;
  imgLifePathCards = lp.img;
  lblLifePathCardName = lp.cardName;
  lblLifePathCardDesc = lp.cardDesc;
  lblLifePathKeywords = lp.keywords;
  cmdLifePathBack = lp.back;
  cmdLifePathNext = lp.next;
  txtLifePathDesc = lp.desc;
  txtLifePathPlanetDesc = lp.planetDesc;
  picDestiny = de.pic;
  imgDestinyCards = de.img;
  lblDestinyCardName = de.cardName;
  lblDestinyCardDesc = de.cardDesc;
  lblDestinyKeywords = de.keywords;
  cmdDestinyBack = de.back;
  cmdDestinyNext = de.next;
  txtDestinyDesc = de.desc;
  txtDestinyPlanetDesc = de.planetDesc;
  connect(cmdLifePathNext, &platform::VbButton::Click, this, &frmTarotNumerologyDisplay::cmdLifePathNext_Click);
  connect(cmdLifePathBack, &platform::VbButton::Click, this, &frmTarotNumerologyDisplay::cmdLifePathBack_Click);
  connect(cmdDestinyNext, &platform::VbButton::Click, this, &frmTarotNumerologyDisplay::cmdDestinyNext_Click);
  connect(cmdDestinyBack, &platform::VbButton::Click, this, &frmTarotNumerologyDisplay::cmdDestinyBack_Click);

  // The Numerology Spread page: its grid and report are laid on it by the
  // spread's own code.
  picNumerologySpread = platform::named(new QWidget(client), QStringLiteral("picNumerologySpread"));
  shell::fillColour(picNumerologySpread, Qt::white);
  setTwGeometry(picNumerologySpread, 0, 680, 11500, 6500);
  buildSpreadPage(this, picNumerologySpread);

  cmdSave = platform::named(new platform::VbButton(QStringLiteral("&Save"), client), QStringLiteral("cmdSave"));
  setTwGeometry(cmdSave, 9240, 7320, 1000, 350);
  cmdBack = platform::named(new platform::VbButton(QStringLiteral("&Back"), client), QStringLiteral("cmdBack"));
  setTwGeometry(cmdBack, 10335, 7320, 1000, 350);
  connect(cmdSave, &platform::VbButton::Click, this, &frmTarotNumerologyDisplay::cmdSave_Click);
  connect(cmdBack, &platform::VbButton::Click, this, &frmTarotNumerologyDisplay::cmdBack_Click);

  shell::PromoFrameLayout promo;
  promo.left = 0;
  promo.top = 7200;
  promo.width = 9105;
  promo.height = 700;
  promo.labelWidth = 8865;
  promo.labelHeight = 495;
  promo.coBrandText = tarotnumerology::coBrandText();
  promo.centred = true;
  promo.coBrandOnTop = true;
  const shell::PromoFrame frame = shell::promoFrame(client, promo);
  fraFullBrand = frame.fraFullBrand;
  lblCobrand = frame.lblCobrand;
  lblFullBrand = frame.lblFullBrand;

  connect(TS, &QTabBar::currentChanged, this, [this] { TS_Click(); });

  platform::tabOrder({TS, cmdLifePathBack, cmdLifePathNext, txtLifePathDesc, txtLifePathPlanetDesc, cmdDestinyBack, cmdDestinyNext, txtDestinyDesc, txtDestinyPlanetDesc, RTB, cmdSave, cmdBack, Label14, lblCobrand});

  const shell::MenuTable fileRows = {
      {shell::MenuRow::Menu, QStringLiteral("&File"), QStringLiteral("mnuFile")},
      {shell::MenuRow::Item, QStringLiteral("&Back"), QStringLiteral("mnuBack"), [this] { mnuBack_Click(); }},
      {shell::MenuRow::Separator, QString(), QStringLiteral("mnuSep3")},
      {shell::MenuRow::Item, QStringLiteral("E&xit"), QStringLiteral("mnuExit"), [this] { mnuExit_Click(); }},
      {shell::MenuRow::EndMenu, QString(), QString()},
  };
  shell::LinkMenuNames links;
  links.separator1 = QStringLiteral("mnuSep1");
  links.separator2 = QStringLiteral("mnuSep2");
  links.donateCaption = QStringLiteral("&Donate");
  shell::MenuTable menus = fileRows;
  const shell::MenuTable linkRows = shell::linkMenus(links);
  menus.insert(menus.end(), linkRows.begin(), linkRows.end());
  menuBar()->setObjectName(QStringLiteral("frmTarotNumerologyDisplay_menu"));
  const shell::MenuActions actions = shell::buildMenus(menuBar(), this, menus);
  mnuFile = actions.value(QStringLiteral("mnuFile"));
  mnuBack = actions.value(QStringLiteral("mnuBack"));
  mnuSep3 = actions.value(QStringLiteral("mnuSep3"));
  mnuExit = actions.value(QStringLiteral("mnuExit"));
  mnuHelp = actions.value(QStringLiteral("mnuHelp"));
  mnuOnline = actions.value(QStringLiteral("mnuOnline"));
  mnuVisit = actions.value(QStringLiteral("mnuVisit"));
  mnuSep1 = actions.value(QStringLiteral("mnuSep1"));
  mnuUpdate = actions.value(QStringLiteral("mnuUpdate"));
  mnuSep2 = actions.value(QStringLiteral("mnuSep2"));
  mnuAbout = actions.value(QStringLiteral("mnuAbout"));
  mnuDonate = actions.value(QStringLiteral("mnuDonate"));
  mnuMakeMoney = actions.value(QStringLiteral("mnuMakeMoney"));
  mnuMakeMoney->setVisible(false);  // hidden: the business offer is made by its label
  mnuMakeMoney->setEnabled(true);
}

void frmTarotNumerologyDisplay::Form_Load() {
  shell::fixFrame(this, shell::FrameStyle::FixedNoMax);
  placeTopCentre();
  modRTBAutoUrlDetect::EnableUrlDetect(RTB, picNumerologySpread);
  tnState().resetCardIndexes();
  TS->setCurrentIndex(0);
  picLifePath->raise();
}

void frmTarotNumerologyDisplay::Form_Unload(bool&) {
  modRTBAutoUrlDetect::DisableUrlDetect();
  tarotnumerology::setWelcomePanelVisible(true);
}

void frmTarotNumerologyDisplay::TS_Click() {
  switch (TS->currentIndex()) {
    case 0:
      picLifePath->raise();
      break;
    case 1:
      picDestiny->raise();
      break;
    default:
      picNumerologySpread->raise();
      break;
  }
}

void frmTarotNumerologyDisplay::cmdBack_Click() { mnuBack_Click(); }

void frmTarotNumerologyDisplay::mnuBack_Click() {
  platform::Forms::get<frmTarotNumerologyMain>()->Show();
  platform::Forms::unload(this);
  tarotnumerology::setWelcomePanelVisible(false);
}

// The report window writes the whole reading when it loads; this window
// waits until it is closed.
void frmTarotNumerologyDisplay::cmdSave_Click() { platform::Forms::get<frmTarotNumerologySave>()->ShowModal(); }

void frmTarotNumerologyDisplay::mnuExit_Click() { platform::Forms::unload(this); }

void frmTarotNumerologyDisplay::showNumberValues(Page page, qint16 n) {
  const TarotNumerologyTables::NumberRow* row = TarotNumerologyTables::numberRow(n);
  if (!row) return;
  const bool lp = page == Page::LifePath;
  const std::size_t r = lp ? 0 : 6;
  setValue(lblResult[r + 0], QString::number(n));
  setValue(lblResult[r + 1], QString::fromLatin1(row->planet));
  setValue(lblResult[r + 2], QString::fromLatin1(row->luckyDay));
  setValue(lblResult[r + 3], lp ? TarotNumerologyTables::lifePathBestDays(n)
                                 : TarotNumerologyTables::destinyBestDays(n));
  setValue(lblResult[r + 4], QString::fromLatin1(row->colours));
  setValue(lblResult[r + 5], QString::fromLatin1(row->stones));
  // The boxes show CR LF as one line break.
  const QString text = lp ? TarotNumerologyTables::lifePathText(n) : TarotNumerologyTables::destinyText(n);
  const QString planet = TarotNumerologyTables::planetText(QString::fromLatin1(row->planet));
  (lp ? txtLifePathDesc : txtDestinyDesc)->setPlainText(platform::vb::fromCrLf(text));
  (lp ? txtLifePathPlanetDesc : txtDestinyPlanetDesc)->setPlainText(platform::vb::fromCrLf(planet));
}

void frmTarotNumerologyDisplay::showCard(Page page, qint16 n, int k) {
  const TarotNumerologyState& s = tnState();
  if (!s.CardNames || k < 0 || std::size_t(k) >= s.CardNames->size() - 1) return;
  const std::vector<TarotNumerologyTables::SetCard> set = TarotNumerologyTables::cardSet(n);
  const bool lp = page == Page::LifePath;
  if (std::size_t(k) < set.size())
    (lp ? imgLifePathCards : imgDestinyCards)->setPixmap(numberCardPicture(set[std::size_t(k)].deckCard));
  (lp ? lblLifePathCardName : lblDestinyCardName)->setText(s.CardNames->at(std::size_t(k)));
  (lp ? lblLifePathCardDesc : lblDestinyCardDesc)->setText(s.CardDescriptions->at(std::size_t(k)));
  (lp ? lblLifePathKeywords : lblDestinyKeywords)->setText(s.CardKeywords->at(std::size_t(k)));
}

void frmTarotNumerologyDisplay::pageStep(Page page, bool forward) {
  TarotNumerologyState& s = tnState();
  const TarotNumerologyState::Step step = forward ? s.next(page) : s.back(page);
  switch (step.kind) {
    case TarotNumerologyState::Step::ShowCard: {
      // The arrays may hold the other page's set: reload this page's first.
      const qint16 n = s.pageNumber(page);
      if (s.loadCardsForNumber(n)) showCard(page, n, step.card);
      break;
    }
    case TarotNumerologyState::Step::LastRecord:
      platform::MsgBox(QStringLiteral("You Have Reached The Last Record"), platform::vbCritical);
      break;
    case TarotNumerologyState::Step::FirstRecord:
      platform::MsgBox(QStringLiteral("You Have Reached The First Record"), platform::vbCritical);
      break;
    case TarotNumerologyState::Step::Nothing:
      break;
  }
}

void frmTarotNumerologyDisplay::cmdLifePathNext_Click() { pageStep(Page::LifePath, true); }
void frmTarotNumerologyDisplay::cmdLifePathBack_Click() { pageStep(Page::LifePath, false); }
void frmTarotNumerologyDisplay::cmdDestinyNext_Click() { pageStep(Page::Destiny, true); }
void frmTarotNumerologyDisplay::cmdDestinyBack_Click() { pageStep(Page::Destiny, false); }

void frmTarotNumerologyDisplay::layCard(int k, int n) {
  if (k < 0 || k >= int(picNumerologyGrid.size())) return;
  QLabel* pic = picNumerologyGrid[std::size_t(k)];
  pic->setPixmap(QPixmap::fromImage(TarotNumerologyPictures::spreadCard(n)));
  pic->setAccessibleName(QStringLiteral("Position %1: %2").arg(k + 1).arg(NSCardTable::name(n)));
  pic->setToolTip(NSCardTable::name(n));
}

bool frmTarotNumerologyDisplay::drawSpread(int spread) {
  const std::optional<QList<int>> cards = modNumerologySpread::DrawNumerologySpread(
      spread, RTB, [this](int k, int n) { layCard(k, n); });
  if (!cards) return false;
  tnState().NSSpreadCards = *cards;
  // The report is read from its start.
  RTB->setSelStart(0);
  RTB->ensureCursorVisible();
  return true;
}

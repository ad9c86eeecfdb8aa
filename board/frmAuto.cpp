#include "board/frmAuto.h"

#include <QAction>
#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMenuBar>

#include "board/CardDeal.h"
#include "board/CardPictures.h"
#include "board/SpreadSlotLayout.h"
#include "platform/App.h"
#include "platform/Controls.h"
#include "platform/Twips.h"
#include "platform/WarmUp.h"
#include "shell/Artwork.h"
#include "shell/Menus.h"
#include "shell/ShellWindows.h"
#include "platform/RichTextBox.h"
#include "shell/MainFace.h"
#include "shell/modHelp.h"
#include "tarot/TarotCardTable.h"
#include "tarot/TarotReadingState.h"
#include "tarot/modInfo.h"
#include "tarot/modRotate90.h"

using platform::toPx;

namespace {

// The board's client area, in twips.
constexpr double kBoardWidth = 16110;
constexpr double kBoardHeight = 27225;

// Where each slot lies and how wide its picture is before any layout.
struct DesignSlot {
  double left, top;
  int pictureWidth;
};
constexpr DesignSlot kDesign[frmAuto::kSlotCount] = {
    {6840, 120, 145},   {9120, 3960, 145},  {4560, 3960, 146},  {9120, 7800, 147},
    {4560, 7800, 146},  {6840, 11640, 147}, {4560, 15480, 149}, {9120, 15480, 146},
    {6840, 19320, 145}, {6840, 23160, 145}, {6120, 5640, 143},  {5640, 5640, 144},
    {5160, 5640, 146},  {4680, 5640, 146},  {4200, 5640, 146},  {3720, 5640, 149},
    {3240, 5640, 147},  {2640, 5640, 146},  {2160, 5640, 147},  {1680, 5640, 145},
    {1200, 5640, 145}};

// A slot takes the size of its picture plus its one-pixel border.
void setSlotPicture(QLabel* slot, const QPixmap& picture) {
  slot->setPixmap(picture);
  const int border = 2 * slot->frameWidth();
  slot->resize(picture.width() + border, picture.height() + border);
}

QFont numberFont() {
  QFont f(platform::installedFamily(QStringLiteral("Arial Black")));
  f.setPointSizeF(14.25);
  f.setWeight(QFont::Black);
  return f;
}

// Clears a flag when a deal ends, however it ends.
struct DealingFlag {
  explicit DealingFlag(bool& f) : flag(f) { flag = true; }
  ~DealingFlag() { flag = false; }
  bool& flag;
};

}  // namespace

frmAuto::frmAuto() : platform::Form(this, Kind::MdiChild) {
  setObjectName(QStringLiteral("frmAuto"));
  setWindowTitle(QStringLiteral("Dravenna"));
  setWindowIcon(shell::boardIcon());
  // The main window paints its client area black; the board and its menus
  // keep the ordinary colours.
  QPalette standard = palette();
  const QPalette app = QApplication::palette();
  for (auto role : {QPalette::Window, QPalette::WindowText, QPalette::Button,
                    QPalette::ButtonText, QPalette::Base, QPalette::Text})
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
      standard.setColor(group, role, app.color(group, role));
  setPalette(standard);

  client_ = new QWidget(this);
  client_->setObjectName(QStringLiteral("frmAuto_client"));
  client_->setFixedSize(toPx(kBoardWidth), toPx(kBoardHeight));
  client_->setAutoFillBackground(true);
  QPalette ground = client_->palette();
  ground.setColor(QPalette::Window, ground.color(QPalette::HighlightedText));
  client_->setPalette(ground);
  setCentralWidget(client_);

  IMG = platform::named(new QLabel(client_), QStringLiteral("IMG"));
  platform::setTwGeometry(IMG, 240, 120, 1095, 1095);
  IMG->hide();

  const QFont font = numberFont();
  for (int k = 0; k < kSlotCount; ++k) {
    auto* slot = platform::named(new QLabel(client_), QStringLiteral("p(%1)").arg(k),
                                 QStringLiteral("Position %1").arg(k + 1));
    slot->setFrameStyle(QFrame::Box | QFrame::Plain);
    slot->setLineWidth(1);
    slot->setAutoFillBackground(true);
    QPalette pal = slot->palette();
    pal.setColor(QPalette::Window, pal.color(QPalette::Base));
    pal.setColor(QPalette::WindowText, pal.color(QPalette::Text));
    slot->setPalette(pal);
    slot->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    platform::setTwLeft(slot, kDesign[k].left);
    platform::setTwTop(slot, kDesign[k].top);
    setSlotPicture(slot, designPicture(k));
    slot->hide();
    p[std::size_t(k)] = slot;

    auto* number = platform::named(new QLabel(QString::number(k + 1), slot),
                                   QStringLiteral("lbl(%1)").arg(k));
    number->setFont(font);
    QPalette npal = number->palette();
    npal.setColor(QPalette::Active, QPalette::WindowText, QColor(255, 0, 255));
    npal.setColor(QPalette::Inactive, QPalette::WindowText, QColor(255, 0, 255));
    number->setPalette(npal);
    number->setAttribute(Qt::WA_TranslucentBackground);
    platform::setTwGeometry(number, k == 6 ? 120 : 0, 0, 615, 495);
    number->setEnabled(false);
    number->hide();
    lbl[std::size_t(k)] = number;
  }

  QMenuBar* bar = menuBar();
  bar->setObjectName(QStringLiteral("frmAuto_menu"));
  shell::MenuTable menus = {
      {shell::MenuRow::Menu, QStringLiteral("File"), QStringLiteral("mnuFile")},
      {shell::MenuRow::Item, QStringLiteral("&Start Again"), QStringLiteral("mnuStart"), [this] { mnuStart_Click(); }},
      {shell::MenuRow::Item, QStringLiteral("&Exit"), QStringLiteral("mnuExit"), [this] { mnuExit_Click(); }},
      {shell::MenuRow::EndMenu, QString(), QString()},
  };
  shell::LinkMenuNames links;
  links.online = QStringLiteral("mnuHelpOnline");
  links.visit = QStringLiteral("mnuVisitOnline");
  links.aboutCaption = QStringLiteral("About &Software");
  shell::MenuTable linkRows = shell::linkMenus(links);
  shell::setHandler(linkRows, links.online, [this] { mnuHelpOnline_Click(); });
  shell::setHandler(linkRows, links.visit, [this] { mnuVisitOnline_Click(); });
  shell::setHandler(linkRows, links.update, [this] { mnuUpdate_Click(); });
  shell::setHandler(linkRows, links.about, [this] { mnuAbout_Click(); });
  shell::setHandler(linkRows, links.donate, [this] { mnuDonate_Click(); });
  shell::setHandler(linkRows, links.makeMoney, [this] { mnuMakeMoney_Click(); });
  menus.insert(menus.end(), linkRows.begin(), linkRows.end());
  const shell::MenuActions actions = shell::buildMenus(bar, this, menus);
  mnuFile = actions.value(QStringLiteral("mnuFile"));
  mnuStart = actions.value(QStringLiteral("mnuStart"));
  mnuExit = actions.value(QStringLiteral("mnuExit"));
  mnuHelp = actions.value(QStringLiteral("mnuHelp"));
  mnuHelpOnline = actions.value(QStringLiteral("mnuHelpOnline"));
  mnuVisitOnline = actions.value(QStringLiteral("mnuVisitOnline"));
  mnuUpdate = actions.value(QStringLiteral("mnuUpdate"));
  mnuAbout = actions.value(QStringLiteral("mnuAbout"));
  mnuDonate = actions.value(QStringLiteral("mnuDonate"));
  mnuMakeMoney = actions.value(QStringLiteral("mnuMakeMoney"));  // switched off

  resize(sizeHint());
}

frmAuto::~frmAuto() = default;

void frmAuto::prepare() {
  for (const DesignSlot& slot : kDesign) CardPictures::cardBack(slot.pictureWidth, CardPictures::kCardHeight);
  // The position numbers' font is read from its file on first use, and
  // their digits are drawn in it on the first board otherwise.
  platform::renderGlyphsAhead(numberFont(), QStringLiteral("0123456789"));
  // The board's slots, numbers and menus are built now rather than in the
  // click that deals the reading; the next board to load is this one.
  platform::Forms::keepSpare<frmAuto>();
}

QPixmap frmAuto::designPicture(int k) const {
  return CardPictures::cardBack(kDesign[k].pictureWidth, CardPictures::kCardHeight);
}

void frmAuto::Form_Load() {
  // A board without a border or caption bar inside the main window.
  if (auto* sub = qobject_cast<QMdiSubWindow*>(frame())) {
    sub->setWindowFlags(Qt::FramelessWindowHint);
    sub->resize(size());
  }
  placeTopCentre();

  platform::RichTextBox* report = shell::mainface::reportBox();
  // The main window is painted once the board is laid out, not at each
  // stage on the way (the deal's event pump would paint the empty board).
  platform::PaintHold hold(report->window());
  shell::mainface::setQuerentStripVisible(true);
  TarotReadingState& st = tarotState();
  {
    // The header is one edit of the report box.
    platform::RichTextBox::Writing writing(report);
    report->setText(QString());
    modInfo::WriteSpreadHeader(report, st.strSpreadName);
  }
  if (st.blnOpenedReading) return;

  switch (CardDeal::methodFor(st.blnAutoCast, st.blnMinorArcana, st.blnMajorArcana,
                              st.blnReverseCards)) {
    case 1: DONE1(st.lngCardCount); break;
    case 2: DONE2(st.lngCardCount); break;
    case 3: DONE3(st.lngCardCount); break;
    case 4: DONE4(st.lngCardCount); break;
    case 5: DONE5(st.lngCardCount); break;
    case 6: DONE6(st.lngCardCount); break;
    default: break;
  }
  if (!inPlace()) return;
  if (st.blnManualCast && CardDeal::methodFor(true, st.blnMinorArcana, st.blnMajorArcana,
                                              st.blnReverseCards) != 0)
    Clear_PicBox();
}

void frmAuto::Form_Unload(bool&) {
  // The window itself goes only once control is back in the event loop,
  // which for a new reading is after its deal: its card pictures are let
  // go now, so that two readings' pictures are never held at once.
  for (QLabel* slot : p)
    if (slot) slot->setPixmap(QPixmap());
  if (shell::mainface::isOpen()) {
    shell::mainface::setWelcomeVisible(true);
    shell::mainface::setQuerentStripVisible(false);
  }
}

bool frmAuto::inPlace() const { return platform::Forms::find<frmAuto>() == this; }

void frmAuto::DONE1(int no) {
  // An opened saved reading is laid out from its own cards, never dealt.
  if (tarotState().blnOpenedReading) return layOutOpened(no);
  deal(1, no);
}

void frmAuto::layOutOpened(int no) {
  TarotReadingState& st = tarotState();
  const int index = st.beginLayingOutOpened(no);
  if (index < 0) return;
  // The board is in sight: its slots change together and come into sight
  // together once laid.
  platform::BulkChange bulk(client_);
  layOutSpread(index);
  if (!inPlace()) return;
  // The pictures are read on worker threads while the report is written.
  std::vector<int> cards, reversed;
  for (int k = 0; k < no; ++k) {
    cards.push_back(st.lngOpenedCards.at(k));
    if (modInfo::IsInArray(cards.back(), st.lngOpenedReversed)) reversed.push_back(cards.back());
  }
  facesAhead_ = std::make_unique<CardPictures::FacesAhead>(st.strDeckLetter, cards, reversed);
  platform::RichTextBox* report = shell::mainface::reportBox();
  report->setText(QString());
  {
    // Header and cards are one edit of the report box.
    platform::RichTextBox::Writing writing(report);
    modInfo::WriteSpreadHeader(report, st.strOpenedSpreadName);
    modInfo::WriteReadingCards(report, st.lngOpenedCards, st.lngOpenedReversed);
  }
  for (int k = 0; k < no; ++k) {
    const int c = st.lngOpenedCards.at(k);
    showCard(k, c, modInfo::IsInArray(c, st.lngOpenedReversed) ? Turn::Reversed : Turn::Upright);
  }
  // The crossing card always lies upright across the first card, whatever
  // the file says of it; its report entry still follows the file.
  if (index == SpreadSlotLayout::kCelticCrossIndex)
    showCard(SpreadSlotLayout::kCrossingSlot, st.lngOpenedCards.at(SpreadSlotLayout::kCrossingSlot),
             Turn::Crossing);
  facesAhead_.reset();
  // The opened reading becomes the current one, so Save writes it again as
  // it was read and later readings start from it like from a dealt one.
  st.adoptOpenedReading(no);
}
void frmAuto::DONE2(int no) { deal(2, no); }
void frmAuto::DONE3(int no) { deal(3, no); }
void frmAuto::DONE4(int no) { deal(4, no); }
void frmAuto::DONE5(int no) { deal(5, no); }
void frmAuto::DONE6(int no) { deal(6, no); }

void frmAuto::deal(int method, int no) {
  if (dealing_ || !inPlace()) return;
  const CardDeal::Rule& rule = CardDeal::rule(method);
  TarotReadingState& st = tarotState();
  // Each deal is made for its own reading options only.
  if (st.blnMinorArcana != rule.minorArcana || st.blnMajorArcana != rule.majorArcana ||
      st.blnReverseCards != rule.reverseCards)
    return;
  const int spread = SpreadSlotLayout::lookup(no, st.strSpreadName);
  if (spread < 0) return;
  const int crossing =
      spread == SpreadSlotLayout::kCelticCrossIndex ? SpreadSlotLayout::kCrossingSlot : -1;

  std::optional<CardDeal::Dealt> dealt;
  {
    DealingFlag flag(dealing_);
    dealt = CardDeal::draw(rule, no, crossing, [this] { return inPlace(); });
  }
  if (!dealt || !inPlace()) return;

  st.recordDeal(dealt->cards, dealt->reversed, rule.emptiesReversedList);
  if (no > 0) lngCard = dealt->cards.back();

  // The pictures are read on worker threads while the board is laid out.
  std::vector<int> reversed;
  for (int k = 0; k < no; ++k)
    if (k != crossing && dealt->reversed[std::size_t(k)]) reversed.push_back(dealt->cards[std::size_t(k)]);
  facesAhead_ = std::make_unique<CardPictures::FacesAhead>(st.strDeckLetter, dealt->cards, reversed);
  layOutSpread(spread);
  {
    // The report is written while the pictures are still being read. One
    // edit of the report box: the view goes to the report's top once.
    platform::RichTextBox* report = shell::mainface::reportBox();
    platform::RichTextBox::Writing writing(report);
    modInfo::WriteReadingCards(report, st.lngChosenCards, st.lngReversedCards);
    report->setSelStart(0);
  }
  for (int k = 0; k < no; ++k) {
    const Turn turn = k == crossing ? Turn::Crossing
                      : dealt->reversed[std::size_t(k)] ? Turn::Reversed
                                                        : Turn::Upright;
    showCard(k, dealt->cards[std::size_t(k)], turn);
  }
  facesAhead_.reset();
}

void frmAuto::Clear_PicBox() {
  for (int k = 0; k <= 9; ++k) p[std::size_t(k)]->setPixmap(QPixmap());
}

void frmAuto::layOutSpread(int spreadIndex) {
  const auto& places = SpreadSlotLayout::positions(spreadIndex);
  for (int k = 0; k < kSlotCount; ++k) {
    QLabel* slot = p[std::size_t(k)];
    QLabel* number = lbl[std::size_t(k)];
    if (k < int(places.size())) {
      // A reused slot may still hold a turned card of an earlier reading.
      setSlotPicture(slot, designPicture(k));
      slot->setAccessibleName(QStringLiteral("Position %1").arg(k + 1));
      platform::setTwLeft(slot, places[std::size_t(k)].left);
      platform::setTwTop(slot, places[std::size_t(k)].top);
      slot->show();
      number->setEnabled(true);
      number->show();
    } else {
      slot->hide();
      number->setEnabled(false);
      number->hide();
    }
  }
}

void frmAuto::placeSlot(int spreadIndex, int k) {
  if (k < 0 || k >= kSlotCount) return;
  QLabel* slot = p[std::size_t(k)];
  const auto& places = SpreadSlotLayout::positions(spreadIndex);
  if (k < int(places.size())) {
    platform::setTwLeft(slot, places[std::size_t(k)].left);
    platform::setTwTop(slot, places[std::size_t(k)].top);
  }
  lbl[std::size_t(k)]->setEnabled(true);
  lbl[std::size_t(k)]->show();
  slot->show();
}

void frmAuto::holdFaces() {
  holdingFaces_ = true;
  heldFaces_.clear();
}

void frmAuto::readHeldFaces() {
  std::vector<int> cards, reversed;
  for (const HeldFace& f : heldFaces_) {
    cards.push_back(f.card);
    if (f.turn == Turn::Reversed) reversed.push_back(f.card);
  }
  facesAhead_ =
      std::make_unique<CardPictures::FacesAhead>(tarotState().strDeckLetter, cards, reversed);
}

void frmAuto::layHeldFaces() {
  holdingFaces_ = false;
  const std::vector<HeldFace> held = std::move(heldFaces_);
  heldFaces_.clear();
  for (const HeldFace& f : held) showCard(f.k, f.card, f.turn);
  facesAhead_.reset();
}

void frmAuto::showCard(int k, int card, Turn turn) {
  if (k < 0 || k >= kSlotCount) return;
  if (holdingFaces_) {
    heldFaces_.push_back({k, card, turn});
    return;
  }
  QLabel* slot = p[std::size_t(k)];
  const QPixmap face = facesAhead_ ? facesAhead_->face(card)
                                   : CardPictures::cardFace(tarotState().strDeckLetter, card);
  QString name = TarotCardTable::name(card);
  if (face.isNull()) {
    // No earlier card may show through: a plain back, crosswise for the
    // crossing card so the cross keeps its shape.
    setSlotPicture(slot, CardPictures::cardBack());
    if (turn == Turn::Crossing) modRotate90::RotatePicture90(slot);
  } else if (turn == Turn::Reversed) {
    picCard = face;
    IMG->setPixmap(picCard);
    // A face read ahead comes with its half turn, made on a worker thread;
    // laid in the slot it fills, it is what the turn of the slot gives.
    const QPixmap turned = facesAhead_ ? facesAhead_->halfTurnedFace(card) : QPixmap();
    if (!turned.isNull() && turned.size() == face.size()) {
      setSlotPicture(slot, turned);
    } else {
      setSlotPicture(slot, IMG->pixmap());
      modRotate90::RotatePicture180(slot);
    }
    name = TarotCardTable::reversedName(card);
  } else {
    setSlotPicture(slot, face);
    if (turn == Turn::Crossing) modRotate90::RotatePicture90(slot);
  }
  slot->setAccessibleName(QStringLiteral("Position %1: %2").arg(k + 1).arg(name));
}

void frmAuto::mnuStart_Click() {}
void frmAuto::mnuExit_Click() {}
void frmAuto::mnuHelpOnline_Click() { modHelp::GoToHelpPage(); }
void frmAuto::mnuVisitOnline_Click() { modHelp::GoToHomePage(); }
void frmAuto::mnuUpdate_Click() { modHelp::GoToDownloadPage(); }
void frmAuto::mnuAbout_Click() { shell::showAboutBox(); }
void frmAuto::mnuDonate_Click() { modHelp::GoToDonatePage(); }
void frmAuto::mnuMakeMoney_Click() { modHelp::GoToFullyBrandedPage(); }

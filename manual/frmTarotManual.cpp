#include "manual/frmTarotManual.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPointer>
#include <optional>
#include <utility>

#include "board/CardDeal.h"
#include "board/SpreadSlotLayout.h"
#include "board/frmAuto.h"
#include "manual/ManualReading.h"
#include "platform/App.h"
#include "platform/Controls.h"
#include "platform/Pictures.h"
#include "platform/RichTextBox.h"
#include "platform/Services.h"
#include "platform/Twips.h"
#include "platform/VbString.h"
#include "shell/Artwork.h"
#include "shell/Menus.h"
#include "shell/ShellWindows.h"
#include "shell/MainFace.h"
#include "shell/modHelp.h"
#include "tarot/BoardLink.h"
#include "tarot/TarotLook.h"
#include "tarot/TarotSpreadTable.h"
#include "tarot/frmTarot.h"
#include "tarot/frmTarotFront.h"
#include "tarot/modInfo.h"

using platform::setTwGeometry;

namespace {

const quint32 kButtonFace = 0xC0E0FF;

// The face-down deck: 13 cards to a row, in 6 rows.
constexpr int kPerRow = 13;
constexpr double kCardLeft = 90, kCardTop = 180, kCardStepX = 375, kCardStepY = 630;
constexpr double kCardWidth = 350, kCardHeight = 600;

// The back of a card at the size of a face-down card.
QPixmap smallBack(const QSize& size) {
  static QPixmap back;
  if (back.size() != size) {
    const QPixmap art = shell::cardBackSmall();
    if (art.isNull()) {
      back = QPixmap(size);
      back.fill(QColor(60, 30, 80));
    } else {
      back = art.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
  }
  return back;
}

// A face-down card: its back, flat and without a border; Space or Enter
// picks it when it has the focus, which is drawn as a frame around it. The
// arrow keys, Home and End are handed to the window, which moves the focus
// among the cards.
class FaceDownCard : public QAbstractButton {
 public:
  explicit FaceDownCard(QWidget* parent, std::function<bool(int key)> onMove)
      : QAbstractButton(parent), onMove_(std::move(onMove)) {
    setFocusPolicy(Qt::NoFocus);
  }

 protected:
  void keyPressEvent(QKeyEvent* e) override {
    if (e->modifiers() & ~Qt::KeypadModifier) return QAbstractButton::keyPressEvent(e);
    switch (e->key()) {
      case Qt::Key_Return:
      case Qt::Key_Enter:
        e->accept();
        if (!e->isAutoRepeat()) click();
        return;
      case Qt::Key_Left:
      case Qt::Key_Right:
      case Qt::Key_Up:
      case Qt::Key_Down:
      case Qt::Key_Home:
      case Qt::Key_End:
        e->accept();
        onMove_(e->key());
        return;
      default:
        QAbstractButton::keyPressEvent(e);
    }
  }
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.drawPixmap(rect(), smallBack(size()));
    if (hasFocus()) {
      painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
      painter.drawRect(rect().adjusted(1, 1, -1, -1));
    }
  }

 private:
  std::function<bool(int)> onMove_;
};

}  // namespace

frmTarotManual::frmTarotManual() : platform::Form(this, Kind::MdiChild) {
  setObjectName(QStringLiteral("frmTarotManual"));
  setWindowTitle(QStringLiteral("Dravenna"));
  setWindowIcon(shell::programIcon());
  tarot::standardColours(this);

  auto* client = new QWidget(this);
  client->setObjectName(QStringLiteral("frmTarotManual_client"));
  client->setFixedSize(platform::toPx(7560), platform::toPx(6390));
  client->setFont(tarot::verdana(8.25));
  tarot::fillColour(client, palette().color(QPalette::HighlightedText));
  setCentralWidget(client);

  Label6 = tarot::linkLabel(tarot::forumInvitation(), QStringLiteral("Label6"), 8.25, false, client);
  Label6->setAlignment(Qt::AlignCenter);
  setTwGeometry(Label6, 1005, 60, 5550, 465);
  connect(Label6, &platform::VbLabel::Click, this, &frmTarotManual::Label6_Click);

  picManual = platform::named(new QLabel(client), QStringLiteral("picManual"),
                              QStringLiteral("Spread layout"));
  picManual->setFrameShape(QFrame::Box);
  picManual->setAlignment(Qt::AlignCenter);
  picManual->setFocusPolicy(Qt::TabFocus);
  setTwGeometry(picManual, 90, 480, 2415, 4095);

  fraPictures = platform::named(new QFrame(client), QStringLiteral("fraPictures"));
  fraPictures->setFrameShape(QFrame::NoFrame);
  tarot::fillColour(fraPictures, Qt::white);
  setTwGeometry(fraPictures, 2520, 540, 5055, 4035);
  for (int i = 0; i < kDeckSize; ++i) {
    auto* card = platform::named(new FaceDownCard(fraPictures, [this, i](int key) { return moveCardFocus(i, key); }),
                                 QStringLiteral("p(%1)").arg(i),
                                 QStringLiteral("Face-down card %1").arg(i + 1));
    setTwGeometry(card, kCardLeft + kCardStepX * (i % kPerRow), kCardTop + kCardStepY * (i / kPerRow),
                  kCardWidth, kCardHeight);
    connect(card, &QAbstractButton::clicked, this, [this, i] { p_Click(i); });
    p[std::size_t(i)] = card;
  }

  txtDisp = platform::named(new QPlainTextEdit(client), QStringLiteral("txtDisp"),
                            QStringLiteral("Position to fill"));
  txtDisp->setFont(tarot::verdana(9.75, true));
  txtDisp->setReadOnly(true);
  txtDisp->setTabChangesFocus(true);
  setTwGeometry(txtDisp, 90, 4620, 7395, 1245);

  QFont buttonFont(platform::installedFamily(QStringLiteral("MS Sans Serif")));
  buttonFont.setPointSizeF(9.75);
  cmdCancel = tarot::faceButton(QStringLiteral("Exit"), QStringLiteral("cmdCancel"), kButtonFace, client);
  cmdCancel->setFont(buttonFont);
  setTwGeometry(cmdCancel, 5370, 5940, 1095, 375);
  cmdBack = tarot::faceButton(QStringLiteral("Back"), QStringLiteral("cmdBack"), kButtonFace, client);
  cmdBack->setFont(buttonFont);
  setTwGeometry(cmdBack, 6510, 5940, 975, 375);
  connect(cmdCancel, &platform::VbButton::Click, this, &frmTarotManual::cmdCancel_Click);
  connect(cmdBack, &platform::VbButton::Click, this, &frmTarotManual::cmdBack_Click);

  // The please-wait panel, shown while the reading is laid out.
  const tarot::PleaseWaitPanel wait = tarot::pleaseWaitPanel(client, 1133, 2693);
  picMessage = wait.panel;
  Label1 = wait.Label1;
  Label2 = wait.Label2;
  Label3 = tarot::pleaseWaitLine(picMessage, QStringLiteral("Label3"));
  picMessage->raise();

  // The face-down deck is one stop of the tab order, between the picture and
  // the position text: one card at a time takes the focus by Tab, and the
  // arrow keys move it among the others.
  QList<QWidget*> order = {cmdBack, cmdCancel, Label6, picManual};
  for (QAbstractButton* card : p) {
    card->setFocusPolicy(Qt::TabFocus);  // for the while: the order takes only focusable controls
    order << card;
  }
  order << txtDisp;
  platform::tabOrder(order);
  giveCardTabStop(0, false);

  // Menus.
  QMenuBar* bar = menuBar();
  bar->setObjectName(QStringLiteral("frmTarotManual_menu"));
  shell::MenuTable menus = {
      {shell::MenuRow::Menu, QStringLiteral("&File"), QStringLiteral("mnuFile")},
      {shell::MenuRow::Item, QStringLiteral("&Start Again"), QStringLiteral("mnuStart"), [this] { mnuStart_Click(); }},
      {shell::MenuRow::Item, QStringLiteral("&Exit"), QStringLiteral("mnuExit"), [this] { mnuExit_Click(); }},
      {shell::MenuRow::EndMenu, QString(), QString()},
  };
  shell::LinkMenuNames links;
  links.donate = QStringLiteral("mnuDona");
  shell::MenuTable linkRows = shell::linkMenus(links);
  shell::setHandler(linkRows, links.online, [this] { mnuOnline_Click(); });
  shell::setHandler(linkRows, links.visit, [this] { mnuVisit_Click(); });
  shell::setHandler(linkRows, links.update, [this] { mnuUpdate_Click(); });
  shell::setHandler(linkRows, links.about, [this] { mnuAbout_Click(); });
  shell::setHandler(linkRows, links.donate, [this] { mnuDona_Click(); });
  shell::setHandler(linkRows, links.makeMoney, [this] { mnuMakeMoney_Click(); });
  menus.insert(menus.end(), linkRows.begin(), linkRows.end());
  const shell::MenuActions actions = shell::buildMenus(bar, this, menus);
  mnuFile = actions.value(QStringLiteral("mnuFile"));
  mnuStart = actions.value(QStringLiteral("mnuStart"));
  mnuExit = actions.value(QStringLiteral("mnuExit"));
  mnuHelp = actions.value(QStringLiteral("mnuHelp"));
  mnuOnline = actions.value(QStringLiteral("mnuOnline"));
  mnuVisit = actions.value(QStringLiteral("mnuVisit"));
  mnuUpdate = actions.value(QStringLiteral("mnuUpdate"));
  mnuAbout = actions.value(QStringLiteral("mnuAbout"));
  mnuDona = actions.value(QStringLiteral("mnuDona"));
  mnuMakeMoney = actions.value(QStringLiteral("mnuMakeMoney"));  // switched off

  tarot::fitLabels(this);
}

void frmTarotManual::Form_Load() {
  tarot::fixFrame(this, tarot::FrameStyle::FixedNoMax);
  placeTopCentre();

  TarotReadingState& st = tarotState();
  st.enterManualPick();
  // The spread page handed the spread over; without it, the reading record
  // names the same spread.
  const frmTarot* page = platform::Forms::find<frmTarot>();
  strSpread = page ? page->card : st.strSpreadName;
  intSpreadNo = page ? page->MaxCardInSet : st.lngSpreadIndex;
  ShowCardInfo(QStringLiteral("0"));
  if (intSpreadNo >= 0 && intSpreadNo < TarotSpreadTable::kSpreadCount)
    lngPicked.redim(TarotSpreadTable::row(intSpreadNo).positions - 1);

  strSpread = st.strSpreadName;
  deckLetter_ = st.strDeckLetter;
  blnRev = st.blnReverseCards;
  blnMinor = st.blnMinorArcana;
  blnMajor = st.blnMajorArcana;
  // As many face-down cards as the part of the deck the cards come from.
  const int shown = ManualReading::deckPart(blnMajor, blnMinor).count;
  for (int i = 0; i < kDeckSize; ++i) {
    p[std::size_t(i)]->setEnabled(i < shown);
    p[std::size_t(i)]->setVisible(i < shown);
  }

  picManual->clear();
  if (intSpreadNo >= 0 && intSpreadNo < TarotSpreadTable::kSpreadCount) {
    const QPixmap picture = platform::loadPicture(TarotSpreadTable::picturePath(intSpreadNo));
    if (!picture.isNull()) tarot::setPictureFitted(picManual, picture);
  }
  intCardTotal = page ? page->no : st.lngCardCount;
  intPicked = 0;
}

bool frmTarotManual::cardAvailable(int i) const {
  return i >= 0 && i < kDeckSize && p[std::size_t(i)]->isEnabled() && !p[std::size_t(i)]->isHidden();
}

void frmTarotManual::giveCardTabStop(int i, bool focus) {
  for (QAbstractButton* card : p) card->setFocusPolicy(Qt::NoFocus);
  if (i < 0) return;
  QAbstractButton* card = p[std::size_t(i)];
  card->setFocusPolicy(Qt::TabFocus);
  if (focus) card->setFocus(Qt::TabFocusReason);
}

bool frmTarotManual::moveCardFocus(int from, int key) {
  // Left and Right go to the neighbouring card still on the table, Up and
  // Down a row up or down (passing over picked cards in that column), Home
  // and End to the first and last card.
  int step = 0;
  int start = from;
  switch (key) {
    case Qt::Key_Left: step = -1; break;
    case Qt::Key_Right: step = 1; break;
    case Qt::Key_Up: step = -kPerRow; break;
    case Qt::Key_Down: step = kPerRow; break;
    case Qt::Key_Home: step = 1; start = -1; break;
    case Qt::Key_End: step = -1; start = kDeckSize; break;
    default: return false;
  }
  for (int i = start + step; i >= 0 && i < kDeckSize; i += step)
    if (cardAvailable(i)) {
      giveCardTabStop(i, true);
      return true;
    }
  return false;
}

void frmTarotManual::Form_Unload(bool&) { shell::mainface::setWelcomeVisible(true); }

void frmTarotManual::ShowCardInfo(const QString& i) {
  bool ok = false;
  const int position = i.toInt(&ok);
  if (!ok) return;
  if (const auto text = ManualReading::positionText(strSpread, position))
    txtDisp->setPlainText(platform::vb::fromCrLf(*text));
}

void frmTarotManual::p_Click(int index) {
  // Once the last card is picked the reading is being laid out: a click
  // that still arrives picks nothing.
  if (completing_ || completed_ || index < 0 || index >= kDeckSize) return;
  QAbstractButton* card = p[std::size_t(index)];
  if (!card->isEnabled() || !lngPicked.hasBounds()) return;
  const bool focused = focusWidget() == card;
  const bool tabStop = card->focusPolicy() != Qt::NoFocus;
  card->hide();
  card->setEnabled(false);
  if (tabStop) {
    // The deck's tab stop goes to the nearest card still on the table.
    int next = -1;
    for (int d = 1; d < kDeckSize && next < 0; ++d) {
      if (cardAvailable(index + d)) next = index + d;
      else if (cardAvailable(index - d)) next = index - d;
    }
    giveCardTabStop(next, focused);
  }
  if (intPicked >= lngPicked.ubound()) {
    completeReading();
    return;
  }
  ++intPicked;
  ShowCardInfo(QString::number(intPicked));
}

bool frmTarotManual::canGoOn() const {
  return isLoaded() && board_ && platform::Forms::find<frmAuto>() == board_.data();
}

void frmTarotManual::completeReading() {
  completing_ = true;
  picMessage->setVisible(true);
  picMessage->raise();
  repaint();
  tarot::pauseKeepingPaint(3000);
  if (!isLoaded()) return abandonReading();

  // Every manual reading starts clean: nothing of an earlier or an opened
  // reading is reported, saved or refused as a repeat, and the record names
  // the spread and deck this window was opened for. A board still up goes,
  // so that its fresh load empties the report and writes the header.
  TarotReadingState& st = tarotState();
  const int n = lngPicked.ubound() + 1;
  // The main window is painted once, with the reading laid out, rather than
  // at each stage on the way: the board empty, then after every draw.
  std::optional<platform::PaintHold> hold(std::in_place, window());
  std::optional<platform::BulkChange> bulk;
  const auto abandon = [&] {
    bulk.reset();
    hold.reset();
    abandonReading();
  };
  st.beginManualReading(strSpread, intSpreadNo, n, deckLetter_);
  platform::Forms::unload<frmAuto>();
  board_ = platform::Forms::get<frmAuto>();
  // The please-wait panel stays in sight while the cards are laid.
  frame()->raise();

  // One seed for the whole reading, so its draws never repeat each other.
  platform::Randomize();
  // The pictures are read on worker threads once the cards are drawn, while
  // the report is written, and laid after it.
  board_->holdFaces();
  // The board is in sight: its slots change together and come into sight
  // together once laid.
  bulk.emplace(board_->slotArea());
  for (intSlot = 0; intSlot < n; ++intSlot)
    if (!DrawAndPlaceCard(intSlot)) return abandon();
  board_->readHeldFaces();
  if (placementText_) txtDisp->setPlainText(platform::vb::fromCrLf(*std::exchange(placementText_, {})));
  shell::mainface::show();
  {
    platform::RichTextBox* report = shell::mainface::reportBox();
    // One edit of the report box: the view goes to the report's top once.
    platform::RichTextBox::Writing writing(report);
    // The board's load left the insertion point after the header.
    modInfo::WriteReadingCards(report, st.lngChosenCards, st.lngReversedCards);
    shell::mainface::showReportPanel();
    if (const frmTarot* page = platform::Forms::find<frmTarot>())
      shell::mainface::setQuerent({page->txtName->text(), page->txtDOB->text(),
                                   page->txtCountry->text(), page->txtQ->toPlainText()});
    report->setSelStart(0);
  }
  if (canGoOn()) board_->layHeldFaces();
  bulk.reset();
  // The board's fresh load may have shown the welcome panel on its way.
  shell::mainface::setWelcomeVisible(false);
  // The board lies beside the report panel, not under it.
  tarot::placeBoardTopLeft();
  shell::mainface::showReportBeginning();
  completing_ = false;
  completed_ = true;
  Hide();
  // The reading is handed over to the report panel: Save is next.
  shell::mainface::focusSave();
}

bool frmTarotManual::DrawAndPlaceCard(int k) {
  TarotReadingState& st = tarotState();
  const ManualReading::DeckPart part = ManualReading::deckPart(blnMajor, blnMinor);
  const std::optional<int> card = CardDeal::drawOne(
      part.first, part.count, [&st](int c) { return modInfo::IsInArray(c, st.lngChosenCards); },
      [this] { return canGoOn(); });
  if (!card) return false;
  lngCard = *card;
  const bool reversed = blnRev && ManualReading::liesReversed(platform::Rnd());
  st.recordManualCard(lngCard, reversed);
  board_->showCard(k, lngCard, reversed ? frmAuto::Turn::Reversed : frmAuto::Turn::Upright);

  using Placement = void (frmTarotManual::*)(int);
  static const Placement placements[TarotSpreadTable::kSpreadCount] = {
      &frmTarotManual::SetPicPlacement0,  &frmTarotManual::SetPicPlacement1,
      &frmTarotManual::SetPicPlacement2,  &frmTarotManual::SetPicPlacement3,
      &frmTarotManual::SetPicPlacement4,  &frmTarotManual::SetPicPlacement5,
      &frmTarotManual::SetPicPlacement6,  &frmTarotManual::SetPicPlacement7,
      &frmTarotManual::SetPicPlacement8,  &frmTarotManual::SetPicPlacement9,
      &frmTarotManual::SetPicPlacement10, &frmTarotManual::SetPicPlacement11,
      &frmTarotManual::SetPicPlacement12};
  if (st.lngSpreadIndex >= 0 && st.lngSpreadIndex < TarotSpreadTable::kSpreadCount)
    (this->*placements[st.lngSpreadIndex])(k);
  return true;
}

void frmTarotManual::abandonReading() {
  // Only a reading laid out to its end is kept: a half-drawn one would be
  // reported and saved as if whole.
  tarotState().abandonReading();
  platform::Forms::unload<frmAuto>();
  completing_ = false;
  if (!isLoaded()) return;  // the window was closed meanwhile: nothing to tell
  platform::MsgBox(QStringLiteral("The cards could not be drawn. Please start the reading again."),
                   platform::vbCritical);
  platform::Forms::unload(this);
}

void frmTarotManual::placeCard(int spreadIndex, int k) {
  frmAuto* board = platform::Forms::get<frmAuto>();
  if (const auto text = ManualReading::placementText(spreadIndex, k)) {
    // While the reading is laid out the window is not painted, so only the
    // last placement's text is ever seen: it is shown once, at the end.
    if (completing_) placementText_ = *text;
    else txtDisp->setPlainText(platform::vb::fromCrLf(*text));
  }
  // The crossing card lies upright, a quarter turn across the first card,
  // whatever the draw made of it.
  if (spreadIndex == SpreadSlotLayout::kCelticCrossIndex && k == SpreadSlotLayout::kCrossingSlot)
    board->showCard(k, lngCard, frmAuto::Turn::Crossing);
  board->placeSlot(spreadIndex, k);
}

void frmTarotManual::SetPicPlacement0(int k) { placeCard(0, k); }
void frmTarotManual::SetPicPlacement1(int k) { placeCard(1, k); }
void frmTarotManual::SetPicPlacement2(int k) { placeCard(2, k); }
void frmTarotManual::SetPicPlacement3(int k) { placeCard(3, k); }
void frmTarotManual::SetPicPlacement4(int k) { placeCard(4, k); }
void frmTarotManual::SetPicPlacement5(int k) { placeCard(5, k); }
void frmTarotManual::SetPicPlacement6(int k) { placeCard(6, k); }
void frmTarotManual::SetPicPlacement7(int k) { placeCard(7, k); }
void frmTarotManual::SetPicPlacement8(int k) { placeCard(8, k); }
void frmTarotManual::SetPicPlacement11(int k) { placeCard(11, k); }
void frmTarotManual::SetPicPlacement9(int k) { placeCard(9, k); }
void frmTarotManual::SetPicPlacement10(int k) { placeCard(10, k); }
void frmTarotManual::SetPicPlacement12(int k) { placeCard(12, k); }

void frmTarotManual::cmdBack_Click() {
  platform::Forms::get<frmTarotFront>()->Show();
  platform::Forms::unload(this);
  shell::mainface::setWelcomeVisible(false);
}

void frmTarotManual::cmdCancel_Click() { platform::Forms::unload(this); }
void frmTarotManual::Label6_Click() { modHelp::GoToHomePage(); }
void frmTarotManual::mnuStart_Click() { cmdBack->click(); }
void frmTarotManual::mnuExit_Click() { cmdCancel->click(); }
void frmTarotManual::mnuOnline_Click() { modHelp::GoToHelpPage(); }
void frmTarotManual::mnuVisit_Click() { modHelp::GoToHomePage(); }
void frmTarotManual::mnuUpdate_Click() { modHelp::GoToDownloadPage(); }
void frmTarotManual::mnuAbout_Click() { shell::showAboutBox(); }
void frmTarotManual::mnuDona_Click() { modHelp::GoToDonatePage(); }
void frmTarotManual::mnuMakeMoney_Click() { modHelp::GoToFullyBrandedPage(); }

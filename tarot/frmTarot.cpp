#include "tarot/frmTarot.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>

#include "platform/Pictures.h"
#include "platform/RichTextBox.h"
#include "platform/Services.h"
#include "platform/Twips.h"
#include "shell/Menus.h"
#include "shell/PromoFrame.h"
#include "shell/ShellWindows.h"
#include "shell/MainFace.h"
#include "shell/modHelp.h"
#include "tarot/BoardLink.h"
#include "tarot/TarotArtwork.h"
#include "tarot/TarotLook.h"
#include "tarot/TarotReadingState.h"
#include "tarot/TarotSpreadTable.h"
#include "tarot/frmTarotFront.h"

using platform::setTwGeometry;

namespace {

const quint32 kButtonFace = 0xC0E0FF;
const quint32 kRed = 0x0000FF;

struct SpreadItem {
  const char* name;
  const char* caption;
};
// The File menu's spread items, in list order.
const SpreadItem kSpreadItems[13] = {
    {"mnuCeltic", "&Celtic Cross"},
    {"mnuOne", "&One Card"},
    {"mnuTwo", "&Two Cards"},
    {"mnyThree", "T&hree Cards"},
    {"mnuUlvarin", "&Ulvarin Wheel Spread(Tarlen)"},
    {"mnuLine", "The &Line Spread"},
    {"mnuSeven", "&Seven card chakra layout"},
    {"mnuFour", "F&our Seasons Spread(Mavrine/Yorv)"},
    {"mnuRelationship", "&Relationship Spread"},
    {"mnuRomany", "The Romany/ &Gypsy Spread"},
    {"mnuZodiac", "&Zodiac Spread"},
    {"mnuTree", "&Tree of Life"},
    {"mnuNumerology", "&Numerology Spread"},
};

QLineEdit* querentBox(const QString& name, const QString& accessible, QWidget* parent) {
  auto* t = platform::named(new QLineEdit(parent), name, accessible);
  t->setFont(tarot::verdana(8.25));
  t->setReadOnly(true);
  return t;
}

}  // namespace

QString tarot::deckName(int index) {
  return index == 0 ? QStringLiteral("Brevanth Tarot Deck") : QStringLiteral("Marseilles Tarot Deck");
}

QString tarot::deckLetter(int index) { return index == 0 ? QStringLiteral("r") : QStringLiteral("m"); }

void tarot::pauseKeepingPaint(int ms) {
  // Short sleeps with the pending paint and timer events run between them,
  // so the please-wait panel stays drawn; clicks and keys wait.
  const int slice = 50;
  for (int left = ms; left > 0; left -= slice) {
    platform::DoEvents();
    platform::Sleep(qMin(slice, left));
  }
}

frmTarot::frmTarot() : platform::Form(this, Kind::MdiChild) {
  setObjectName(QStringLiteral("frmTarot"));
  setWindowTitle(QStringLiteral("Dravenna"));
  setWindowIcon(tarot::tarotIcon());
  tarot::standardColours(this);

  auto* client = new QWidget(this);
  client->setObjectName(QStringLiteral("frmTarot_client"));
  client->setFixedSize(platform::toPx(8880), platform::toPx(6195));
  client->setFont(tarot::verdana(8.25));
  tarot::fillColour(client, palette().color(QPalette::Base));
  setCentralWidget(client);

  background = platform::named(new QLabel(client), QStringLiteral("frmTarot_picture"));
  background->setPixmap(tarot::pageBackground());
  background->setGeometry(0, 0, 600, 400);

  Label6 = tarot::linkLabel(tarot::forumInvitation(), QStringLiteral("Label6"), 8.25, false, client);
  Label6->setAlignment(Qt::AlignCenter);
  setTwGeometry(Label6, 1710, 30, 5460, 465);
  connect(Label6, &platform::VbLabel::Click, this, &frmTarot::Label6_Click);

  // The querent's details, as the front page handed them on.
  lblName = tarot::boldLabel(QStringLiteral("Name"), QStringLiteral("lblName"), 8.25, client);
  setTwGeometry(lblName, 120, 510, 555, 195);
  txtName = querentBox(QStringLiteral("txtName"), QStringLiteral("Name"), client);
  setTwGeometry(txtName, 1020, 495, 1575, 285);
  lblDOB = tarot::boldLabel(QStringLiteral("Date of Birth"), QStringLiteral("lblDOB"), 8.25, client);
  setTwGeometry(lblDOB, 2760, 510, 1230, 195);
  txtDOB = querentBox(QStringLiteral("txtDOB"), QStringLiteral("Date of Birth"), client);
  setTwGeometry(txtDOB, 4200, 495, 1575, 285);
  lblCountry = tarot::boldLabel(QStringLiteral("Country"), QStringLiteral("lblCountry"), 8.25, client);
  setTwGeometry(lblCountry, 6000, 510, 765, 195);
  txtCountry = querentBox(QStringLiteral("txtCountry"), QStringLiteral("Country"), client);
  setTwGeometry(txtCountry, 6960, 495, 1575, 285);
  lblQ = tarot::boldLabel(QStringLiteral("Question"), QStringLiteral("lblQ"), 8.25, client);
  setTwGeometry(lblQ, 120, 1080, 855, 255);
  txtQ = platform::named(new platform::WholeLinesBox(QString(), client), QStringLiteral("txtQ"),
                         QStringLiteral("Question"));
  txtQ->setFont(tarot::verdana(8.25));
  txtQ->setReadOnly(true);
  txtQ->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  txtQ->setTabChangesFocus(true);
  setTwGeometry(txtQ, 1080, 1080, 4125, 375);

  // Deck and spread.
  Label4[0] = tarot::boldLabel(QStringLiteral("Select Deck"), QStringLiteral("Label4(0)"), 8.25, client);
  tarot::textColour(Label4[0], platform::vbColor(kRed));
  setTwGeometry(Label4[0], 5280, 960, 1140, 195);
  cboCards = platform::named(new QComboBox(client), QStringLiteral("cboCards"),
                             QStringLiteral("Select Deck"));
  setTwGeometry(cboCards, 5280, 1230, 3495, 315);
  Label4[1] = tarot::boldLabel(QStringLiteral("Select Spread"), QStringLiteral("Label4(1)"), 8.25, client);
  tarot::textColour(Label4[1], platform::vbColor(kRed));
  setTwGeometry(Label4[1], 5280, 1620, 1350, 195);
  lstOption = platform::named(new QListWidget(client), QStringLiteral("lstOption"),
                              QStringLiteral("Select Spread"));
  lstOption->setSelectionMode(QAbstractItemView::SingleSelection);
  setTwGeometry(lstOption, 5280, 1890, 3495, 1230);
  Label4[0]->setBuddy(cboCards);
  Label4[1]->setBuddy(lstOption);

  // Part of the deck and reversed cards.
  frmArcane = platform::named(new QGroupBox(QStringLiteral("Select One Option"), client),
                              QStringLiteral("frmArcane"));
  setTwGeometry(frmArcane, 5280, 3210, 3495, 615);
  chkHA = platform::named(new QCheckBox(QStringLiteral("Major Arcana"), frmArcane),
                          QStringLiteral("chkHA"), QStringLiteral("Major Arcana"));
  setTwGeometry(chkHA, 240, 240, 1455, 255);
  chkLA = platform::named(new QCheckBox(QStringLiteral("Minor Arcana"), frmArcane),
                          QStringLiteral("chkLA"), QStringLiteral("Minor Arcana"));
  setTwGeometry(chkLA, 1800, 240, 1455, 255);
  chkRev = platform::named(new QCheckBox(client), QStringLiteral("chkRev"),
                           QStringLiteral("Allow Reverse Cards"));
  setTwGeometry(chkRev, 6000, 3990, 225, 195);
  chkRev->setChecked(true);
  Label3 = tarot::boldLabel(QStringLiteral("Allow Reverse Cards"), QStringLiteral("Label3"), 8.25, client);
  setTwGeometry(Label3, 6300, 3990, 1995, 195);
  Label3->setBuddy(chkRev);

  // The selected spread's description and layout picture.
  txtDisp = platform::named(new QPlainTextEdit(client), QStringLiteral("txtDisp"),
                            QStringLiteral("Spread description"));
  txtDisp->setFont(tarot::verdana(8.25, true));
  txtDisp->setReadOnly(true);
  txtDisp->setTabChangesFocus(true);
  setTwGeometry(txtDisp, 120, 1530, 2775, 3735);
  pctCard = platform::named(new QLabel(client), QStringLiteral("pctCard"),
                            QStringLiteral("Spread layout"));
  pctCard->setFrameShape(QFrame::Box);
  pctCard->setAlignment(Qt::AlignCenter);
  tarot::fillColour(pctCard, Qt::white);
  pctCard->setFocusPolicy(Qt::TabFocus);
  setTwGeometry(pctCard, 3000, 1530, 2175, 3735);

  cmdManual = tarot::faceButton(QStringLiteral("Manual"), QStringLiteral("cmdManual"), kButtonFace, client);
  setTwGeometry(cmdManual, 5430, 4410, 1575, 375);
  cmdAuto = tarot::faceButton(QStringLiteral("AutoCast"), QStringLiteral("cmdAuto"), kButtonFace, client);
  setTwGeometry(cmdAuto, 7200, 4410, 1575, 375);
  cmdBack = tarot::faceButton(QStringLiteral("Back"), QStringLiteral("cmdBack"), kButtonFace, client);
  setTwGeometry(cmdBack, 5430, 4890, 1575, 375);
  cmdCancel = tarot::faceButton(QStringLiteral("Exit"), QStringLiteral("cmdCancel"), kButtonFace, client);
  setTwGeometry(cmdCancel, 7200, 4890, 1575, 375);
  connect(cmdManual, &platform::VbButton::Click, this, &frmTarot::cmdManual_Click);
  connect(cmdAuto, &platform::VbButton::Click, this, &frmTarot::cmdAuto_Click);
  connect(cmdBack, &platform::VbButton::Click, this, &frmTarot::cmdBack_Click);
  connect(cmdCancel, &platform::VbButton::Click, this, &frmTarot::cmdCancel_Click);

  // The please-wait panel, shown by AutoCast.
  const tarot::PleaseWaitPanel wait = tarot::pleaseWaitPanel(client, 1860, 1860);
  picMessage = wait.panel;
  Label1 = wait.Label1;
  Label2 = wait.Label2;

  // Promotional frame: the business offer lies over the co-brand offer;
  // neither reacts to a click on this page.
  shell::PromoFrameLayout promo;
  promo.left = 0;
  promo.top = 5400;
  promo.width = 8865;
  promo.height = 855;
  promo.labelWidth = 8625;
  promo.labelHeight = 615;
  promo.fullBrandTopOffset = -5;
  promo.centred = true;
  promo.fullBrandLinked = false;
  promo.coBrandLinked = false;
  const shell::PromoFrame frame = shell::promoFrame(client, promo);
  fraFullBrand = frame.fraFullBrand;
  lblCobrand = frame.lblCobrand;
  lblFullBrand = frame.lblFullBrand;
  lblFullBrand->setFocusPolicy(Qt::NoFocus);

  picMessage->raise();

  // Tab order: list, arcana boxes, the four buttons, description,
  // reversal box, picture, then the deck list, the querent's boxes and the
  // forum link.
  platform::tabOrder({lstOption, chkHA, chkLA, cmdAuto, cmdManual, cmdBack, cmdCancel, txtDisp, chkRev,
                      pctCard, cboCards, txtName, txtDOB, txtCountry, txtQ, Label6});

  // Menus.
  QMenuBar* bar = menuBar();
  bar->setObjectName(QStringLiteral("frmTarot_menu"));
  shell::MenuTable menus = {
      {shell::MenuRow::Menu, QStringLiteral("&File"), QStringLiteral("mnuFile"), {},
       false},  // switched off; nothing switches it on
      {shell::MenuRow::Menu, QStringLiteral("&Choose Scenario"), QStringLiteral("mnuSpread")},
  };
  for (int k = 0; k < 13; ++k)
    menus.push_back({shell::MenuRow::Item, QString::fromLatin1(kSpreadItems[k].caption),
                     QString::fromLatin1(kSpreadItems[k].name), [this, k] { mnuSpread_Click(k); }});
  const shell::MenuTable fileRest = {
      {shell::MenuRow::EndMenu, QString(), QString()},
      {shell::MenuRow::Separator, QString(), QStringLiteral("mnubl")},
      {shell::MenuRow::Item, QStringLiteral("&Manual"), QStringLiteral("mnuManual"), [this] { cmdManual_Click(); }},
      {shell::MenuRow::Item, QStringLiteral("Auto&Cast"), QStringLiteral("mnuCast"), [this] { mnuCast_Click(); }},
      {shell::MenuRow::Item, QStringLiteral("Back"), QStringLiteral("mnuBack"), [this] { cmdBack_Click(); }},
      {shell::MenuRow::Separator, QString(), QStringLiteral("mnuSep")},
      {shell::MenuRow::Item, QStringLiteral("&Exit"), QStringLiteral("mnuExit"), [this] { mnuExit_Click(); }},
      {shell::MenuRow::EndMenu, QString(), QString()},
  };
  menus.insert(menus.end(), fileRest.begin(), fileRest.end());
  shell::LinkMenuNames links;
  links.about = QStringLiteral("mnuSoftware");
  links.donate = QStringLiteral("mnuDonate");
  const shell::MenuTable linkRows = shell::linkMenus(links);
  menus.insert(menus.end(), linkRows.begin(), linkRows.end());
  const shell::MenuActions actions = shell::buildMenus(bar, this, menus);
  mnuFile = actions.value(QStringLiteral("mnuFile"));
  mnuSpread = actions.value(QStringLiteral("mnuSpread"));
  for (int k = 0; k < 13; ++k)
    mnuSpreadItem[k] = actions.value(QString::fromLatin1(kSpreadItems[k].name));
  mnuManual = actions.value(QStringLiteral("mnuManual"));
  mnuCast = actions.value(QStringLiteral("mnuCast"));
  mnuBack = actions.value(QStringLiteral("mnuBack"));
  mnuExit = actions.value(QStringLiteral("mnuExit"));
  mnuHelp = actions.value(QStringLiteral("mnuHelp"));
  mnuOnline = actions.value(QStringLiteral("mnuOnline"));
  mnuVisit = actions.value(QStringLiteral("mnuVisit"));
  mnuUpdate = actions.value(QStringLiteral("mnuUpdate"));
  mnuSoftware = actions.value(QStringLiteral("mnuSoftware"));
  mnuDonate = actions.value(QStringLiteral("mnuDonate"));
  mnuMakeMoney = actions.value(QStringLiteral("mnuMakeMoney"));

  tarot::fitLabels(this);
}

void frmTarot::Form_Load() {
  tarot::fixFrame(this, tarot::FrameStyle::FixedNoMax);
  placeTopCentre();

  // The deck list; selecting its first entry sets the deck letter.
  cboCards->addItem(tarot::deckName(0));
  cboCards->addItem(tarot::deckName(1));
  cboCards->setCurrentIndex(0);
  cboCards_Click();
  connect(cboCards, &QComboBox::currentIndexChanged, this, &frmTarot::cboCards_Click);

  // A new visit starts a new reading record; a saved reading read back
  // earlier keeps its fields.
  tarotState().beginVisit();

  for (int k = 0; k < TarotSpreadTable::kSpreadCount; ++k)
    lstOption->addItem(TarotSpreadTable::row(k).listText);
  txtDisp->setPlainText(TarotSpreadTable::row(0).description);
  showSpreadPicture(0);
  connect(lstOption, &QListWidget::currentRowChanged, this, &frmTarot::lstOption_Click);
  lstOption->setCurrentRow(0);

  connect(chkHA, &QCheckBox::toggled, this, &frmTarot::chkHA_Click);
  connect(chkLA, &QCheckBox::toggled, this, &frmTarot::chkLA_Click);
  connect(chkRev, &QCheckBox::clicked, this, &frmTarot::chkRev_Click);
  lstOption->setFocus();
  // A reading comes from this page: the board is readied meanwhile.
  tarot::prepareBoardSoon();
}

void frmTarot::cboCards_Click() {
  tarotState().chooseDeck(tarot::deckLetter(cboCards->currentIndex()));
}

void frmTarot::lstOption_Click() {
  const int index = lstOption->currentRow();
  tarotState().chooseSpread(index);
  i = index;
  showSpreadPicture(i);
  SetSpreadInfo(i);
}

void frmTarot::showSpreadPicture(int index) {
  // A picture that cannot be read leaves the previous one in place; a large
  // one is shrunk to fit the box whole.
  const QPixmap pic = platform::loadPicture(TarotSpreadTable::picturePath(index));
  if (pic.isNull()) return;
  tarot::setPictureFitted(pctCard, pic);
}

void frmTarot::SetSpreadInfo(int index) {
  MaxCardInSet = index;
  if (index < 0 || index >= TarotSpreadTable::kSpreadCount) return;
  const TarotSpreadTable::Spread& spread = TarotSpreadTable::row(index);
  txtDisp->setPlainText(spread.description);
  no = spread.positions;
}

// At most one arcana box is ticked: ticking one unticks the other.
void frmTarot::chkHA_Click() {
  if (chkHA->isChecked() && chkLA->isChecked()) chkLA->setChecked(false);
}

void frmTarot::chkLA_Click() {
  if (chkLA->isChecked() && chkHA->isChecked()) chkHA->setChecked(false);
}

// The reversal box keeps whatever the click made of it.
void frmTarot::chkRev_Click() {}

void frmTarot::beginHandOver() {
  QListWidgetItem* selected = lstOption->currentItem();
  card = selected ? selected->text() : QString();
  rboo = chkRev->isChecked();
  lboo = chkLA->isChecked();
  hboo = chkHA->isChecked();
}

void frmTarot::startReading(bool manual) {
  // Every reading starts clean: a board or pick window still up from the
  // last reading goes (so that its load runs afresh), the card lists are
  // emptied and the deck is the one this page shows.
  tarot::unloadBoard();
  if (manual) tarot::unloadManualPick();
  TarotReadingState::Choice choice;
  choice.spreadName = card;
  choice.cardCount = no;
  choice.deckLetter = tarot::deckLetter(cboCards->currentIndex());
  choice.minorArcana = lboo;
  choice.majorArcana = hboo;
  choice.reverseCards = rboo;
  choice.manual = manual;
  // A manual reading counts as cast by hand only when its button was
  // pressed, not when the File menu runs it.
  choice.castByHand = cmdManual->value();
  tarotState().beginReading(choice);
}

void frmTarot::cmdAuto_Click() {
  beginHandOver();
  picMessage->setVisible(true);
  repaint();
  if (!rboo) tarot::pauseKeepingPaint(3000);

  startReading(false);
  tarot::showBoardForAutoCast();

  shell::mainface::showReportPanel();
  shell::mainface::setQuerent(
      {txtName->text(), txtDOB->text(), txtCountry->text(), txtQ->toPlainText()});
  tarot::placeBoardTopLeft();
  Hide();
  shell::mainface::setWelcomeVisible(false);
  // The reading is handed over to the report panel, shown from its
  // beginning: Save is next.
  shell::mainface::showReportBeginning();
  shell::mainface::focusSave();
}

void frmTarot::cmdManual_Click() {
  beginHandOver();
  startReading(true);
  tarot::showManualPick();
  Hide();
  shell::mainface::setWelcomeVisible(false);
}

void frmTarot::cmdBack_Click() {
  platform::Forms::get<frmTarotFront>()->Show();
  platform::Forms::unload(this);
  shell::mainface::setWelcomeVisible(false);
}

void frmTarot::cmdCancel_Click() { platform::Forms::unload(this); }

void frmTarot::Form_Unload(bool&) {
  // The hand-over leaves the welcome panel to the windows it hands over to.
  if (!cmdAuto->value() && !cmdManual->value()) shell::mainface::setWelcomeVisible(true);
}

void frmTarot::mnuCast_Click() {
  cmdAuto->click();
  picMessage->setVisible(true);
  repaint();
  tarotState().castAutomatically();
  tarot::showBoardForAutoCast();
  platform::Forms::unload(this);
}

void frmTarot::mnuExit_Click() {
  platform::Forms::unload(this);
  platform::Forms::unload<frmTarotFront>();
}

void frmTarot::mnuSpread_Click(int index) {
  const QString text = platform::stripAccel(QString::fromLatin1(kSpreadItems[index].caption));
  const QList<QListWidgetItem*> found = lstOption->findItems(text, Qt::MatchFixedString);
  if (!found.isEmpty()) lstOption->setCurrentItem(found.first());
}

void frmTarot::Label6_Click() { modHelp::GoToHomePage(); }

QString frmTarot::questionText() const { return platform::plainText(txtQ); }

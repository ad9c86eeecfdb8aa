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
#include "shell/ShellWindows.h"
#include "shell/frmMDI.h"
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

QAction* menuItem(QMenu* menu, const QString& caption, const QString& name) {
  QAction* a = menu->addAction(caption);
  a->setObjectName(name);
  return a;
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
  txtQ = platform::named(new QPlainTextEdit(client), QStringLiteral("txtQ"), QStringLiteral("Question"));
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

  // Promotional frame: the business offer lies over the co-brand offer.
  fraFullBrand = platform::named(new QGroupBox(client), QStringLiteral("fraFullBrand"));
  setTwGeometry(fraFullBrand, 0, 5400, 8865, 855);
  lblCobrand = tarot::linkLabel(tarot::coBrandInvitation(), QStringLiteral("lblCobrand"), 8.25, true,
                                fraFullBrand);
  lblCobrand->setAlignment(Qt::AlignCenter);
  lblCobrand->setFocusPolicy(Qt::NoFocus);
  setTwGeometry(lblCobrand, 120, 165, 8625, 615);
  lblFullBrand = tarot::linkLabel(tarot::fullBrandInvitation(), QStringLiteral("lblFullBrand"), 8.25,
                                  true, fraFullBrand);
  lblFullBrand->setAlignment(Qt::AlignCenter);
  lblFullBrand->setFocusPolicy(Qt::NoFocus);
  lblFullBrand->setAutoFillBackground(true);
  setTwGeometry(lblFullBrand, 120, 160, 8625, 615);
  lblFullBrand->raise();

  picMessage->raise();

  // Tab order: list, arcana boxes, the four buttons, description,
  // reversal box, picture, then the deck list, the querent's boxes and the
  // forum link.
  platform::tabOrder({lstOption, chkHA, chkLA, cmdAuto, cmdManual, cmdBack, cmdCancel, txtDisp, chkRev,
                      pctCard, cboCards, txtName, txtDOB, txtCountry, txtQ, Label6});

  // Menus.
  QMenuBar* bar = menuBar();
  bar->setObjectName(QStringLiteral("frmTarot_menu"));
  QMenu* file = bar->addMenu(QStringLiteral("&File"));
  mnuFile = file->menuAction();
  mnuFile->setObjectName(QStringLiteral("mnuFile"));
  QMenu* spreads = file->addMenu(QStringLiteral("&Choose Scenario"));
  mnuSpread = spreads->menuAction();
  mnuSpread->setObjectName(QStringLiteral("mnuSpread"));
  for (int k = 0; k < 13; ++k) {
    mnuSpreadItem[k] = menuItem(spreads, QString::fromLatin1(kSpreadItems[k].caption),
                                QString::fromLatin1(kSpreadItems[k].name));
    connect(mnuSpreadItem[k], &QAction::triggered, this, [this, k] { mnuSpread_Click(k); });
  }
  file->addSeparator()->setObjectName(QStringLiteral("mnubl"));
  mnuManual = menuItem(file, QStringLiteral("&Manual"), QStringLiteral("mnuManual"));
  connect(mnuManual, &QAction::triggered, this, &frmTarot::cmdManual_Click);
  mnuCast = menuItem(file, QStringLiteral("Auto&Cast"), QStringLiteral("mnuCast"));
  connect(mnuCast, &QAction::triggered, this, &frmTarot::mnuCast_Click);
  mnuBack = menuItem(file, QStringLiteral("Back"), QStringLiteral("mnuBack"));
  connect(mnuBack, &QAction::triggered, this, &frmTarot::cmdBack_Click);
  file->addSeparator()->setObjectName(QStringLiteral("mnuSep"));
  mnuExit = menuItem(file, QStringLiteral("&Exit"), QStringLiteral("mnuExit"));
  connect(mnuExit, &QAction::triggered, this, &frmTarot::mnuExit_Click);
  mnuFile->setEnabled(false);  // switched off; nothing switches it on

  QMenu* help = bar->addMenu(QStringLiteral("&Help"));
  mnuHelp = help->menuAction();
  mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
  mnuOnline = menuItem(help, QStringLiteral("&Online Help"), QStringLiteral("mnuOnline"));
  connect(mnuOnline, &QAction::triggered, this, [] { GoToHelpPage(); });
  mnuVisit = menuItem(help, QStringLiteral("&Visit Us Online"), QStringLiteral("mnuVisit"));
  connect(mnuVisit, &QAction::triggered, this, [] { GoToHomePage(); });
  help->addSeparator()->setObjectName(QStringLiteral("mnuHelpSep1"));
  mnuUpdate = menuItem(help, QStringLiteral("Check for Software &Update"), QStringLiteral("mnuUpdate"));
  connect(mnuUpdate, &QAction::triggered, this, [] { GoToDownloadPage(); });
  help->addSeparator()->setObjectName(QStringLiteral("mnuHelpSep2"));
  mnuSoftware = menuItem(help, QStringLiteral("&About Software"), QStringLiteral("mnuSoftware"));
  connect(mnuSoftware, &QAction::triggered, this, [] { shell::showAboutBox(); });
  mnuDonate = bar->addAction(QStringLiteral("Donate"), this, [] { GoToDonatePage(); });
  mnuDonate->setObjectName(QStringLiteral("mnuDonate"));
  mnuMakeMoney = bar->addAction(QStringLiteral("Make Money &Online"), this, [] { GoToFullyBrandedPage(); });
  mnuMakeMoney->setObjectName(QStringLiteral("mnuMakeMoney"));
  mnuMakeMoney->setEnabled(false);  // switched off; nothing switches it on

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
  TarotReadingState& st = tarotState();
  st.strDeckLetter = QStringLiteral("r");
  st.blnManualMode = false;
  st.lngChosenCards.erase();
  st.lngReversedCards.erase();
  st.blnAutoCast = false;
  st.blnManualCast = false;
  st.strSpreadName = QStringLiteral("-1");
  st.lngCardCount = -1;
  st.blnMinorArcana = false;
  st.blnMajorArcana = false;
  st.blnReverseCards = false;

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
}

void frmTarot::cboCards_Click() {
  tarotState().strDeckLetter = tarot::deckLetter(cboCards->currentIndex());
}

void frmTarot::lstOption_Click() {
  const int index = lstOption->currentRow();
  tarotState().lngSpreadIndex = index;
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
  TarotReadingState& st = tarotState();
  st.lngChosenCards.erase();
  st.lngReversedCards.erase();
  st.strDeckLetter = tarot::deckLetter(cboCards->currentIndex());
  st.blnManualMode = manual;
  st.blnAutoCast = !manual;
  // A manual reading counts as cast by hand only when its button was
  // pressed, not when the File menu runs it.
  st.blnManualCast = manual && cmdManual->value();
  st.strSpreadName = card;
  st.lngCardCount = no;
  st.blnMinorArcana = lboo;
  st.blnMajorArcana = hboo;
  st.blnReverseCards = rboo;
}

void frmTarot::cmdAuto_Click() {
  beginHandOver();
  picMessage->setVisible(true);
  repaint();
  if (!rboo) tarot::pauseKeepingPaint(3000);

  startReading(false);
  tarot::handOverRoute().showBoard();

  frmMDI* mdi = tarot::mainWindow();
  mdi->showReportPanel();
  mdi->txtName->setText(txtName->text());
  mdi->txtDOB->setText(txtDOB->text());
  mdi->txtCountry->setText(txtCountry->text());
  mdi->txtQ->setPlainText(txtQ->toPlainText());
  tarot::placeBoardTopLeft();
  Hide();
  mdi->picMain->setVisible(false);
  // The reading is handed over to the report panel: Save is next.
  mdi->cmdSave->setFocus(Qt::OtherFocusReason);
}

void frmTarot::cmdManual_Click() {
  beginHandOver();
  startReading(true);
  tarot::handOverRoute().showManualPick();
  Hide();
  tarot::mainWindow()->picMain->setVisible(false);
}

void frmTarot::cmdBack_Click() {
  platform::Forms::get<frmTarotFront>()->Show();
  platform::Forms::unload(this);
  tarot::mainWindow()->picMain->setVisible(false);
}

void frmTarot::cmdCancel_Click() { platform::Forms::unload(this); }

void frmTarot::Form_Unload(bool&) {
  // The hand-over leaves the welcome panel to the windows it hands over to.
  if (!cmdAuto->value() && !cmdManual->value()) tarot::mainWindow()->picMain->setVisible(true);
}

void frmTarot::mnuCast_Click() {
  cmdAuto->click();
  picMessage->setVisible(true);
  repaint();
  tarotState().blnManualMode = false;
  tarot::handOverRoute().showBoard();
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

void frmTarot::Label6_Click() { GoToHomePage(); }

QString frmTarot::questionText() const { return platform::plainText(txtQ); }

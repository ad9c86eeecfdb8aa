#include "tarot_numerology/frmTarotNumerologyMain.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QRadioButton>

#include "platform/Controls.h"
#include "platform/Services.h"
#include "platform/Twips.h"
#include "shell/ShellWindows.h"
#include "shell/Site.h"
#include "shell/modHelp.h"
#include "shell/Look.h"
#include "shell/Menus.h"
#include "shell/PromoFrame.h"
#include "shell/ReadingDialogs.h"
#include "tarot_numerology/TarotNumerologyLook.h"
#include "tarot_numerology/TarotNumerologyNumbers.h"
#include "tarot_numerology/TarotNumerologyReadingFile.h"
#include "tarot_numerology/TarotNumerologyState.h"
#include "tarot_numerology/frmTarotNumerologyDisplay.h"
#include "tarot_numerology/modNumerologySpread.h"
#include "tarot_numerology/modTarotNumerology.h"

using platform::setTwGeometry;
using shell::verdana;

namespace {

// RGB as the form's table gives it, as a Qt colour.
QColor rgb(int r, int g, int b) { return QColor(r, g, b); }

// A centred link label in the given colour.
platform::VbLabel* linkLabel(const QString& caption, const QString& name, const QColor& colour,
                             QWidget* parent) {
  platform::VbLabel* l = shell::linkLabel(caption, name, 8.25, true, parent);
  l->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  shell::textColour(l, colour);
  return l;
}

// The dark entry boxes with their light green text.
void darkEntry(QWidget* w) {
  w->setStyleSheet(QStringLiteral("background-color: rgb(64, 64, 64); color: rgb(128, 255, 128);"
                                  " selection-background-color: rgb(0, 96, 0);"));
}

}  // namespace


frmTarotNumerologyMain::frmTarotNumerologyMain() : platform::Form(this, Kind::MdiChild) {
  setObjectName(QStringLiteral("frmTarotNumerologyMain"));
  setWindowTitle(QStringLiteral("Sylvaric"));
  shell::standardColours(this);

  auto* client = new QWidget(this);
  client->setObjectName(QStringLiteral("frmTarotNumerologyMain_client"));
  client->setFixedSize(platform::toPx(7515), platform::toPx(5295));
  shell::fillColour(client, Qt::white);
  client->setFont(verdana(8.25));
  setCentralWidget(client);

  Label14 = linkLabel(QStringLiteral("The Most Popular Online Mystic Discussion Forum"),
                      QStringLiteral("Label14"), rgb(0, 128, 128), client);
  setTwGeometry(Label14, 1342, 30, 4830, 195);
  Label3 = linkLabel(QStringLiteral("Click Here To Visit ") + shell::siteHost() +
                         QStringLiteral(" Now"),
                     QStringLiteral("Label3"), rgb(0, 128, 128), client);
  setTwGeometry(Label3, 1522, 240, 4470, 195);
  connect(Label14, &platform::VbLabel::Click, this, [] { modHelp::GoToHomePage(); });
  connect(Label3, &platform::VbLabel::Click, this, [] { modHelp::GoToHomePage(); });

  Label6 = platform::named(new QLabel(QStringLiteral("Sylvaric"), client), QStringLiteral("Label6"));
  Label6->setFont(verdana(12, true));
  Label6->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  shell::textColour(Label6, rgb(0, 0, 255));
  setTwGeometry(Label6, 1965, 600, 3585, 270);

  Label4[0] = platform::named(new QLabel(tarotnumerology::formParagraph(), client),
                              QStringLiteral("Label4(0)"));
  Label4[0]->setFont(verdana(8.25, true));
  Label4[0]->setWordWrap(true);
  Label4[0]->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  shell::textColour(Label4[0], rgb(0, 128, 0));
  setTwGeometry(Label4[0], 97, 960, 7320, 1455);

  fraDetails = platform::named(new QGroupBox(QStringLiteral("Personal Details"), client),
                               QStringLiteral("fraDetails"));
  fraDetails->setFont(verdana(8.25, true));
  fraDetails->setStyleSheet(QStringLiteral("QGroupBox { color: rgb(255, 0, 0); }"));
  setTwGeometry(fraDetails, 240, 2460, 5100, 1335);

  Label1 = platform::named(new QLabel(QStringLiteral("Name"), fraDetails), QStringLiteral("Label1"));
  Label1->setFont(verdana(8.25));
  setTwGeometry(Label1, 480, 480, 495, 195);
  txtName = platform::named(new QLineEdit(fraDetails), QStringLiteral("txtName"), QStringLiteral("Name"));
  txtName->setFont(verdana(8.25));
  darkEntry(txtName);
  setTwGeometry(txtName, 1050, 390, 3900, 345);
  Label1->setBuddy(txtName);

  Label2 = platform::named(new QLabel(QStringLiteral("Birth Day"), fraDetails), QStringLiteral("Label2"));
  Label2->setFont(verdana(8.25));
  setTwGeometry(Label2, 180, 930, 810, 195);
  cboDate = platform::named(new QComboBox(fraDetails), QStringLiteral("cboDate"),
                            QStringLiteral("Birth day: day of the month"));
  cboMonth = platform::named(new QComboBox(fraDetails), QStringLiteral("cboMonth"),
                             QStringLiteral("Birth day: month"));
  cboYear = platform::named(new QComboBox(fraDetails), QStringLiteral("cboYear"),
                            QStringLiteral("Birth day: year"));
  const double lefts[] = {1050, 2348, 3645};
  int i = 0;
  for (QComboBox* c : {cboDate, cboMonth, cboYear}) {
    c->setFont(verdana(8.25));
    c->setEditable(false);
    c->setMaxVisibleItems(12);
    darkEntry(c);
    setTwGeometry(c, lefts[i++], 840, 1305, 315);
  }
  Label2->setBuddy(cboDate);

  // Never seen (they lie below the frame's visible height) and never read.
  Label5 = platform::named(new QLabel(QStringLiteral("Sex"), fraDetails), QStringLiteral("Label5"));
  setTwGeometry(Label5, 180, 1860, 600, 195);
  optSex[0] = platform::named(new QRadioButton(QStringLiteral("Male"), fraDetails), QStringLiteral("optSex(0)"));
  setTwGeometry(optSex[0], 1050, 1860, 900, 195);
  optSex[1] = platform::named(new QRadioButton(QStringLiteral("Female"), fraDetails),
                              QStringLiteral("optSex(1)"));
  setTwGeometry(optSex[1], 2100, 1860, 900, 195);
  for (QWidget* w : {static_cast<QWidget*>(Label5), static_cast<QWidget*>(optSex[0]),
                     static_cast<QWidget*>(optSex[1])})
    w->setVisible(false);

  cmdProceed = shell::greyButton(QStringLiteral("Show &Tarot Numerology Reading"),
                                 QStringLiteral("cmdProceed"), client);
  setTwGeometry(cmdProceed, 240, 3960, 5100, 375);
  cmdOpen = platform::named(new platform::VbButton(QStringLiteral("&Open Previously Saved Reading"), client),
                            QStringLiteral("cmdOpen"));
  cmdOpen->setFont(verdana(9.75, true));
  setTwGeometry(cmdOpen, 5400, 2505, 1825, 1825);
  // The tall square button breaks its caption over several lines.
  cmdOpen->setText(QStringLiteral("&Open\nPreviously\nSaved\nReading"));
  cmdOpen->setAccessibleName(QStringLiteral("Open Previously Saved Reading"));
  connect(cmdProceed, &platform::VbButton::Click, this, &frmTarotNumerologyMain::cmdProceed_Click);
  connect(cmdOpen, &platform::VbButton::Click, this, &frmTarotNumerologyMain::cmdOpen_Click);

  shell::PromoFrameLayout promo;
  promo.left = -15;
  promo.top = 4440;
  promo.width = 7545;
  promo.height = 855;
  promo.labelWidth = 7305;
  promo.labelHeight = 615;
  promo.coBrandText = tarotnumerology::coBrandText();
  promo.centred = true;
  promo.coBrandOnTop = true;
  const shell::PromoFrame frame = shell::promoFrame(client, promo);
  fraFullBrand = frame.fraFullBrand;
  lblCobrand = frame.lblCobrand;
  lblFullBrand = frame.lblFullBrand;

  platform::tabOrder({txtName, cboDate, cboMonth, cboYear, cmdProceed, cmdOpen, Label14, Label3, lblCobrand});

  const shell::MenuTable fileRows = {
      {shell::MenuRow::Menu, QStringLiteral("&File"), QStringLiteral("mnuFile")},
      {shell::MenuRow::Item, QStringLiteral("Calculate"), QStringLiteral("mnuCalculate"),
       [this] { mnuCalculate_Click(); }},
      {shell::MenuRow::Separator, QString(), QStringLiteral("mnuSep1")},
      {shell::MenuRow::Item, QStringLiteral("E&xit"), QStringLiteral("mnuExit"), [this] { mnuExit_Click(); }},
      {shell::MenuRow::EndMenu, QString(), QString()},
  };
  shell::LinkMenuNames links;
  links.separator1 = QStringLiteral("mnuSep2");
  links.separator2 = QStringLiteral("mnuSep3");
  links.donateCaption = QStringLiteral("&Donate");
  shell::MenuTable menus = fileRows;
  const shell::MenuTable linkRows = shell::linkMenus(links);
  menus.insert(menus.end(), linkRows.begin(), linkRows.end());
  menuBar()->setObjectName(QStringLiteral("frmTarotNumerologyMain_menu"));
  const shell::MenuActions actions = shell::buildMenus(menuBar(), this, menus);
  mnuFile = actions.value(QStringLiteral("mnuFile"));
  mnuCalculate = actions.value(QStringLiteral("mnuCalculate"));
  mnuSep1 = actions.value(QStringLiteral("mnuSep1"));
  mnuExit = actions.value(QStringLiteral("mnuExit"));
  mnuHelp = actions.value(QStringLiteral("mnuHelp"));
  mnuOnline = actions.value(QStringLiteral("mnuOnline"));
  mnuVisit = actions.value(QStringLiteral("mnuVisit"));
  mnuSep2 = actions.value(QStringLiteral("mnuSep2"));
  mnuUpdate = actions.value(QStringLiteral("mnuUpdate"));
  mnuSep3 = actions.value(QStringLiteral("mnuSep3"));
  mnuAbout = actions.value(QStringLiteral("mnuAbout"));
  mnuDonate = actions.value(QStringLiteral("mnuDonate"));
  mnuMakeMoney = actions.value(QStringLiteral("mnuMakeMoney"));
  // Hidden items: the reading is made by the button, and the business offer
  // is made by its label.
  mnuCalculate->setVisible(false);
  mnuSep1->setVisible(false);
  mnuMakeMoney->setVisible(false);
  mnuMakeMoney->setEnabled(true);
}

void frmTarotNumerologyMain::Form_Load() {
  shell::fixFrame(this, shell::FrameStyle::FixedDialog);
  placeTopCentre();
  cboDate->addItems(TarotNumerologyReadingFile::dayEntries());
  cboMonth->addItems(TarotNumerologyReadingFile::monthEntries());
  cboYear->addItems(TarotNumerologyReadingFile::yearEntries());
  cboDate->setCurrentIndex(0);
  cboMonth->setCurrentIndex(0);
  cboYear->setCurrentIndex(70);  // 1970
  txtName->setFocus();
}

bool frmTarotNumerologyMain::ValidateInput() {
  QString message;
  if (txtName->text().isEmpty())
    message = QStringLiteral("Please Enter Your Name");
  else if (!TarotNumerologyNumbers::hasCountedLetter(txtName->text()))
    // A name without a letter A to Z has no Destiny number and no cards.
    message = tarotnumerology::noLetterMessage();
  if (message.isEmpty()) return true;
  platform::MsgBox(message, platform::vbCritical);
  txtName->setFocus();
  return false;
}

void frmTarotNumerologyMain::cmdProceed_Click() {
  if (!ValidateInput()) return;
  TarotNumerologyState& s = tnState();
  s.beginReading(txtName->text(), cboDate->currentText(), cboMonth->currentText(),
                 cboYear->currentText());
  modTarotNumerology::ShowLifePathReading(s.TNLifePath);
  modTarotNumerology::ShowDestinyReading(s.TNDestiny);
  frmTarotNumerologyDisplay* display = platform::Forms::get<frmTarotNumerologyDisplay>();
  // Every reading, an opened one too, gets a newly drawn spread.
  display->drawSpread(modNumerologySpread::kNumerologySpread);
  display->Show();
  display->placeTopCentre();
  Hide();
  tarotnumerology::setWelcomePanelVisible(false);
}

void frmTarotNumerologyMain::mnuCalculate_Click() { cmdProceed_Click(); }

void frmTarotNumerologyMain::cmdOpen_Click() {
  const std::optional<QString> path =
      shell::chooseReadingToOpen(QStringLiteral("Sylvaric (*.tnm)|*.tnm"), QStringLiteral("tnm"));
  if (!path) return;  // cancelled: nothing changes

  // A file that is not a whole, readable reading changes nothing on the form.
  const std::optional<TarotNumerologyReadingFile::Reading> reading =
      path->endsWith(QLatin1String("tnm")) ? TarotNumerologyReadingFile::load(*path) : std::nullopt;
  if (!reading) return shell::refuseReadingFile();
  txtName->setText(reading->name);
  cboDate->setCurrentIndex(cboDate->findText(reading->day));
  cboMonth->setCurrentIndex(cboMonth->findText(reading->month));
  cboYear->setCurrentIndex(cboYear->findText(reading->year));
  cmdProceed_Click();
}

void frmTarotNumerologyMain::mnuExit_Click() { platform::Forms::unload(this); }

void frmTarotNumerologyMain::Form_QueryUnload(bool&) { tarotnumerology::setWelcomePanelVisible(true); }

void frmTarotNumerologyMain::Form_Unload(bool&) { tarotnumerology::setWelcomePanelVisible(true); }

#include "tarot_numerology/frmTarotNumerologyMain.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QRadioButton>

#include "platform/Services.h"
#include "platform/Twips.h"
#include "shell/ShellWindows.h"
#include "shell/Site.h"
#include "shell/frmMDI.h"
#include "shell/modHelp.h"
#include "tarot/TarotLook.h"
#include "tarot_numerology/FormTexts.h"
#include "tarot_numerology/TarotNumerologyNumbers.h"
#include "tarot_numerology/TarotNumerologyReadingFile.h"
#include "tarot_numerology/TarotNumerologyState.h"
#include "tarot_numerology/frmTarotNumerologyDisplay.h"
#include "tarot_numerology/modTarotNumerology.h"

using platform::setTwGeometry;
using platform::vbColor;
using shell::verdana;

namespace {

// RGB as the form's table gives it, as a Qt colour.
QColor rgb(int r, int g, int b) { return QColor(r, g, b); }

platform::VbLabel* linkLabel(const QString& caption, const QString& name, const QColor& colour,
                             QWidget* parent) {
  auto* l = platform::named(new platform::VbLabel(caption, parent), name);
  l->setFont(verdana(8.25, true, true));
  l->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  l->setWordWrap(true);
  l->setTextFormat(Qt::PlainText);
  shell::textColour(l, colour);
  l->setLinkPointer(true);
  return l;
}

// The dark entry boxes with their light green text.
void darkEntry(QWidget* w) {
  w->setStyleSheet(QStringLiteral("background-color: rgb(64, 64, 64); color: rgb(128, 255, 128);"
                                  " selection-background-color: rgb(0, 96, 0);"));
}

}  // namespace

namespace tarotnumerology {

QString formParagraph() {
  return QStringLiteral(
      "Sylvaric helps you in understanding the character of a person in a better way. From a "
      "name and a date of birth it works out the Life Path and Destiny numbers. Each number from "
      "1 to 9 belongs to cards of the Major or the Minor Arcana, and the reading shows those "
      "cards beside the number's planet, days, colours and stones. The cards are drawn from the "
      "default deck, the \"Brevanth Tarot Deck\".");
}

QString coBrandText() {
  return QStringLiteral(
      "Co-brand this software for your site. Put your site's name and a link to it inside the "
      "program and hand it on to your visitors; the help pages tell you how.");
}

QString fullBrandText() {
  return QStringLiteral(
      "Home Business Opportunity. Start your own Internet business and make money online. Get "
      "this software fully branded for your website. Click here for more details.");
}

QString noLetterMessage() {
  return QStringLiteral("Please Enter A Name With At Least One Letter From A To Z");
}

}  // namespace tarotnumerology

frmTarotNumerologyMain::frmTarotNumerologyMain() : platform::Form(this, Kind::MdiChild) {
  setObjectName(QStringLiteral("frmTarotNumerologyMain"));
  setWindowTitle(QStringLiteral("Sylvaric"));
  tarot::standardColours(this);

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
  connect(Label14, &platform::VbLabel::Click, this, [] { GoToHomePage(); });
  connect(Label3, &platform::VbLabel::Click, this, [] { GoToHomePage(); });

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

  fraFullBrand = platform::named(new QGroupBox(client), QStringLiteral("fraFullBrand"));
  setTwGeometry(fraFullBrand, -15, 4440, 7545, 855);
  lblCobrand = linkLabel(tarotnumerology::coBrandText(), QStringLiteral("lblCobrand"), rgb(0, 0, 255),
                         fraFullBrand);
  setTwGeometry(lblCobrand, 120, 165, 7305, 615);
  lblFullBrand = linkLabel(tarotnumerology::fullBrandText(), QStringLiteral("lblFullBrand"),
                           rgb(0, 0, 255), fraFullBrand);
  setTwGeometry(lblFullBrand, 120, 165, 7305, 615);
  // The co-brand label lies over the business offer and is the one seen.
  lblFullBrand->setFocusPolicy(Qt::NoFocus);
  lblCobrand->setAutoFillBackground(true);
  lblCobrand->raise();
  connect(lblCobrand, &platform::VbLabel::Click, this, [] { GoToCoBrandPage(); });
  connect(lblFullBrand, &platform::VbLabel::Click, this, [] { GoToFullyBrandedPage(); });

  setTabOrder(txtName, cboDate);
  setTabOrder(cboDate, cboMonth);
  setTabOrder(cboMonth, cboYear);
  setTabOrder(cboYear, cmdProceed);
  setTabOrder(cmdProceed, cmdOpen);
  setTabOrder(cmdOpen, Label14);
  setTabOrder(Label14, Label3);
  setTabOrder(Label3, lblCobrand);

  QMenuBar* bar = menuBar();
  bar->setObjectName(QStringLiteral("frmTarotNumerologyMain_menu"));
  QMenu* file = bar->addMenu(QStringLiteral("&File"));
  mnuFile = file->menuAction();
  mnuFile->setObjectName(QStringLiteral("mnuFile"));
  mnuCalculate = file->addAction(QStringLiteral("Calculate"), this, &frmTarotNumerologyMain::mnuCalculate_Click);
  mnuCalculate->setObjectName(QStringLiteral("mnuCalculate"));
  mnuCalculate->setVisible(false);
  mnuSep1 = file->addSeparator();
  mnuSep1->setObjectName(QStringLiteral("mnuSep1"));
  mnuSep1->setVisible(false);
  mnuExit = file->addAction(QStringLiteral("E&xit"), this, &frmTarotNumerologyMain::mnuExit_Click);
  mnuExit->setObjectName(QStringLiteral("mnuExit"));
  QMenu* help = bar->addMenu(QStringLiteral("&Help"));
  mnuHelp = help->menuAction();
  mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
  mnuOnline = help->addAction(QStringLiteral("&Online Help"), this, [] { GoToHelpPage(); });
  mnuOnline->setObjectName(QStringLiteral("mnuOnline"));
  mnuVisit = help->addAction(QStringLiteral("&Visit Us Online"), this, [] { GoToHomePage(); });
  mnuVisit->setObjectName(QStringLiteral("mnuVisit"));
  mnuSep2 = help->addSeparator();
  mnuSep2->setObjectName(QStringLiteral("mnuSep2"));
  mnuUpdate = help->addAction(QStringLiteral("Check for Software &Update"), this, [] { GoToDownloadPage(); });
  mnuUpdate->setObjectName(QStringLiteral("mnuUpdate"));
  mnuSep3 = help->addSeparator();
  mnuSep3->setObjectName(QStringLiteral("mnuSep3"));
  mnuAbout = help->addAction(QStringLiteral("&About Software"), this, [] { shell::showAboutBox(); });
  mnuAbout->setObjectName(QStringLiteral("mnuAbout"));
  mnuDonate = bar->addAction(QStringLiteral("&Donate"), this, [] { GoToDonatePage(); });
  mnuDonate->setObjectName(QStringLiteral("mnuDonate"));
  mnuMakeMoney = bar->addAction(QStringLiteral("Make Money &Online"), this, [] { GoToFullyBrandedPage(); });
  mnuMakeMoney->setObjectName(QStringLiteral("mnuMakeMoney"));
  mnuMakeMoney->setVisible(false);
}

void frmTarotNumerologyMain::Form_Load() {
  tarot::fixFrame(this, tarot::FrameStyle::FixedDialog);
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
  display->Show();
  display->placeTopCentre();
  Hide();
  tarot::mainWindow()->picMain->setVisible(false);
}

void frmTarotNumerologyMain::mnuCalculate_Click() { cmdProceed_Click(); }

void frmTarotNumerologyMain::cmdOpen_Click() {
  platform::FileDialogRequest req;
  req.filter = QStringLiteral("Sylvaric (*.tnm)|*.tnm");
  req.filterIndex = 2;
  req.defaultExt = QStringLiteral("tnm");
  req.title = QStringLiteral("Select the source file");
  req.fileName = QString();
  req.overwritePrompt = false;
  const std::optional<QString> path = platform::services().openDialog(req);
  if (!path || path->isEmpty()) return;  // cancelled: nothing changes

  // A file that is not a whole, readable reading changes nothing on the form.
  const std::optional<TarotNumerologyReadingFile::Reading> reading =
      path->endsWith(QLatin1String("tnm")) ? TarotNumerologyReadingFile::load(*path) : std::nullopt;
  if (!reading) {
    platform::MsgBox(QStringLiteral("Please Check The File."), platform::vbCritical);
    return;
  }
  txtName->setText(reading->name);
  cboDate->setCurrentIndex(cboDate->findText(reading->day));
  cboMonth->setCurrentIndex(cboMonth->findText(reading->month));
  cboYear->setCurrentIndex(cboYear->findText(reading->year));
  cmdProceed_Click();
}

void frmTarotNumerologyMain::mnuExit_Click() { platform::Forms::unload(this); }

void frmTarotNumerologyMain::Form_QueryUnload(bool&) { tarot::mainWindow()->picMain->setVisible(true); }

void frmTarotNumerologyMain::Form_Unload(bool&) { tarot::mainWindow()->picMain->setVisible(true); }

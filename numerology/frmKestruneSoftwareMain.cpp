#include "numerology/frmKestruneSoftwareMain.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>

#include "numerology/KestruneReportWindow.h"
#include "numerology/KestruneLook.h"
#include "numerology/NumerologyReadingFile.h"
#include "numerology/NumerologyState.h"
#include "numerology/frmKestrune.h"
#include "platform/Controls.h"
#include "platform/Services.h"
#include "platform/Twips.h"
#include "platform/VbString.h"
#include "shell/Look.h"
#include "shell/Menus.h"
#include "shell/modHelp.h"
#include "shell/MainFace.h"
#include "shell/ReadingDialogs.h"

using platform::named;
using platform::setTwGeometry;

namespace {

void upperCaseTyped(int& keyAscii) {
  if (keyAscii >= 97 && keyAscii <= 122) keyAscii -= 32;
}

QLabel* caption(const QString& text, const QString& name, QWidget* parent) {
  auto* l = named(new QLabel(text, parent), name);
  l->setTextFormat(Qt::PlainText);
  return l;
}

}  // namespace

frmKestruneSoftwareMain::frmKestruneSoftwareMain() : platform::Form(this, Kind::MdiChild) {
  setObjectName(QStringLiteral("frmKestruneSoftwareMain"));
  setWindowTitle(QStringLiteral("Kestrune Software"));
  shell::standardColours(this);
  setFont(shell::verdana(8.25));

  auto* client = new QWidget(this);
  client->setObjectName(QStringLiteral("frmKestruneSoftwareMain_client"));
  client->setFixedSize(platform::toPx(6000), platform::toPx(5850));
  shell::fillColour(client, palette().color(QPalette::Window));
  setCentralWidget(client);

  Label61 = shell::linkLabel(numerology::forumLine(), QStringLiteral("Label61"), 8.25, false, client);
  setTwGeometry(Label61, 120, 60, 5760, 435);
  connect(Label61, &platform::VbLabel::Click, this, &frmKestruneSoftwareMain::Label61_Click);

  fraNote = named(new QGroupBox(QStringLiteral("Note: "), client), QStringLiteral("fraNote"));
  shell::fillColour(fraNote, Qt::white);
  setTwGeometry(fraNote, 120, 540, 5760, 675);
  Label2 = caption(QStringLiteral("This program has been designed keeping in mind date settings "
                                  "according to MM/DD/YYYY format"),
                   QStringLiteral("Label2"), fraNote);
  Label2->setWordWrap(true);
  setTwGeometry(Label2, 120, 240, 5520, 390);

  cmdOpen = named(new platform::VbButton(QStringLiteral("&Open Previously Saved Reading"), client),
                  QStringLiteral("cmdOpen"));
  cmdOpen->setFont(shell::verdana(9.75, true));
  setTwGeometry(cmdOpen, 120, 1290, 5760, 495);
  connect(cmdOpen, &platform::VbButton::Click, this, &frmKestruneSoftwareMain::cmdOpen_Click);

  fraName = named(new QGroupBox(QStringLiteral("Name"), client), QStringLiteral("fraName"));
  setTwGeometry(fraName, 120, 1860, 5760, 1035);
  lblFirstName = caption(QStringLiteral("* First Name"), QStringLiteral("lblFirstName"), fraName);
  lblMiddleName = caption(QStringLiteral("Middle Name"), QStringLiteral("lblMiddleName"), fraName);
  lblLastName = caption(QStringLiteral("* Last Name"), QStringLiteral("lblLastName"), fraName);
  txtFirstName = named(new QLineEdit(fraName), QStringLiteral("txtFirstName"),
                       QStringLiteral("First Name"));
  txtMiddleName = named(new QLineEdit(fraName), QStringLiteral("txtMiddleName"),
                        QStringLiteral("Middle Name"));
  txtLastName = named(new QLineEdit(fraName), QStringLiteral("txtLastName"),
                      QStringLiteral("Last Name"));
  {
    double x = 120;
    QLabel* labels[] = {lblFirstName, lblMiddleName, lblLastName};
    QLineEdit* boxes[] = {txtFirstName, txtMiddleName, txtLastName};
    for (int i = 0; i < 3; ++i) {
      setTwGeometry(labels[i], x, 270, 1785, 240);
      setTwGeometry(boxes[i], x, 540, 1785, 345);
      labels[i]->setBuddy(boxes[i]);
      x += 1845;
    }
  }
  platform::onKeyPress(txtFirstName, [this](int& k) { txtFirstName_KeyPress(k); });
  platform::onKeyPress(txtMiddleName, [this](int& k) { txtMiddleName_KeyPress(k); });
  platform::onKeyPress(txtLastName, [this](int& k) { txtLastName_KeyPress(k); });

  fraBirthDay = named(new QGroupBox(QStringLiteral("* Birth Day"), client),
                      QStringLiteral("fraBirthDay"));
  setTwGeometry(fraBirthDay, 120, 2970, 5760, 1035);
  lblMonth = caption(QStringLiteral("Month"), QStringLiteral("lblMonth"), fraBirthDay);
  lblDate = caption(QStringLiteral("Date"), QStringLiteral("lblDate"), fraBirthDay);
  lblYear = caption(QStringLiteral("Year"), QStringLiteral("lblYear"), fraBirthDay);
  cboMonth = named(new QComboBox(fraBirthDay), QStringLiteral("cboMonth"),
                   QStringLiteral("Birth month"));
  cboDate = named(new QComboBox(fraBirthDay), QStringLiteral("cboDate"), QStringLiteral("Birth date"));
  cboYear = named(new QComboBox(fraBirthDay), QStringLiteral("cboYear"), QStringLiteral("Birth year"));
  {
    double x = 120;
    QLabel* labels[] = {lblMonth, lblDate, lblYear};
    QComboBox* lists[] = {cboMonth, cboDate, cboYear};
    for (int i = 0; i < 3; ++i) {
      setTwGeometry(labels[i], x, 270, 1785, 240);
      setTwGeometry(lists[i], x, 540, 1785, 345);
      labels[i]->setBuddy(lists[i]);
      lists[i]->setMaxVisibleItems(12);
      x += 1845;
    }
  }

  cmdExit = named(new platform::VbButton(QStringLiteral("E&xit"), client), QStringLiteral("cmdExit"));
  setTwGeometry(cmdExit, 3060, 4110, 1335, 375);
  cmdNext = named(new platform::VbButton(QStringLiteral("&Next"), client), QStringLiteral("cmdNext"));
  setTwGeometry(cmdNext, 4545, 4110, 1335, 375);
  cmdNext->setDefault(true);
  connect(cmdExit, &platform::VbButton::Click, this, &frmKestruneSoftwareMain::cmdExit_Click);
  connect(cmdNext, &platform::VbButton::Click, this, &frmKestruneSoftwareMain::cmdNext_Click);

  const shell::PromoFrame brand = numerology::promoFrame(client, 0, 4590, 6000, 1215);
  fraFullBrand = brand.fraFullBrand;
  lblFullBrand = brand.lblFullBrand;
  lblCobrand = brand.lblCobrand;
  connect(lblFullBrand, &platform::VbLabel::Click, this, &frmKestruneSoftwareMain::lblFullBrand_Click);
  connect(lblCobrand, &platform::VbLabel::Click, this, &frmKestruneSoftwareMain::lblCobrand_Click);

  // Tab order: the three names, the three lists, Next, Exit; then the rest.
  platform::tabOrder({txtFirstName, txtMiddleName, txtLastName, cboMonth, cboDate, cboYear, cmdNext, cmdExit, cmdOpen, Label61, lblFullBrand});

  // Menus.
  QMenuBar* bar = menuBar();
  bar->setObjectName(QStringLiteral("frmKestruneSoftwareMain_menu"));
  using shell::MenuRow;
  shell::MenuTable menus = {
      {MenuRow::Menu, QStringLiteral("&File"), QStringLiteral("nuFile")},
      {MenuRow::Item, QStringLiteral("&Next"), QStringLiteral("mnuNext"), [this] { mnuNext_Click(); }},
      {MenuRow::Item, QStringLiteral("E&xit"), QStringLiteral("mnuExit"), [this] { mnuExit_Click(); }},
      {MenuRow::EndMenu, QString(), QString()},
  };
  shell::LinkMenuNames names;
  names.separator1 = QStringLiteral("mnuFileSep1");
  names.separator2 = QStringLiteral("mnuFileSep2");
  names.updateCaption = QStringLiteral("&Check for Software Update");
  names.donateCaption = QStringLiteral("&Donate");
  for (shell::MenuRow& row : shell::linkMenus(names)) menus.push_back(row);
  const shell::MenuActions a = shell::buildMenus(bar, this, menus);
  nuFile = a.value(QStringLiteral("nuFile"));
  mnuNext = a.value(QStringLiteral("mnuNext"));
  mnuExit = a.value(QStringLiteral("mnuExit"));
  mnuHelp = a.value(QStringLiteral("mnuHelp"));
  mnuOnline = a.value(QStringLiteral("mnuOnline"));
  mnuVisit = a.value(QStringLiteral("mnuVisit"));
  mnuFileSep1 = a.value(QStringLiteral("mnuFileSep1"));
  mnuUpdate = a.value(QStringLiteral("mnuUpdate"));
  mnuFileSep2 = a.value(QStringLiteral("mnuFileSep2"));
  mnuAbout = a.value(QStringLiteral("mnuAbout"));
  mnuDonate = a.value(QStringLiteral("mnuDonate"));
  mnuMakeMoney = a.value(QStringLiteral("mnuMakeMoney"));
}

void frmKestruneSoftwareMain::Form_Load() {
  // The comprehensive report window is loaded (hidden) from the start.
  platform::Forms::get<frmKestruneSoftwareSave>()->RTB->setSelStart(0);
  shell::fixFrame(this, shell::FrameStyle::FixedDialog);
  placeTopCentre();
  modHelp::UpdateReminder();
  cboDate->addItems(numerology::dayEntries());
  cboMonth->addItems(numerology::monthEntries());
  cboYear->addItems(numerology::yearEntries());
  // The page opens on August 6, 1979.
  cboMonth->setCurrentIndex(7);
  cboDate->setCurrentIndex(5);
  cboYear->setCurrentIndex(79);
  txtFirstName->setFocus();
}

void frmKestruneSoftwareMain::Form_Unload(bool&) { shell::mainface::setWelcomeVisibleWhilePresent(true); }

// The first incomplete field, in the page's order, gets a message and the
// focus. A name of blanks only counts as empty: it would be saved as an
// empty line that could never be opened again.
bool frmKestruneSoftwareMain::ValidateInput() {
  const auto refuse = [](const QString& message, QWidget* focus) {
    platform::MsgBox(message, platform::vbInformation);
    focus->setFocus();
    return false;
  };
  if (platform::vb::Trim(txtFirstName->text()).isEmpty())
    return refuse(QStringLiteral("Please Enter Your First Name"), txtFirstName);
  if (platform::vb::Trim(txtLastName->text()).isEmpty())
    return refuse(QStringLiteral("Please Enter Your Last Name"), txtLastName);
  if (cboDate->currentIndex() < 0)
    return refuse(QStringLiteral("Please Specify Your Birth Date"), cboDate);
  if (cboMonth->currentIndex() < 0)
    return refuse(QStringLiteral("Please Specify Your Birth Month"), cboMonth);
  if (cboYear->currentIndex() < 0)
    return refuse(QStringLiteral("Please Specify Your Birth Year"), cboYear);
  return true;
}

void frmKestruneSoftwareMain::cmdNext_Click() {
  if (!ValidateInput()) return;
  using platform::vb::Trim;
  CurrentReading r;
  r.ReadingFirstName = Trim(txtFirstName->text());
  r.ReadingMiddleName = Trim(txtMiddleName->text());
  r.ReadingLastName = Trim(txtLastName->text());
  r.ReadingBirthMonth = Trim(cboMonth->currentText());
  r.ReadingBirthDate = Trim(cboDate->currentText());
  r.ReadingBirthYear = Trim(cboYear->currentText());
  numerologyState().beginReading(r);
  Hide();
  platform::Forms::get<frmKestrune>()->Show();
  shell::mainface::setWelcomeVisible(false);
}

void frmKestruneSoftwareMain::mnuNext_Click() { cmdNext_Click(); }

// Reads a saved reading into the page and goes on as "&Next" does. The whole
// file is checked first: one that cannot be read, is too large, or whose
// date lines are not entries of the lists is refused and the page keeps what
// it shows.
void frmKestruneSoftwareMain::cmdOpen_Click() {
  const std::optional<QString> path =
      shell::chooseReadingToOpen(QStringLiteral("Kestrune (*.num)|*.num"), QStringLiteral("num"));
  if (!path) return;  // cancelled: nothing changes

  if (!path->endsWith(QLatin1String("num"))) return shell::refuseReadingFile();
  const std::optional<CurrentReading> r = NumerologyReadingFile::load(*path);
  if (!r) return shell::refuseReadingFile();

  txtFirstName->setText(r->ReadingFirstName);
  txtMiddleName->setText(r->ReadingMiddleName);
  txtLastName->setText(r->ReadingLastName);
  cboMonth->setCurrentIndex(cboMonth->findText(r->ReadingBirthMonth, Qt::MatchExactly));
  cboDate->setCurrentIndex(cboDate->findText(r->ReadingBirthDate, Qt::MatchExactly));
  cboYear->setCurrentIndex(cboYear->findText(r->ReadingBirthYear, Qt::MatchExactly));
  cmdNext_Click();
}

// Exit closes the page, as its close box does; the welcome panel comes back.
void frmKestruneSoftwareMain::cmdExit_Click() { platform::Forms::unload(this); }

void frmKestruneSoftwareMain::mnuExit_Click() { cmdExit_Click(); }

void frmKestruneSoftwareMain::txtFirstName_KeyPress(int& keyAscii) { upperCaseTyped(keyAscii); }
void frmKestruneSoftwareMain::txtMiddleName_KeyPress(int& keyAscii) { upperCaseTyped(keyAscii); }
void frmKestruneSoftwareMain::txtLastName_KeyPress(int& keyAscii) { upperCaseTyped(keyAscii); }

void frmKestruneSoftwareMain::Label61_Click() { modHelp::GoToHomePage(); }
void frmKestruneSoftwareMain::lblCobrand_Click() { modHelp::GoToCoBrandPage(); }
void frmKestruneSoftwareMain::lblFullBrand_Click() { modHelp::GoToFullyBrandedPage(); }

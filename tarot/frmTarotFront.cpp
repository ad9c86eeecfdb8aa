#include "tarot/frmTarotFront.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>

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
#include "tarot/frmTarot.h"

using platform::setTwGeometry;

namespace {

const QStringList& monthNames() {
  static const QStringList months = {
      QStringLiteral("January"), QStringLiteral("February"), QStringLiteral("March"),
      QStringLiteral("April"),   QStringLiteral("May"),      QStringLiteral("June"),
      QStringLiteral("July"),    QStringLiteral("August"),   QStringLiteral("September"),
      QStringLiteral("October"), QStringLiteral("November"), QStringLiteral("December")};
  return months;
}

// Control keys (Ctrl+A to Ctrl+Z) reach a key filter as their codes 1 to 26,
// so that a filter can refuse them (Ctrl+V is 22); Ctrl+Backspace is 127.
class ControlKeyFilter : public QObject {
 public:
  ControlKeyFilter(QObject* parent, std::function<void(int&)> handler)
      : QObject(parent), handler_(std::move(handler)) {}
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() != QEvent::KeyPress) return false;
    auto* k = static_cast<QKeyEvent*>(e);
    if (!(k->modifiers() & Qt::ControlModifier) || (k->modifiers() & Qt::AltModifier)) return false;
    int code = 0;
    if (k->key() >= Qt::Key_A && k->key() <= Qt::Key_Z) code = k->key() - Qt::Key_A + 1;
    else if (k->key() == Qt::Key_Backspace) code = 127;
    else return false;
    handler_(code);
    return code == 0;
  }

 private:
  std::function<void(int&)> handler_;
};

void filterNameKeys(QLineEdit* box, std::function<void(int&)> handler) {
  platform::onKeyPress(box, handler);
  box->installEventFilter(new ControlKeyFilter(box, handler));
}

}  // namespace

bool tarot::isNameKey(int keyAscii) {
  return (keyAscii >= 65 && keyAscii <= 90) || (keyAscii >= 97 && keyAscii <= 122) ||
         keyAscii == 32 || keyAscii == 8 || keyAscii == 127;
}

frmTarotFront::frmTarotFront() : platform::Form(this, Kind::MdiChild) {
  setObjectName(QStringLiteral("frmTarotFront"));
  setWindowTitle(QStringLiteral("Dravenna"));
  setWindowIcon(tarot::tarotIcon());
  tarot::standardColours(this);

  auto* client = new QWidget(this);
  client->setObjectName(QStringLiteral("frmTarotFront_client"));
  client->setFixedSize(platform::toPx(5925), platform::toPx(5325));
  tarot::fillColour(client, palette().color(QPalette::Base));
  setCentralWidget(client);

  Image1 = platform::named(new QLabel(client), QStringLiteral("Image1"));
  setTwGeometry(Image1, -3060, -870, 9000, 6000);
  Image1->setPixmap(tarot::pageBackground());

  Label6 = tarot::linkLabel(tarot::forumInvitation(), QStringLiteral("Label6"), 8.25, false, client);
  setTwGeometry(Label6, 52, 60, 5520, 465);
  connect(Label6, &platform::VbLabel::Click, this, &frmTarotFront::Label6_Click);

  lblName = tarot::boldLabel(QStringLiteral("Name"), QStringLiteral("lblName"), 9.75, client);
  setTwGeometry(lblName, 180, 630, 630, 240);
  txtName = platform::named(new QLineEdit(client), QStringLiteral("txtName"), QStringLiteral("Name"));
  txtName->setFont(tarot::verdana(9.75, true));
  setTwGeometry(txtName, 1620, 510, 3855, 375);
  lblName->setBuddy(txtName);
  filterNameKeys(txtName, [this](int& k) { txtName_KeyPress(k); });

  lblAge = tarot::boldLabel(QStringLiteral("Date of Birth"), QStringLiteral("lblAge"), 9.75, client);
  setTwGeometry(lblAge, 180, 1050, 1365, 240);
  cmbDate = platform::named(new QComboBox(client), QStringLiteral("cmbDate"),
                            QStringLiteral("Date of Birth: day"));
  setTwGeometry(cmbDate, 1620, 960, 975, 360);
  cmbMonth = platform::named(new QComboBox(client), QStringLiteral("cmbMonth"),
                             QStringLiteral("Date of Birth: month"));
  setTwGeometry(cmbMonth, 2700, 960, 1695, 360);
  cmbYear = platform::named(new QComboBox(client), QStringLiteral("cmbYear"),
                            QStringLiteral("Date of Birth: year"));
  setTwGeometry(cmbYear, 4500, 960, 975, 360);
  for (QComboBox* c : {cmbDate, cmbMonth, cmbYear}) {
    c->setFont(tarot::verdana(8.25));
    c->setMaxVisibleItems(12);
  }
  lblAge->setBuddy(cmbDate);

  lblCountry = tarot::boldLabel(QStringLiteral("Country"), QStringLiteral("lblCountry"), 9.75, client);
  setTwGeometry(lblCountry, 180, 1500, 870, 240);
  txtCountry = platform::named(new QLineEdit(client), QStringLiteral("txtCountry"),
                               QStringLiteral("Country"));
  txtCountry->setFont(tarot::verdana(8.25));
  setTwGeometry(txtCountry, 1620, 1410, 3855, 375);
  lblCountry->setBuddy(txtCountry);
  filterNameKeys(txtCountry, [this](int& k) { txtCountry_KeyPress(k); });

  lblQuestion = tarot::boldLabel(QStringLiteral("Question"), QStringLiteral("lblQuestion"), 9.75, client);
  setTwGeometry(lblQuestion, 120, 2437, 975, 240);
  txtQuestion = platform::named(new platform::WholeLinesBox(QString(), client), QStringLiteral("txtQuestion"),
                                QStringLiteral("Question"));
  txtQuestion->setFont(tarot::verdana(8.25));
  txtQuestion->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  txtQuestion->setTabChangesFocus(true);
  setTwGeometry(txtQuestion, 1620, 1890, 3855, 1335);
  lblQuestion->setBuddy(txtQuestion);

  cmdCancel = tarot::faceButton(QStringLiteral("&Exit"), QStringLiteral("cmdCancel"), 0xC0E0FF, client);
  setTwGeometry(cmdCancel, 1830, 3270, 1215, 375);
  cmdReset = tarot::faceButton(QStringLiteral("&Reset"), QStringLiteral("cmdReset"), 0xC0E0FF, client);
  setTwGeometry(cmdReset, 3060, 3270, 1215, 375);
  cmdNext = tarot::faceButton(QStringLiteral("&Next"), QStringLiteral("cmdNext"), 0xC0E0FF, client);
  setTwGeometry(cmdNext, 4290, 3270, 1215, 375);
  cmdOpen = platform::named(new platform::VbButton(QStringLiteral("&Open Previous Record"), client),
                            QStringLiteral("cmdOpen"));
  cmdOpen->setFont(tarot::verdana(8.25, true));
  setTwGeometry(cmdOpen, 1620, 3720, 3855, 495);
  connect(cmdCancel, &platform::VbButton::Click, this, &frmTarotFront::cmdCancel_Click);
  connect(cmdReset, &platform::VbButton::Click, this, &frmTarotFront::cmdReset_Click);
  connect(cmdNext, &platform::VbButton::Click, this, &frmTarotFront::cmdNext_Click);
  connect(cmdOpen, &platform::VbButton::Click, this, &frmTarotFront::cmdOpen_Click);

  // Promotional frame: the business offer covers the co-brand offer.
  shell::PromoFrameLayout promo;
  promo.left = 0;
  promo.top = 4320;
  promo.width = 5985;
  promo.height = 1215;
  promo.labelWidth = 5625;
  promo.labelHeight = 855;
  promo.coBrandLinked = false;
  const shell::PromoFrame frame = shell::promoFrame(client, promo);
  fraFullBrand = frame.fraFullBrand;
  lblCobrand = frame.lblCobrand;
  lblFullBrand = frame.lblFullBrand;

  // Tab order: the four fields, then Next, Reset, Exit.
  platform::tabOrder({txtName, cmbDate, cmbMonth, cmbYear, txtCountry, txtQuestion, cmdNext, cmdReset,
                      cmdCancel, cmdOpen, Label6, lblFullBrand});

  // Menus.
  QMenuBar* bar = menuBar();
  bar->setObjectName(QStringLiteral("frmTarotFront_menu"));
  shell::MenuTable menus = {
      {shell::MenuRow::Menu, QStringLiteral("File"), QStringLiteral("mnuFile")},
      {shell::MenuRow::Item, QStringLiteral("&Reset"), QStringLiteral("mnuReset"), [this] { mnuReset_Click(); }},
      {shell::MenuRow::Item, QStringLiteral("N&ext"), QStringLiteral("mnuNext"), [this] { mnuNext_Click(); }},
      {shell::MenuRow::Separator, QString(), QStringLiteral("mnuB")},
      {shell::MenuRow::Item, QStringLiteral("E&xit"), QStringLiteral("mnuExit"), [this] { mnuExit_Click(); }},
      {shell::MenuRow::EndMenu, QString(), QString()},
  };
  shell::LinkMenuNames links;
  links.help = QStringLiteral("mnuelp");
  links.helpCaption = QStringLiteral("Help");
  links.online = QStringLiteral("mnuhelp");
  links.onlineCaption = QStringLiteral("Onine &Help");
  links.visit = QStringLiteral("mnuOnline");
  links.visitCaption = QStringLiteral("Visit Us &Online");
  links.separator1 = QStringLiteral("mnuinid");
  links.update = QStringLiteral("mnuupdate");
  links.updateCaption = QStringLiteral("Check For Software Update");
  links.separator2 = QStringLiteral("mnuty");
  links.about = QStringLiteral("mnuSoftware");
  links.aboutCaption = QStringLiteral("About &Software");
  links.donate = QStringLiteral("mnuDon");
  const shell::MenuTable linkRows = shell::linkMenus(links);
  menus.insert(menus.end(), linkRows.begin(), linkRows.end());
  const shell::MenuActions actions = shell::buildMenus(bar, this, menus);
  mnuFile = actions.value(QStringLiteral("mnuFile"));
  mnuReset = actions.value(QStringLiteral("mnuReset"));
  mnuNext = actions.value(QStringLiteral("mnuNext"));
  mnuExit = actions.value(QStringLiteral("mnuExit"));
  mnuelp = actions.value(QStringLiteral("mnuelp"));
  mnuhelp = actions.value(QStringLiteral("mnuhelp"));
  mnuOnline = actions.value(QStringLiteral("mnuOnline"));
  mnuupdate = actions.value(QStringLiteral("mnuupdate"));
  mnuSoftware = actions.value(QStringLiteral("mnuSoftware"));
  mnuDon = actions.value(QStringLiteral("mnuDon"));
  mnuMakeMoney = actions.value(QStringLiteral("mnuMakeMoney"));

  tarot::fitLabels(this);
}

void frmTarotFront::Form_Load() {
  tarot::fixFrame(this, tarot::FrameStyle::FixedDialog);
  placeTopCentre();
  for (int d = 1; d <= 31; ++d) cmbDate->addItem(QString::number(d));
  cmbMonth->addItems(monthNames());
  for (int y = 1900; y <= 2050; ++y) cmbYear->addItem(QString::number(y));
  cmbDate->setCurrentIndex(0);
  cmbMonth->setCurrentIndex(0);
  cmbYear->setCurrentIndex(80);
  txtName->setFocus();
  // A reading may come from this page (Open): the board is readied meanwhile.
  tarot::prepareBoardSoon();
}

void frmTarotFront::cmdNext_Click() {
  frmTarot* page = platform::Forms::get<frmTarot>();  // loads the spread page first time
  page->txtName->setText(txtName->text());
  page->txtDOB->setText(cmbDate->currentText() + QLatin1Char(' ') + cmbMonth->currentText() +
                        QLatin1Char(' ') + cmbYear->currentText());
  page->txtCountry->setText(txtCountry->text());
  page->txtQ->setPlainText(txtQuestion->toPlainText());
  page->Show();
  Hide();
  shell::mainface::setWelcomeVisible(false);
}

void frmTarotFront::mnuNext_Click() { cmdNext_Click(); }

void frmTarotFront::cmdReset_Click() {
  txtName->clear();
  txtCountry->clear();
  txtQuestion->clear();
  cmbDate->setCurrentIndex(0);
  cmbMonth->setCurrentIndex(0);
  cmbYear->setCurrentIndex(80);
  txtName->setFocus();
}

void frmTarotFront::mnuReset_Click() {
  txtName->clear();
  txtCountry->clear();
  txtQuestion->clear();
  cmbDate->setCurrentIndex(cmbDate->findText(QStringLiteral("1")));
  cmbMonth->setCurrentIndex(cmbMonth->findText(QStringLiteral("January")));
  cmbYear->setCurrentIndex(cmbYear->findText(QStringLiteral("1980")));
  txtName->setFocus();
}

namespace {
void refuseKey(int& keyAscii, QWidget* box, const QString& message) {
  if (tarot::isNameKey(keyAscii)) return;
  keyAscii = 0;
  platform::MsgBox(message, platform::vbInformation);
  box->setFocus();
}
}  // namespace

void frmTarotFront::txtName_KeyPress(int& keyAscii) {
  refuseKey(keyAscii, txtName, QStringLiteral("Name cannot contain Numbers and Special Characters"));
}

void frmTarotFront::txtCountry_KeyPress(int& keyAscii) {
  refuseKey(keyAscii, txtCountry, QStringLiteral("Country cannot contain Numbers and Special Characters"));
}

void frmTarotFront::cmdCancel_Click() { platform::Forms::unload(this); }

void frmTarotFront::mnuExit_Click() { cmdCancel_Click(); }

void frmTarotFront::Label6_Click() { modHelp::GoToHomePage(); }

void frmTarotFront::Form_Unload(bool&) { shell::mainface::setWelcomeVisible(true); }

#include "shell/frmMDI.h"

#include <QAction>
#include <QApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QResizeEvent>
#include <QScrollBar>
#include <QStyle>
#include <QGuiApplication>
#include <QScreen>
#include <QVBoxLayout>

#include "platform/ChildMenus.h"
#include "platform/Services.h"
#include "platform/SingleInstance.h"
#include "platform/Twips.h"
#include "shell/Artwork.h"
#include "shell/Look.h"
#include "shell/Menus.h"
#include "shell/ReportWriter.h"
#include "shell/PromoFrame.h"
#include "shell/Site.h"
#include "shell/ShellWindows.h"
#include "shell/modHelp.h"

using platform::setTwGeometry;
using platform::toPx;
using platform::vbColor;
using shell::fillColour;
using shell::greyButton;
using shell::textColour;
using shell::verdana;

namespace {

QLabel* stripLabel(const QString& caption, const QString& name, QWidget* parent) {
  auto* l = platform::named(new QLabel(caption, parent), name);
  l->setFont(verdana(8.25, true));
  return l;
}

QLineEdit* stripBox(const QString& name, const QString& accessible, QWidget* parent) {
  auto* t = platform::named(new QLineEdit(QStringLiteral("aa"), parent), name, accessible);
  t->setFont(verdana(8.25));
  t->setReadOnly(true);
  return t;
}

}  // namespace

frmMDI::frmMDI() : platform::Form(this, Kind::MdiHost) {
  setObjectName(QStringLiteral("frmMDI"));
  setWindowTitle(QStringLiteral("Auravane v1.15"));
  setWindowIcon(shell::programIcon());

  auto* central = new QWidget(this);
  central->setObjectName(QStringLiteral("frmMDI_client"));
  auto* column = new QVBoxLayout(central);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  setCentralWidget(central);

  // Banner strip.
  Picture6 = platform::named(new QWidget(central), QStringLiteral("Picture6"));
  Picture6->setFixedHeight(toPx(560));
  fillColour(Picture6, vbColor(0xFFC0C0));
  Picture6->setCursor(Qt::PointingHandCursor);
  lblQuorvaleBanner = platform::named(
      new platform::VbLabel(
          shell::forumInvitation(),
          Picture6),
      QStringLiteral("lblQuorvaleBanner"));
  lblQuorvaleBanner->setFont(verdana(9.75, true, true));
  lblQuorvaleBanner->setAlignment(Qt::AlignCenter);
  lblQuorvaleBanner->setWordWrap(true);
  textColour(lblQuorvaleBanner, Qt::black);
  lblQuorvaleBanner->setLinkPointer(true);
  setTwGeometry(lblQuorvaleBanner, 960, 0, 9480, 465);
  column->addWidget(Picture6);

  // Mode strip.
  Picture1 = platform::named(new QWidget(central), QStringLiteral("Picture1"));
  Picture1->setFixedHeight(toPx(900));
  fillColour(Picture1, palette().color(QPalette::Button));
  picButtonContainer = platform::named(new QFrame(Picture1), QStringLiteral("picButtonContainer"));
  setTwGeometry(picButtonContainer, 0, 0, 10935, 800);
  const char* captions[3] = {"Kestrune Software", "Tarot Reading", "Tarot Numerology"};
  const double buttonLeft[3] = {720, 4320, 7920};
  const double iconLeft[3] = {120, 3720, 7320};
  QLabel* icons[3];
  for (int i = 0; i < 3; ++i) {
    cmdSelectOption[i] = greyButton(QString::fromLatin1(captions[i]),
                                     QStringLiteral("cmdSelectOption(%1)").arg(i), picButtonContainer);
    setTwGeometry(cmdSelectOption[i], buttonLeft[i], 188, 2850, 495);
    connect(cmdSelectOption[i], &platform::VbButton::Click, this, [this, i] { cmdSelectOption_Click(i); });
    icons[i] = platform::named(new QLabel(picButtonContainer),
                               QStringLiteral("Picture%1").arg(i + 2));
    setTwGeometry(icons[i], iconLeft[i], 180, 510, 510);
    icons[i]->setPixmap(shell::modeIcon(i, toPx(510)));
    icons[i]->setAccessibleName(QString::fromLatin1(captions[i]));
  }
  Picture2 = icons[0];
  Picture3 = icons[1];
  Picture4 = icons[2];
  column->addWidget(Picture1);

  // Querent strip: its controls are made when it is first needed (see
  // querentStrip).
  picTop = platform::named(new QWidget(central), QStringLiteral("picTop"));
  picTop->setFixedHeight(toPx(915));
  fillColour(picTop, palette().color(QPalette::Button));
  column->addWidget(picTop);

  // Welcome panel.
  picMain = platform::named(new QWidget(central), QStringLiteral("picMain"));
  picMain->setFixedHeight(toPx(8605));
  fillColour(picMain, Qt::black);
  platform::onMouseMove(picMain, [this] { picMain_MouseMove(); });
  struct CaptionDef {
    const char* text;
    quint32 colour;
    double pt;
    double top, width, height;
    double left;
  };
  const CaptionDef defs[6] = {
      {"Welcome to Auravane", 0xFFFF00, 12, 240, 4500, 270, 3255},
      {"Welcome to Auravane! Numerology & Tarot are popular tools that can help you get a better "
       "understanding about yourself. Just enter your name and date of birth to get started!",
       0x0000FF, 8.25, 840, 8055, 585, 1920},
      {"Auravane includes the following programs", 0xFFFF00, 12, 1920, 7125, 270, 2378},
      {"Kestrune Software", 0x00FFFF, 12, 2760, 3435, 270, 4223},
      {"Tarot Reading", 0xFF00FF, 12, 3525, 1890, 270, 4995},
      {"Tarot Numerology", 0x80FF80, 12, 4080, 2400, 270, 4740},
  };
  for (int i = 0; i < 6; ++i) {
    auto* l = platform::named(new platform::VbLabel(QString::fromLatin1(defs[i].text), picMain),
                              QStringLiteral("lblCaption(%1)").arg(i));
    l->setTextFormat(Qt::PlainText);
    l->setFont(verdana(defs[i].pt, true));
    textColour(l, vbColor(defs[i].colour));
    setTwGeometry(l, defs[i].left, defs[i].top, defs[i].width, defs[i].height);
    if (i == 1) {
      l->setWordWrap(true);
      l->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    }
    if (i >= 3) l->setLinkPointer(true);
    connect(l, &platform::VbLabel::Click, this, [this, i] { lblCaption_Click(i); });
    connect(l, &platform::VbLabel::MouseMove, this, [this, i] { lblCaption_MouseMove(i); });
    lblCaption[i] = l;
  }
  column->addWidget(picMain);

  // Client area with the report panel on its right.
  auto* middle = new QWidget(central);
  middle->setObjectName(QStringLiteral("frmMDI_middle"));
  auto* row = new QHBoxLayout(middle);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(0);
  mdiArea_ = new QMdiArea(middle);
  mdiArea_->setObjectName(QStringLiteral("frmMDI_clientArea"));
  mdiArea_->setBackground(QBrush(Qt::black));
  mdiArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  mdiArea_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  row->addWidget(mdiArea_, 1);
  picRight = platform::named(new QWidget(middle), QStringLiteral("picRight"));
  picRight->setFixedWidth(toPx(4250));
  fillColour(picRight, palette().color(QPalette::Button));
  RTB = platform::named(new platform::RichTextBox(picRight), QStringLiteral("RTB"),
                        QStringLiteral("Report"));
  {
    // A reading is long: its Latin text is laid out without the font's
    // optional refinements (kerning pairs), which takes half the time.
    QFont report = verdana(8.25);
    report.setStyleStrategy(QFont::PreferNoShaping);
    RTB->document()->setDefaultFont(report);
    RTB->setFont(report);
  }
  setTwGeometry(RTB, 0, 0, 4230, 9255);
  // The report is laid out at the width it has beside its scroll bar,
  // whether or not the bar is in sight: its lines break in the same places
  // when the bar comes or goes.
  RTB->setLineWrapMode(QTextEdit::FixedPixelWidth);
  RTB->setLineWrapColumnOrWidth(
      RTB->width() - 2 * RTB->frameWidth() -
      RTB->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, RTB->verticalScrollBar()));
  rtb1 = platform::named(new platform::RichTextBox(picRight), QStringLiteral("rtb1"));
  rtb1->document()->setDefaultFont(verdana(9.75));
  rtb1->setFont(verdana(9.75));
  setTwGeometry(rtb1, 360, 240, 3495, 1305);
  rtb1->hide();
  row->addWidget(picRight);
  column->addWidget(middle, 1);

  // Bottom strip.
  PicCoBrand = platform::named(new QWidget(central), QStringLiteral("PicCoBrand"));
  PicCoBrand->setFixedHeight(toPx(735));
  fillColour(PicCoBrand, vbColor(0xFFC0C0));
  Label7 = platform::named(
      new platform::VbLabel(
          shell::fullBrandInvitation(),
          PicCoBrand),
      QStringLiteral("Label7"));
  Label7->setFont(verdana(8.25, true, true));
  Label7->setWordWrap(true);
  textColour(Label7, Qt::black);
  Label7->setLinkPointer(true);
  setTwGeometry(Label7, 120, 0, 6975, 615);
  cmdMdiExit = greyButton(QStringLiteral("&Exit"), QStringLiteral("cmdMdiExit"), PicCoBrand);
  setTwGeometry(cmdMdiExit, 10440, 120, 1335, 495);
  column->addWidget(PicCoBrand);

  connect(lblQuorvaleBanner, &platform::VbLabel::Click, this, [] { modHelp::GoToHomePage(); });
  platform::onClick(Picture6, [] { modHelp::GoToHomePage(); });
  connect(Label7, &platform::VbLabel::Click, this, [] { modHelp::GoToFullyBrandedPage(); });
  connect(cmdMdiExit, &platform::VbButton::Click, this, &frmMDI::cmdMdiExit_Click);

  // Menus.
  QMenuBar* bar = menuBar();
  bar->setObjectName(QStringLiteral("frmMDI_menu"));
  // The menus keep the system's colours, not the window's black.
  QPalette menuColours = bar->palette();
  const QPalette system = QApplication::palette();
  for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
    for (auto role : {QPalette::Window, QPalette::WindowText, QPalette::Button, QPalette::ButtonText})
      menuColours.setBrush(group, role, system.brush(group, role));
  bar->setPalette(menuColours);
  bar->setAutoFillBackground(true);
  shell::LinkMenuNames links;
  links.separator1 = QStringLiteral("mnuSep1");
  links.separator2 = QStringLiteral("mnuSep2");
  links.donateCaption = QStringLiteral("&Donate");
  links.makeMoney = QStringLiteral("mkmoney");
  shell::MenuTable menus = {
      {shell::MenuRow::Menu, QStringLiteral("&File"), QStringLiteral("mnuFile")},
      {shell::MenuRow::Item, QStringLiteral("E&xit"), QStringLiteral("mnuExit"), [this] { mnuExit_Click(); }},
      {shell::MenuRow::EndMenu, QString(), QString()},
  };
  for (shell::MenuRow& row : shell::linkMenus(links)) menus.push_back(row);
  const shell::MenuActions actions = shell::buildMenus(bar, this, menus);
  mnuFile = actions.value(QStringLiteral("mnuFile"));
  mnuExit = actions.value(QStringLiteral("mnuExit"));
  mnuHelp = actions.value(QStringLiteral("mnuHelp"));
  mnuOnline = actions.value(QStringLiteral("mnuOnline"));
  mnuVisit = actions.value(QStringLiteral("mnuVisit"));
  mnuUpdate = actions.value(QStringLiteral("mnuUpdate"));
  mnuAbout = actions.value(QStringLiteral("mnuAbout"));
  mnuDonate = actions.value(QStringLiteral("mnuDonate"));
  mkmoney = actions.value(QStringLiteral("mkmoney"));  // switched off; nothing switches it on

  // Text that the stand-in fonts make too large for its box shows whole in
  // a smaller font.
  for (QLabel* l : {static_cast<QLabel*>(lblQuorvaleBanner), static_cast<QLabel*>(lblCaption[1]),
                    static_cast<QLabel*>(Label7)})
    shell::fitWrappedText(l, 7.0);
  for (int i : {0, 2, 3, 4, 5}) shell::fitTextToWidth(lblCaption[i], 7.0);

  // While a child window with menus is active, its menus stand in this bar.
  platform::ChildMenus::install(bar, mdiArea_);

  applyTabOrder();
}

// Tab order: the mode buttons, the querent strip with Save and Print, the
// welcome panel's links, the report, then the banner and the bottom strip.
// The strip's controls join once they are made.
void frmMDI::applyTabOrder() {
  QList<QWidget*> order = {cmdSelectOption[0], cmdSelectOption[1], cmdSelectOption[2]};
  if (txtName) order << txtName << txtDOB << txtCountry << txtQ << cmdSave << cmdPrint;
  order << lblCaption[3] << lblCaption[4] << lblCaption[5] << RTB << lblQuorvaleBanner << Label7
        << cmdMdiExit;
  platform::tabOrder(order);
}

// The querent strip is hidden from the start until a reading shows it;
// making its text boxes is a good part of the work of building the window,
// so they are made on the strip's first use.
QWidget* frmMDI::querentStrip() {
  if (txtName) return picTop;
  lblName = stripLabel(QStringLiteral("Name"), QStringLiteral("lblName"), picTop);
  setTwGeometry(lblName, 120, 90, 855, 255);
  txtName = stripBox(QStringLiteral("txtName"), QStringLiteral("Name"), picTop);
  setTwGeometry(txtName, 1110, 90, 2655, 285);
  lblDOB = stripLabel(QStringLiteral("Date of Birth"), QStringLiteral("lblDOB"), picTop);
  setTwGeometry(lblDOB, 3990, 60, 1455, 255);
  txtDOB = stripBox(QStringLiteral("txtDOB"), QStringLiteral("Date of Birth"), picTop);
  setTwGeometry(txtDOB, 5430, 60, 1935, 285);
  lblCountry = stripLabel(QStringLiteral("Country"), QStringLiteral("lblCountry"), picTop);
  setTwGeometry(lblCountry, 7380, 60, 855, 255);
  txtCountry = stripBox(QStringLiteral("txtCountry"), QStringLiteral("Country"), picTop);
  setTwGeometry(txtCountry, 8400, 60, 2445, 285);
  lblQ = stripLabel(QStringLiteral("Question"), QStringLiteral("lblQ"), picTop);
  setTwGeometry(lblQ, 90, 450, 855, 255);
  txtQ = platform::named(new platform::WholeLinesBox(QStringLiteral("aa"), picTop), QStringLiteral("txtQ"),
                         QStringLiteral("Question"));
  txtQ->setFont(verdana(8.25));
  txtQ->setReadOnly(true);
  txtQ->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  txtQ->setTabChangesFocus(true);
  setTwGeometry(txtQ, 1110, 420, 7485, 375);
  lblName->setBuddy(txtName);
  lblDOB->setBuddy(txtDOB);
  lblCountry->setBuddy(txtCountry);
  lblQ->setBuddy(txtQ);
  cmdSave = greyButton(QStringLiteral("&Save"), QStringLiteral("cmdSave"), picTop);
  cmdSave->setStyleSheet(QString());
  cmdSave->setFont(verdana(8.25, true));
  setTwGeometry(cmdSave, 9720, 240, 1695, 375);
  cmdPrint = greyButton(QStringLiteral("&Print"), QStringLiteral("cmdPrint"), picTop);
  cmdPrint->setStyleSheet(QString());
  cmdPrint->setFont(verdana(8.25, true));
  setTwGeometry(cmdPrint, 11520, 240, 1695, 375);
  connect(cmdSave, &platform::VbButton::Click, this, &frmMDI::cmdSave_Click);
  connect(cmdPrint, &platform::VbButton::Click, this, &frmMDI::cmdPrint_Click);
  // Made after the window was shown, they show with the strip.
  for (QWidget* w : picTop->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) w->show();
  applyTabOrder();
  MDIForm_Resize();
  return picTop;
}

void frmMDI::Form_Load() {
  using platform::screenHeightTwips;
  using platform::screenWidthTwips;
  const double sw = screenWidthTwips();
  const double sh = screenHeightTwips();
  platform::setTwLeft(lblQuorvaleBanner, (sw - platform::twWidth(lblQuorvaleBanner)) / 2);
  platform::setTwLeft(picButtonContainer, (sw - platform::twWidth(picButtonContainer)) / 2);
  for (int i = 0; i < 6; ++i)
    platform::setTwLeft(lblCaption[i], (sw - platform::twWidth(lblCaption[i])) / 2);
  platform::setTwLeft(cmdMdiExit, sw - (platform::twWidth(cmdMdiExit) + 120));
  picTop->setVisible(false);
  // The querent strip counts even though it was just hidden.
  platform::setTwHeight(RTB, sh - (platform::twHeight(picTop) + platform::twHeight(Picture1) +
                                   platform::twHeight(PicCoBrand) + 1000));
}

void frmMDI::MDIForm_Resize() {
  if (!cmdPrint) return;  // the querent strip is not made yet
  const double windowWidth = platform::toTwips(frameGeometry().width());
  platform::setTwLeft(cmdPrint, windowWidth - platform::twWidth(cmdPrint) - 300);
  platform::setTwLeft(cmdSave, platform::twLeft(cmdPrint) - platform::twWidth(cmdSave) - 100);
}

bool frmMDI::focusNextPrevChild(bool next) {
  QWidget* from = focusWidget();
  if (!from || mdiArea_->isAncestorOf(from)) return QMainWindow::focusNextPrevChild(next);
  QWidget* w = from;
  do {
    w = next ? w->nextInFocusChain() : w->previousInFocusChain();
    if (!w || w == this || w == mdiArea_ || mdiArea_->isAncestorOf(w) || !isAncestorOf(w)) continue;
    if ((w->focusPolicy() & Qt::TabFocus) && w->isEnabled() && w->isVisibleTo(this) && !w->focusProxy()) {
      w->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
      return true;
    }
  } while (w && w != from);
  return false;
}

void frmMDI::resizeEvent(QResizeEvent* e) {
  QMainWindow::resizeEvent(e);
  MDIForm_Resize();
}

void frmMDI::showEvent(QShowEvent* e) {
  QMainWindow::showEvent(e);
  MDIForm_Resize();
}

namespace {

struct Wiring {
  std::function<platform::Form*()> firstWindow[3];
  std::function<void()> save;
};
Wiring& wiring() {
  static Wiring w;
  return w;
}

}  // namespace

void shell::registerModeWindow(int mode, std::function<platform::Form*()> firstWindow) {
  if (mode >= 0 && mode < 3) wiring().firstWindow[mode] = std::move(firstWindow);
}

void shell::registerSaveReading(std::function<void()> save) { wiring().save = std::move(save); }

void shell::openModeWindow(int mode) {
  if (mode < 0 || mode >= 3 || !wiring().firstWindow[mode]) return;
  platform::Form* first = wiring().firstWindow[mode]();
  if (!first) return;
  first->Show();
  first->placeTopCentre();
}

// Save writes the reading on the board, in the way the program's wiring
// gives; without one it does nothing.
void frmMDI::cmdSave_Click() {
  if (wiring().save) wiring().save();
}

const QStringList& shell::modeSwitchUnloads() {
  static const QStringList names = {
      QStringLiteral("frmKestrune"),          QStringLiteral("frmKestruneSoftwareDisplay"),
      QStringLiteral("frmKestruneSoftwareMain"), QStringLiteral("frmKestruneSoftwareSave"),
      QStringLiteral("frmAuto"),              QStringLiteral("frmTarot"),
      QStringLiteral("frmTarotFront"),        QStringLiteral("frmTarotManual"),
      QStringLiteral("frmTarotOpen"),         QStringLiteral("frmTarotNumerologyDisplay"),
      QStringLiteral("frmTarotNumerologyMain"), QStringLiteral("frmTarotNumerologySave"),
      QStringLiteral("frmKestruneSoftwareDisplay"), QStringLiteral("frmTarotNumerologyDisplay"),
      QStringLiteral("frmAuto"),              QStringLiteral("frmKestruneSoftwareDisplay"),
      QStringLiteral("frmTarotNumerologyDisplay")};
  return names;
}

void frmMDI::chooseMode(int mode, bool fromButton, int labelIndex) {
  // Every window of the three modes goes; a refusal or failure of one does
  // not stop the others.
  for (const QString& name : shell::modeSwitchUnloads()) platform::Forms::unloadByName(name);
  if (fromButton) picMain->setVisible(false);
  picRight->setVisible(false);
  if (mode < 0) return;  // title, welcome text or heading: nothing opens
  if (!fromButton && labelIndex >= 3) picMain->setVisible(false);
  shell::openModeWindow(mode);
}

void frmMDI::cmdSelectOption_Click(int index) { chooseMode(index, true, -1); }

void frmMDI::lblCaption_Click(int index) { chooseMode(index >= 3 ? index - 3 : -1, false, index); }

void frmMDI::lblCaption_MouseMove(int index) {
  if (index < 3 || index > 5) return;
  QFont f = lblCaption[index]->font();
  f.setUnderline(true);
  lblCaption[index]->setFont(f);
}

void frmMDI::picMain_MouseMove() {
  for (auto* l : lblCaption) {
    QFont f = l->font();
    f.setUnderline(false);
    l->setFont(f);
  }
}

void frmMDI::cmdMdiExit_Click() { platform::Forms::unload(this); }
void frmMDI::mnuExit_Click() { platform::Forms::unload(this); }

void frmMDI::showReportPanel() {
  picRight->setVisible(true);
  // Summed in single precision, as the reading windows always have.
  const float strips = float(platform::twHeight(picTop)) + float(platform::twHeight(Picture1)) +
                       float(platform::twHeight(PicCoBrand)) + float(platform::twHeight(Picture6));
  platform::setTwHeight(RTB, double(float(platform::screenHeightTwips()) - (strips + 1200.0f)));
}

void frmMDI::showReportBeginning() {
  RTB->setSelStart(0);
  RTB->verticalScrollBar()->setValue(0);
  RTB->horizontalScrollBar()->setValue(0);
}

QString frmMDI::questionText() {
  querentStrip();
  return platform::plainText(txtQ);
}

void frmMDI::Form_Unload(bool&) {
  // Child windows are already unloaded; the exit screen takes over.
  shell::showExitScreen();
}

void shell::installMdiHost() {
  platform::Forms::setMdiHostProvider([] { return platform::Forms::get<frmMDI>()->mdiArea(); });
}

bool shell::startProgram() {
  if (!platform::acquireSingleInstance(platform::exeName())) {
    platform::MsgBox(QStringLiteral("Application is already running"), platform::vbInformation);
    modHelp::QuitProgram();
    return false;
  }
  modHelp::UpdateReminder();
  frmMDI* mdi = platform::Forms::get<frmMDI>();
  // Without a window manager a maximise request is not honoured: take the
  // screen's free area first.
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    mdi->setGeometry(screen->availableGeometry());
  mdi->showMaximized();
  return true;
}

// Print lays the report's plain text between a header and a footer line and
// prints it on the default printer. Each print is composed afresh.
void frmMDI::cmdPrint_Click() {
  const QString line = shell::reportGeneratedBy();
  if (!shell::printFramed(rtb1, RTB->Text(), line, line))
    platform::MsgBox(QStringLiteral("No printer is available. Nothing was printed."),
                     platform::vbInformation);
}

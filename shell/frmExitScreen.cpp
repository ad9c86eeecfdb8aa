#include "shell/frmExitScreen.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "platform/App.h"
#include "platform/Services.h"
#include "platform/RichTextBox.h"
#include "platform/Twips.h"
#include "platform/VbString.h"
#include "shell/Artwork.h"
#include "shell/Look.h"
#include "shell/Site.h"
#include "shell/modHelp.h"
#include "shell/modTellAFriend.h"

using platform::named;
using platform::setTwGeometry;
using platform::toPx;
using platform::vb::Trim;
using shell::textColour;
using shell::verdana;

namespace {

const QString kCaption = QStringLiteral("Auravane v1.15");

// A frame with a caption, navy with white text.
QGroupBox* navyFrame(const QString& caption, const QString& name, QWidget* parent) {
  auto* f = named(new QGroupBox(caption, parent), name);
  f->setFont(verdana(9.75, true));
  f->setStyleSheet(QStringLiteral(
      "QGroupBox { background-color: #000080; border: 1px solid #C0C0C0; margin: 0px; }"
      "QGroupBox::title { color: white; subcontrol-origin: border; subcontrol-position: top left;"
      " left: 6px; top: 1px; padding: 0px 2px; }"));
  return f;
}

// A box of the refer-a-friend form; it opens holding its placeholder.
QLineEdit* formBox(const QString& placeholder, const QString& name, QWidget* frame, double left,
                   double top) {
  auto* t = named(new QLineEdit(placeholder, frame), name, placeholder);
  t->setFont(verdana(8.25));
  setTwGeometry(t, left, top, 3375, 285);
  return t;
}

// A box whose placeholder goes when the box takes the focus and comes back
// when the box is left empty.
void keepPlaceholder(QWidget* box, const QString& placeholder, std::function<QString()> text,
                     std::function<void(const QString&)> setText) {
  platform::onFocus(
      box, [=] { if (Trim(text()) == placeholder) setText(QString()); },
      [=] { if (Trim(text()).isEmpty()) setText(placeholder); });
}

// An address box takes no spaces.
void refuseSpaces(QLineEdit* box) {
  platform::onKeyPress(box, [box](int& keyAscii) {
    if (keyAscii != 32) return;
    platform::MsgBox(QStringLiteral("Email Address Cannot Contain Space"), platform::vbCritical);
    keyAscii = 0;
    box->setFocus();
  });
}

}  // namespace

frmExitScreen::frmExitScreen() : platform::Form(this) {
  setObjectName(QStringLiteral("frmExitScreen"));
  // Kept above every other window; the hint is set before the first show.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint |
                 Qt::WindowStaysOnTopHint);
  shell::fillColour(this, Qt::white);
  setFixedSize(toPx(11115), toPx(4725));

  picExitScreenIcon = named(new QLabel(this), QStringLiteral("picExitScreenIcon"),
                            QStringLiteral("Auravane"));
  setTwGeometry(picExitScreenIcon, 360, 120, 540, 540);

  lblExitScreenCaption = named(new QLabel(this), QStringLiteral("lblExitScreenCaption"));
  QFont captionFont(platform::installedFamily(QStringLiteral("MS Sans Serif")));
  captionFont.setPointSizeF(18);
  lblExitScreenCaption->setFont(captionFont);
  setTwGeometry(lblExitScreenCaption, 1080, 240, 720, 435);

  Label2 = named(new QLabel(this), QStringLiteral("Label2"));
  Label2->setFont(verdana(9.75, true));
  Label2->setWordWrap(true);
  Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  setTwGeometry(Label2, 120, 840, 6975, 1095);

  const QString visit = QStringLiteral("Click Here To Visit %1 Now").arg(shell::siteHost());
  Check1 = named(new QPushButton(visit, this), QStringLiteral("Check1"), visit);
  Check1->setCheckable(true);
  Check1->setFont(verdana(14.25));
  Check1->setCursor(Qt::PointingHandCursor);
  QPalette checkPal = Check1->palette();
  checkPal.setColor(QPalette::ButtonText, platform::vbColor(0xC00000));
  Check1->setPalette(checkPal);
  setTwGeometry(Check1, 30, 2040, 7185, 555);

  cmdClose = named(new platform::VbButton(QStringLiteral("E&xit"), this), QStringLiteral("cmdClose"));
  cmdClose->setFont(verdana(8.25));
  setTwGeometry(cmdClose, 6000, 2760, 1245, 375);

  Frame2 = navyFrame(QStringLiteral("Refer A Friend"), QStringLiteral("Frame2"), this);
  setTwGeometry(Frame2, 120, 3240, 7065, 1455);
  txtName = formBox(QStringLiteral("Your Name"), QStringLiteral("txtName"), Frame2, 85, 360);
  txtEmail = formBox(QStringLiteral("Your Email Address"), QStringLiteral("txtEmail"), Frame2, 3600, 360);
  txtFriendName =
      formBox(QStringLiteral("Friend's Name"), QStringLiteral("txtFriendName"), Frame2, 85, 720);
  txtFriendEmail = formBox(QStringLiteral("Friend's Email Address"),
                           QStringLiteral("txtFriendEmail"), Frame2, 3600, 720);
  cmdSubmit = named(new platform::VbButton(QStringLiteral("Refer A Friend &Now"), Frame2),
                    QStringLiteral("cmdSubmit"));
  cmdSubmit->setFont(verdana(8.25, true));
  setTwGeometry(cmdSubmit, 1920, 1080, 3375, 285);
  // The message box lies below the frame's visible part; only Tab reaches it.
  txtMessage = named(new QPlainTextEdit(QStringLiteral("Your Message\n"), Frame2),
                     QStringLiteral("txtMessage"), QStringLiteral("Your Message"));
  txtMessage->setFont(verdana(8.25));
  txtMessage->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  txtMessage->setTabChangesFocus(true);
  setTwGeometry(txtMessage, 4800, 3600, 1815, 495);

  Frame6 = navyFrame(QStringLiteral("Download Thrennic Softwares"), QStringLiteral("Frame6"), this);
  setTwGeometry(Frame6, 7320, 120, 3735, 4575);
  Label3 = named(
      new QLabel(QStringLiteral(
                     "If you have enjoyed this software, you will surely like our other programs "
                     "too: astrology, psychic, tarot, numerology and occult software. They are "
                     "simple to use, fun and informative.\n\n"
                     "Try them out, and share the experience with your friends and family!"),
                 Frame6),
      QStringLiteral("Label3"));
  Label3->setFont(verdana(9));
  Label3->setWordWrap(true);
  Label3->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  textColour(Label3, Qt::white);
  setTwGeometry(Label3, 120, 360, 3495, 3855);
  lblGoToHome = named(new platform::VbLabel(QStringLiteral("Click Here To Visit Thrennic Softwares"),
                                            Frame6),
                      QStringLiteral("lblGoToHome"));
  lblGoToHome->setFont(verdana(9, true, true));
  textColour(lblGoToHome, platform::vbColor(0x00FFFF));
  lblGoToHome->setLinkPointer(true);
  setTwGeometry(lblGoToHome, 75, 4250, 3585, 210);
  shell::fitTextToWidth(lblGoToHome, 7);

  // Each one-line box's design text is its placeholder.
  for (QLineEdit* box : {txtName, txtEmail, txtFriendName, txtFriendEmail})
    keepPlaceholder(box, box->text(), [box] { return box->text(); },
                    [box](const QString& t) { box->setText(t); });
  keepPlaceholder(txtMessage, QStringLiteral("Your Message"),
                  [this] { return platform::plainText(txtMessage); },
                  [this](const QString& t) { txtMessage->setPlainText(t); });
  refuseSpaces(txtEmail);
  refuseSpaces(txtFriendEmail);

  connect(Check1, &QPushButton::clicked, this, &frmExitScreen::Check1_Click);
  connect(lblGoToHome, &platform::VbLabel::Click, this, &frmExitScreen::lblGoToHome_Click);
  connect(cmdClose, &platform::VbButton::Click, this, &frmExitScreen::cmdClose_Click);
  connect(cmdSubmit, &platform::VbButton::Click, this, &frmExitScreen::cmdSubmit_Click);

  platform::tabOrder({cmdClose, Check1, txtName, cmdSubmit, txtEmail, txtFriendEmail, txtFriendName,
                      txtMessage, lblGoToHome});
  for (QPushButton* b : {Check1, static_cast<QPushButton*>(cmdClose), static_cast<QPushButton*>(cmdSubmit)})
    b->setAutoDefault(true);  // Enter presses the button that has the focus
  cmdClose->setFocus();

  shell::centreOnScreen(this);
}

int frmExitScreen::supportMessageIndex(double r) {
  // The draw is taken in single precision, as the generator gives it.
  const float single = float(r);
  return int(qBound(0LL, platform::vb::Int(double(single) * 4.0), 3LL));
}

QString frmExitScreen::supportMessage(int index) {
  const QString forum = shell::siteHost();
  switch (index) {
    case 0:
      return QStringLiteral(
                 "Thrennic Softwares, such as this one, can only be made and kept up to date with "
                 "your support. The best support you can give us is to visit %1 regularly and take "
                 "part in its discussions and activities.")
          .arg(forum);
    case 1:
      return QStringLiteral(
                 "Please visit %1 regularly and take part in its discussions and activities. "
                 "Without your visits we cannot go on supporting and maintaining our software.")
          .arg(forum);
    case 2:
      return QStringLiteral(
                 "%1 is a free online discussion forum for all things mystic. To help us develop "
                 "and maintain this software, please visit %1 regularly.")
          .arg(forum);
    default:
      return QStringLiteral(
                 "%1 needs your help! Visit it regularly and join in its discussions and "
                 "activities, to help us maintain this software and develop more Thrennic "
                 "Softwares.")
          .arg(forum);
  }
}

void frmExitScreen::Form_Load() {
  setWindowTitle(kCaption);
  lblExitScreenCaption->setText(kCaption);
  lblExitScreenCaption->adjustSize();  // the title takes the room it needs
  setWindowIcon(shell::programIcon());
  picExitScreenIcon->setPixmap(shell::programIcon().pixmap(toPx(540)));
  platform::Randomize();
  Label2->setText(supportMessage(supportMessageIndex(platform::Rnd())));
}

void frmExitScreen::Form_Unload(bool&) { modHelp::QuitProgram(); }

void frmExitScreen::Check1_Click() {
  if (!Check1->isChecked()) return;
  Check1->setChecked(false);
  modHelp::GoToHomePage();
}

void frmExitScreen::lblGoToHome_Click() { modHelp::GoToSoftwaresPage(); }

void frmExitScreen::cmdClose_Click() { modHelp::QuitProgram(); }

void frmExitScreen::cmdSubmit_Click() {
  shell::TellAFriendValues& v = shell::shellState().tellAFriend;
  v.strTafName = Trim(txtName->text());
  v.strTafEmail = Trim(txtEmail->text());
  v.strTafMessage = Trim(platform::plainText(txtMessage));
  v.strTafFriendName = Trim(txtFriendName->text());
  v.strTafFriendEmail = Trim(txtFriendEmail->text());
  if (v.strTafEmail == v.strTafFriendEmail) {
    platform::MsgBox(QStringLiteral("Please Enter Distinct Email Addresses"), platform::vbCritical);
    return;
  }
  const auto proper = [](const QString& a) {
    return a.contains(QLatin1Char('@')) && a.contains(QLatin1Char('.'));
  };
  if (!proper(v.strTafEmail) || !proper(v.strTafFriendEmail)) {
    platform::MsgBox(QStringLiteral("Please Enter Proper Email Address"), platform::vbCritical);
    return;
  }
  modTellAFriend::SubmitTellAFriend();
}

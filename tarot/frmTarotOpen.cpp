#include "tarot/frmTarotOpen.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QTimer>

#include "platform/Services.h"
#include "platform/Twips.h"
#include "shell/MainFace.h"
#include "shell/modHelp.h"
#include "tarot/TarotArtwork.h"
#include "tarot/TarotLook.h"
#include "tarot/frmTarotFront.h"
#include "tarot/modInfo.h"

using platform::setTwGeometry;

bool tarot::pictureFoldersPresent(const QString& programFolder) {
  const QDir dir(programFolder);
  return QFileInfo(dir.filePath(QStringLiteral("cards"))).isDir() &&
         QFileInfo(dir.filePath(QStringLiteral("pic"))).isDir();
}

frmTarotOpen::frmTarotOpen() : platform::Form(this, Kind::MdiChild) {
  setObjectName(QStringLiteral("frmTarotOpen"));
  setWindowTitle(QStringLiteral("Dravenna"));
  tarot::standardColours(this);
  tarot::fillColour(this, palette().color(QPalette::Base));
  setFixedSize(platform::toPx(7485), platform::toPx(5010));

  Image1 = platform::named(new QLabel(this), QStringLiteral("Image1"),
                           QStringLiteral("Dravenna tarot reading"));
  setTwGeometry(Image1, 0, 0, 7500, 5010);
  Image1->setPixmap(tarot::splashPicture());
  Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  Image1->setToolTip(QStringLiteral("Please Wait Dravenna is loading..."));

  cmdContd = tarot::faceButton(QStringLiteral("Continue...."), QStringLiteral("cmdContd"), 0x80C0FF,
                               this);
  cmdContd->setFont(tarot::verdana(9.75, true));
  setTwGeometry(cmdContd, 5880, 4560, 1455, 375);
  cmdContd->setDefault(true);
  connect(cmdContd, &platform::VbButton::Click, this, &frmTarotOpen::cmdContd_Click);

  Timer1 = new QTimer(this);
  Timer1->setObjectName(QStringLiteral("Timer1"));
  Timer1->setInterval(3000);
  connect(Timer1, &QTimer::timeout, this, &frmTarotOpen::Timer1_Timer);
}

void frmTarotOpen::Form_Load() {
  // The timer runs from the moment the window loads and is never stopped.
  Timer1->start();
  tarot::fixFrame(this, tarot::FrameStyle::None);
  placeTopCentre();
  modHelp::UpdateReminder();
  cmdContd->setVisible(false);
  cmdContd->setEnabled(false);
  if (!tarot::pictureFoldersPresent(platform::programFolder())) {
    platform::MsgBox(QStringLiteral("Cards or Spread Pictures are missing.\rPlease Reinstall Software."),
                     platform::vbInformation);
    modInfo::UnloadAllForms();
    return;
  }
}

void frmTarotOpen::Timer1_Timer() {
  const bool appears = cmdContd->isHidden();
  cmdContd->setEnabled(true);
  cmdContd->setVisible(true);
  // Continue is the splash's one control: it takes the focus when it
  // appears, so Enter or Space goes on.
  if (appears && FormVisible()) cmdContd->setFocus(Qt::OtherFocusReason);
}

void frmTarotOpen::cmdContd_Click() {
  platform::Forms::get<frmTarotFront>()->Show();
  Hide();
  shell::mainface::setWelcomeVisible(false);
}

void frmTarotOpen::Form_Unload(bool&) { shell::mainface::setWelcomeVisible(true); }

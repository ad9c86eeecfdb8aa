#include "numerology/KestruneReportWindow.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>

#include "numerology/KestruneLook.h"
#include "numerology/NumerologyReadingFile.h"
#include "numerology/NumerologyState.h"
#include "numerology/frmKestrune.h"
#include "platform/Controls.h"
#include "platform/Services.h"
#include "platform/Twips.h"
#include "shell/Look.h"
#include "shell/Site.h"
#include "shell/modRTBAutoUrlDetect.h"
#include "shell/ReadingDialogs.h"

using platform::named;
using platform::setTwGeometry;

namespace {

// Reports the box's mouse events (they arrive at its viewport).
class MouseWatch : public QObject {
 public:
  explicit MouseWatch(KestruneReportWindow* w, QObject* parent) : QObject(parent), w_(w) {}
  bool eventFilter(QObject*, QEvent* e) override {
    switch (e->type()) {
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonDblClick:
        w_->RTB_MouseDown();
        break;
      case QEvent::MouseMove:
        w_->RTB_MouseMove();
        break;
      case QEvent::MouseButtonRelease:
        w_->RTB_MouseUp();
        if (static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton) w_->RTB_Click();
        break;
      default:
        break;
    }
    return false;
  }

 private:
  KestruneReportWindow* w_;
};

}  // namespace

KestruneReportWindow::KestruneReportWindow(const QString& name, const Layout& l)
    : platform::Form(this) {
  setObjectName(name);
  setWindowTitle(QStringLiteral("Kestrune Software"));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
  setFont(shell::verdana(8.25));
  setFixedSize(platform::toPx(l.width), platform::toPx(l.height));

  // The forum line: it looks like a link but takes no click here.
  Label61 = named(new platform::VbLabel(numerology::forumLine(), this), QStringLiteral("Label61"));
  Label61->setTextFormat(Qt::PlainText);
  Label61->setWordWrap(true);
  Label61->setFont(shell::verdana(8.25, false, true));
  shell::textColour(Label61, platform::vbColor(0xFF0000));
  setTwGeometry(Label61, l.rtbLeft, 60, l.rtbWidth, l.rtbTop - 90);

  RTB = named(new numerology::ReportBox(this), QStringLiteral("RTB"), QStringLiteral("Report"));
  if (l.rtbFontPt > 0) RTB->document()->setDefaultFont(shell::verdana(l.rtbFontPt));
  else RTB->document()->setDefaultFont(shell::verdana(8.25));
  RTB->setReadOnly(false);
  setTwGeometry(RTB, l.rtbLeft, l.rtbTop, l.rtbWidth, l.rtbHeight);
  RTB->setTabChangesFocus(true);

  const double bottom = l.rtbTop + l.rtbHeight + 60;
  const double rowHeight = l.height - bottom - 60;
  Label1 = named(new QLabel(QStringLiteral("Advertise here."), this),
                 QStringLiteral("Label1"));
  Label3 = named(new QLabel(QStringLiteral("ads@") + numerology::siteName(), this),
                 QStringLiteral("Label3"));
  for (QLabel* ad : {Label1, Label3}) {
    ad->setTextFormat(Qt::PlainText);
    ad->setFont(shell::verdana(7));
  }
  const double buttonsWidth = 3 * 1095 + 2 * 60;
  const double adWidth = l.width - l.rtbLeft - buttonsWidth - 180;
  setTwGeometry(Label1, l.rtbLeft, bottom, adWidth, rowHeight / 2);
  setTwGeometry(Label3, l.rtbLeft, bottom + rowHeight / 2, adWidth, rowHeight / 2);

  cmdBack = shell::greyButton(QStringLiteral("&Back"), QStringLiteral("cmdBack"), this);
  cmdPrint = shell::greyButton(QStringLiteral("&Print"), QStringLiteral("cmdPrint"), this);
  cmdSave = shell::greyButton(QStringLiteral("&Save"), QStringLiteral("cmdSave"), this);
  double x = l.width - 120 - buttonsWidth;
  for (platform::VbButton* b : {cmdBack, cmdPrint, cmdSave}) {
    setTwGeometry(b, x, bottom, 1095, qMin(375.0, rowHeight));
    x += 1095 + 60;
  }
  connect(cmdBack, &platform::VbButton::Click, this, &KestruneReportWindow::cmdBack_Click);
  connect(cmdPrint, &platform::VbButton::Click, this, &KestruneReportWindow::cmdPrint_Click);
  connect(cmdSave, &platform::VbButton::Click, this, &KestruneReportWindow::cmdSave_Click);

  connect(RTB, &QTextEdit::textChanged, this, &KestruneReportWindow::RTB_Change);
  RTB->viewport()->setMouseTracking(true);
  RTB->viewport()->installEventFilter(new MouseWatch(this, RTB));

  platform::tabOrder({RTB, cmdBack, cmdPrint, cmdSave});
}

void KestruneReportWindow::Form_Load() {
  // Each report window keeps clickable addresses of its own while it is
  // open; only http, https and www addresses open.
  RTB->setUrlDetect(true);
  connect(RTB, &platform::RichTextBox::urlClicked, this, &modRTBAutoUrlDetect::OpenClickedAddress);
}

void KestruneReportWindow::Form_Unload(bool&) { RTB->setUrlDetect(false); }

void KestruneReportWindow::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  shell::centreOnScreen(this);
}

void KestruneReportWindow::reject() { cmdBack->click(); }

// Save writes the current reading (names and birth date, not the report).
// Characters the file cannot keep are named first, and the user decides
// whether to save without them; the name always ends in ".num", so that the
// file opens again; a failed write says so and leaves an earlier file whole.
void KestruneReportWindow::cmdSave_Click() {
  const CurrentReading reading = numerologyState().reading();
  if (!shell::confirmUnkeptCharacters(NumerologyReadingFile::unkeptCharacters(reading))) return;

  const std::optional<QString> path =
      shell::chooseReadingToSave(QStringLiteral("Rich Text Format | *.num"), QStringLiteral("num"),
                                 QStringLiteral("Save Your Kestrune Result ...."), true);
  if (!path) return;  // cancelled: nothing happens
  if (!NumerologyReadingFile::save(*path, reading)) shell::reportSaveFailure(*path);
}

// Print sends the whole report, with its bold and colours, to the default
// printer, whatever is selected; the caret stays where it was.
void KestruneReportWindow::cmdPrint_Click() {
  const int caret = RTB->SelStart();
  RTB->setSelLength(0);
  const bool printed = RTB->printSelection();
  RTB->setSelStart(caret);
  if (!printed)
    platform::MsgBox(QStringLiteral("The report could not be printed. Please check that a printer "
                                    "is installed and ready."),
                     platform::vbCritical);
}

void KestruneReportWindow::cmdBack_Click() {
  platform::Forms::unload(this);
  if (frmKestrune* chooser = platform::Forms::find<frmKestrune>()) chooser->Show();
}

void KestruneReportWindow::RTB_Change() { numerology::clearOwnClipboard(); }
void KestruneReportWindow::RTB_Click() { numerology::clearOwnClipboard(); }
void KestruneReportWindow::RTB_MouseDown() { numerology::clearOwnClipboard(); }
void KestruneReportWindow::RTB_MouseMove() { numerology::clearOwnClipboard(); }
void KestruneReportWindow::RTB_MouseUp() { numerology::clearOwnClipboard(); }

frmKestruneSoftwareDisplay::frmKestruneSoftwareDisplay()
    : KestruneReportWindow(QStringLiteral("frmKestruneSoftwareDisplay"),
                           Layout{5625, 3690, 30, 450, 5565, 2775, 0}) {
  shell::fillColour(this, palette().color(QPalette::Base));
}

frmKestruneSoftwareSave::frmKestruneSoftwareSave()
    : KestruneReportWindow(QStringLiteral("frmKestruneSoftwareSave"),
                           Layout{8385, 7905, 60, 570, 8265, 6915, 9}) {}

void frmKestruneSoftwareSave::Form_Load() {
  KestruneReportWindow::Form_Load();
  RTB->setSelStart(0);
}

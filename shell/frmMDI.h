#pragma once
#include <QMainWindow>
#include <array>
#include <functional>

#include "platform/Controls.h"
#include "platform/Forms.h"
#include "platform/RichTextBox.h"

class QAction;
class QFrame;
class QLineEdit;
class QMdiArea;
class QPlainTextEdit;

// The main window: a frame whose docked strips every mode shares (banner,
// mode buttons, querent strip, welcome panel, report panel, bottom strip)
// and whose client area holds the modes' child windows.
class frmMDI : public QMainWindow, public platform::Form {
  Q_OBJECT
 public:
  frmMDI();

  QMdiArea* mdiArea() const { return mdiArea_; }

  // The querent strip (picTop), its controls made on the first call.
  QWidget* querentStrip();

  // Strips and panels.
  QWidget* Picture6;            // banner strip
  platform::VbLabel* lblQuorvaleBanner;
  QWidget* Picture1;            // mode strip
  QFrame* picButtonContainer;
  std::array<platform::VbButton*, 3> cmdSelectOption;
  QLabel* Picture2;
  QLabel* Picture3;
  QLabel* Picture4;
  QWidget* picTop;              // querent strip
  // The strip's controls: none until querentStrip() makes them.
  QLabel* lblName = nullptr;
  QLineEdit* txtName = nullptr;
  QLabel* lblDOB = nullptr;
  QLineEdit* txtDOB = nullptr;
  QLabel* lblCountry = nullptr;
  QLineEdit* txtCountry = nullptr;
  QLabel* lblQ = nullptr;
  QPlainTextEdit* txtQ = nullptr;
  platform::VbButton* cmdSave = nullptr;
  platform::VbButton* cmdPrint = nullptr;
  QWidget* picMain;             // welcome panel
  std::array<platform::VbLabel*, 6> lblCaption;
  QWidget* PicCoBrand;          // bottom strip
  platform::VbButton* cmdMdiExit;
  platform::VbLabel* Label7;
  QWidget* picRight;            // report panel
  platform::RichTextBox* RTB;
  platform::RichTextBox* rtb1;  // hidden print composition box

  // Menus.
  QAction* mnuFile;
  QAction* mnuExit;
  QAction* mnuHelp;
  QAction* mnuOnline;
  QAction* mnuVisit;
  QAction* mnuUpdate;
  QAction* mnuAbout;
  QAction* mnuDonate;
  QAction* mkmoney;

  // Handlers.
  void cmdSelectOption_Click(int index);
  void lblCaption_Click(int index);
  void lblCaption_MouseMove(int index);
  void picMain_MouseMove();
  void cmdMdiExit_Click();
  void mnuExit_Click();
  void cmdSave_Click();
  void cmdPrint_Click();
  void MDIForm_Resize();

  // Shows the report panel with the report box fitted between the strips
  // (the banner, mode and querent strips above, the bottom strip below).
  void showReportPanel();

  // Shows the report from its beginning: the insertion point at the start
  // and the box scrolled to its top.
  void showReportBeginning();

  // The querent strip's multi-line question, with CR LF breaks.
  QString questionText();

 protected:
  void Form_Load() override;
  void Form_Unload(bool& cancel) override;
  void resizeEvent(QResizeEvent* e) override;
  void showEvent(QShowEvent* e) override;
  // Tab and Shift+Tab among the main window's own controls go round among
  // them; the child windows in the client area keep their own tab order.
  bool focusNextPrevChild(bool next) override;

 private:
  void chooseMode(int mode, bool fromButton, int labelIndex);
  void applyTabOrder();
  QMdiArea* mdiArea_;
};

namespace shell {
// Child windows go into the main window's client area (loading it first).
void installMdiHost();
// The program's start: refuses a second instance, runs the update reminder
// and shows the main window. False when the program is to end at once.
bool startProgram();
// The shell knows no mode: the program's wiring registers, for each mode
// (0 numerology, 1 tarot, 2 tarot numerology), how its first window is
// reached, and what the main window's Save does with the reading on the
// board.
void registerModeWindow(int mode, std::function<platform::Form*()> firstWindow);
void registerSaveReading(std::function<void()> save);
// The first window of a mode, shown and placed top-centre; nothing when the
// mode has no window registered.
void openModeWindow(int mode);
// The windows the mode switch unloads, in order (17 requests).
const QStringList& modeSwitchUnloads();
}  // namespace shell

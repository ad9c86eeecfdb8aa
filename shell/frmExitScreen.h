#pragma once
#include <QWidget>

#include "platform/Controls.h"
#include "platform/Forms.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// The last window of the program, shown when the main window closes: a
// support message, links to the maker's sites and the refer-a-friend form.
// It stays above all other windows; its Exit button, or closing it, ends the
// program.
class frmExitScreen : public QWidget, public platform::Form {
  Q_OBJECT
 public:
  frmExitScreen();

  QLabel* picExitScreenIcon;
  QLabel* lblExitScreenCaption;
  QLabel* Label2;
  QPushButton* Check1;
  platform::VbButton* cmdClose;
  QGroupBox* Frame2;
  QLineEdit* txtName;
  QLineEdit* txtEmail;
  QLineEdit* txtFriendName;
  QLineEdit* txtFriendEmail;
  platform::VbButton* cmdSubmit;
  QPlainTextEdit* txtMessage;
  QGroupBox* Frame6;
  QLabel* Label3;
  platform::VbLabel* lblGoToHome;

  void Check1_Click();
  void lblGoToHome_Click();
  void cmdClose_Click();
  void cmdSubmit_Click();

  // The support message shown for a draw r in [0, 1): one of four.
  static int supportMessageIndex(double r);
  static QString supportMessage(int index);

 protected:
  void Form_Load() override;
  void Form_Unload(bool& cancel) override;
};

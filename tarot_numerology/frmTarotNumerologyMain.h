#pragma once
#include <QMainWindow>
#include <array>

#include "platform/Controls.h"
#include "platform/Forms.h"

class QAction;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QRadioButton;

// The input form of the tarot-numerology mode: a name and a birth date, or a
// saved reading, lead to the result window with the Life Path and Destiny
// numbers.
class frmTarotNumerologyMain : public QMainWindow, public platform::Form {
  Q_OBJECT
 public:
  frmTarotNumerologyMain();

  platform::VbLabel* Label14;
  platform::VbLabel* Label3;
  QLabel* Label6;
  std::array<QLabel*, 1> Label4;
  QGroupBox* fraDetails;
  QLabel* Label1;
  QLineEdit* txtName;
  QLabel* Label2;
  QComboBox* cboDate;
  QComboBox* cboMonth;
  QComboBox* cboYear;
  QLabel* Label5;
  std::array<QRadioButton*, 2> optSex;
  platform::VbButton* cmdProceed;
  platform::VbButton* cmdOpen;
  QGroupBox* fraFullBrand;
  platform::VbLabel* lblFullBrand;
  platform::VbLabel* lblCobrand;

  QAction* mnuFile;
  QAction* mnuCalculate;
  QAction* mnuSep1;
  QAction* mnuExit;
  QAction* mnuHelp;
  QAction* mnuOnline;
  QAction* mnuVisit;
  QAction* mnuSep2;
  QAction* mnuUpdate;
  QAction* mnuSep3;
  QAction* mnuAbout;
  QAction* mnuDonate;
  QAction* mnuMakeMoney;

  // Checks the name box; shows the reason and puts the focus there when it
  // refuses.
  bool ValidateInput();
  void cmdProceed_Click();
  void mnuCalculate_Click();
  void cmdOpen_Click();
  void mnuExit_Click();

 protected:
  void Form_Load() override;
  void Form_QueryUnload(bool& cancel) override;
  void Form_Unload(bool& cancel) override;
};

#pragma once
#include <QMainWindow>

#include "platform/Controls.h"
#include "platform/Forms.h"

class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;

// The numerology mode's input page: first, middle and last name and the
// birth date. "&Next" checks them, keeps them as the current reading and
// opens the number chooser; "&Open Previously Saved Reading" reads a saved
// reading and goes on as "&Next" does. The page stays loaded while the
// chooser is open: the number buttons read its boxes and lists.
class frmKestruneSoftwareMain : public QMainWindow, public platform::Form {
  Q_OBJECT
 public:
  frmKestruneSoftwareMain();

  platform::VbLabel* Label61;
  QGroupBox* fraNote;
  QLabel* Label2;
  platform::VbButton* cmdOpen;
  QGroupBox* fraName;
  QLabel* lblFirstName;
  QLabel* lblMiddleName;
  QLabel* lblLastName;
  QLineEdit* txtFirstName;
  QLineEdit* txtMiddleName;
  QLineEdit* txtLastName;
  QGroupBox* fraBirthDay;
  QLabel* lblMonth;
  QLabel* lblDate;
  QLabel* lblYear;
  QComboBox* cboMonth;
  QComboBox* cboDate;
  QComboBox* cboYear;
  platform::VbButton* cmdExit;
  platform::VbButton* cmdNext;
  QGroupBox* fraFullBrand;
  platform::VbLabel* lblFullBrand;
  platform::VbLabel* lblCobrand;

  QAction* nuFile;
  QAction* mnuNext;
  QAction* mnuExit;
  QAction* mnuHelp;
  QAction* mnuOnline;
  QAction* mnuVisit;
  QAction* mnuFileSep1;
  QAction* mnuUpdate;
  QAction* mnuFileSep2;
  QAction* mnuAbout;
  QAction* mnuDonate;
  QAction* mnuMakeMoney;

  void cmdNext_Click();
  void mnuNext_Click();
  void cmdOpen_Click();
  void cmdExit_Click();
  void mnuExit_Click();
  // Typed lower-case letters a to z become capitals.
  void txtFirstName_KeyPress(int& keyAscii);
  void txtMiddleName_KeyPress(int& keyAscii);
  void txtLastName_KeyPress(int& keyAscii);
  void Label61_Click();
  void lblCobrand_Click();
  void lblFullBrand_Click();

 protected:
  void Form_Load() override;
  void Form_Unload(bool& cancel) override;

 private:
  bool ValidateInput();
};

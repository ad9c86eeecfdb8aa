#pragma once
#include <QMainWindow>

#include "platform/Controls.h"
#include "platform/Forms.h"

class QAction;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPlainTextEdit;

// The front page of the tarot mode: the querent's name, date of birth,
// country and question, handed on to the spread page by "&Next".
class frmTarotFront : public QMainWindow, public platform::Form {
  Q_OBJECT
 public:
  frmTarotFront();

  QLabel* Image1;
  platform::VbLabel* Label6;
  QLabel* lblName;
  QLineEdit* txtName;
  QLabel* lblAge;
  QComboBox* cmbDate;
  QComboBox* cmbMonth;
  QComboBox* cmbYear;
  QLabel* lblCountry;
  QLineEdit* txtCountry;
  QLabel* lblQuestion;
  QPlainTextEdit* txtQuestion;
  platform::VbButton* cmdCancel;
  platform::VbButton* cmdReset;
  platform::VbButton* cmdNext;
  platform::VbButton* cmdOpen;
  QGroupBox* fraFullBrand;
  platform::VbLabel* lblFullBrand;
  platform::VbLabel* lblCobrand;

  QAction* mnuFile;
  QAction* mnuReset;
  QAction* mnuNext;
  QAction* mnuExit;
  QAction* mnuelp;
  QAction* mnuhelp;
  QAction* mnuOnline;
  QAction* mnuupdate;
  QAction* mnuSoftware;
  QAction* mnuDon;
  QAction* mnuMakeMoney;

  void cmdNext_Click();
  void mnuNext_Click();
  void cmdReset_Click();
  void mnuReset_Click();
  void txtName_KeyPress(int& keyAscii);
  void txtCountry_KeyPress(int& keyAscii);
  // Reads a saved reading back and lays it out (built with the saved-reading
  // file support, in frmTarotFront_open.cpp).
  void cmdOpen_Click();
  void cmdCancel_Click();
  void mnuExit_Click();
  void Label6_Click();

 protected:
  void Form_Load() override;
  void Form_Unload(bool& cancel) override;
};

namespace tarot {
// The name and country boxes take letters, space, backspace (8) and
// Ctrl+Backspace (127) only.
bool isNameKey(int keyAscii);
}  // namespace tarot

#pragma once
#include <QDialog>

#include "platform/Controls.h"
#include "platform/Forms.h"

class QFrame;
class QLabel;

// The About box: the program's title and version, a few words about it, two
// links to the maker's site and OK. Shown modally by every About menu item;
// Enter and Esc press OK.
class frmAbout : public QDialog, public platform::Form {
  Q_OBJECT
 public:
  frmAbout();

  QLabel* Picture1;
  QLabel* Label2;
  QLabel* Label1;
  platform::VbLabel* lblHomePage;
  QLabel* Label3;
  platform::VbLabel* lblCobrand;
  QFrame* Line1;
  platform::VbButton* cmdOK;

  void cmdOK_Click();
  void lblHomePage_Click();
  void lblCobrand_Click();

 public slots:
  // Esc presses OK.
  void reject() override;
};

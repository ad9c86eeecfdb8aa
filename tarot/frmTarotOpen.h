#pragma once
#include <QWidget>

#include "platform/Controls.h"
#include "platform/Forms.h"

class QLabel;
class QTimer;

// The tarot splash: the first window of the tarot mode. It runs the update
// reminder, makes sure the card and spread pictures are installed, and after
// three seconds offers "Continue...." to the front page.
class frmTarotOpen : public QWidget, public platform::Form {
  Q_OBJECT
 public:
  frmTarotOpen();

  QLabel* Image1;
  platform::VbButton* cmdContd;
  QTimer* Timer1;

  void Timer1_Timer();
  void cmdContd_Click();

 protected:
  void Form_Load() override;
  void Form_Unload(bool& cancel) override;
};

namespace tarot {
// True when both picture folders, "cards" and "pic", lie in the given folder.
bool pictureFoldersPresent(const QString& programFolder);
}  // namespace tarot

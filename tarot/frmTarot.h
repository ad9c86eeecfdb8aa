#pragma once
#include <QMainWindow>

#include "platform/Controls.h"
#include "platform/Forms.h"

class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;

// The spread page: the querent's details as the front page handed them on,
// the choice of spread, deck, part of the deck and reversed cards, and the
// hand-over to an automatic (AutoCast) or a manual reading.
class frmTarot : public QMainWindow, public platform::Form {
  Q_OBJECT
 public:
  frmTarot();

  QLabel* background;  // the page's picture, under every control
  platform::VbLabel* Label6;
  QLabel* lblName;
  QLineEdit* txtName;
  QLabel* lblDOB;
  QLineEdit* txtDOB;
  QLabel* lblCountry;
  QLineEdit* txtCountry;
  QLabel* lblQ;
  QPlainTextEdit* txtQ;
  QLabel* Label4[2];
  QComboBox* cboCards;
  QListWidget* lstOption;
  QGroupBox* frmArcane;
  QCheckBox* chkHA;
  QCheckBox* chkLA;
  QCheckBox* chkRev;
  QLabel* Label3;
  QPlainTextEdit* txtDisp;
  QLabel* pctCard;
  platform::VbButton* cmdManual;
  platform::VbButton* cmdAuto;
  platform::VbButton* cmdBack;
  platform::VbButton* cmdCancel;
  QWidget* picMessage;
  QLabel* Label1;
  QLabel* Label2;
  QGroupBox* fraFullBrand;
  platform::VbLabel* lblCobrand;
  platform::VbLabel* lblFullBrand;

  QAction* mnuFile;
  QAction* mnuSpread;
  QAction* mnuSpreadItem[13];  // mnuCeltic ... mnuNumerology
  QAction* mnuManual;
  QAction* mnuCast;
  QAction* mnuBack;
  QAction* mnuExit;
  QAction* mnuHelp;
  QAction* mnuOnline;
  QAction* mnuVisit;
  QAction* mnuUpdate;
  QAction* mnuSoftware;
  QAction* mnuDonate;
  QAction* mnuMakeMoney;

  // Public variables the hand-over and the manual pick window read.
  int i = 0;             // index of the selected spread entry
  bool lboo = false;     // "Minor Arcana" ticked at the hand-over
  bool hboo = false;     // "Major Arcana" ticked at the hand-over
  bool rboo = false;     // "Allow Reverse Cards" ticked at the hand-over
  int no = 0;            // number of positions of the selected spread
  QString card;          // list text of the selected spread at the hand-over
  int MaxCardInSet = 0;  // spread index of the selected spread

  void cboCards_Click();
  void lstOption_Click();
  void chkHA_Click();
  void chkLA_Click();
  void chkRev_Click();
  void cmdAuto_Click();
  void cmdManual_Click();
  void cmdBack_Click();
  void cmdCancel_Click();
  void Label6_Click();
  void mnuCast_Click();
  void mnuExit_Click();
  // A spread item of the File menu: selects the list entry whose text
  // matches, without regard to case.
  void mnuSpread_Click(int index);

  // The question with CR LF line breaks.
  QString questionText() const;

 private:
  void SetSpreadInfo(int index);
  void showSpreadPicture(int index);
  // What AutoCast and Manual both do first: take the page's choices and
  // start the new reading from a clean state.
  void beginHandOver();
  // Writes the reading record for an automatic or a manual reading.
  void startReading(bool manual);

 protected:
  void Form_Load() override;
  void Form_Unload(bool& cancel) override;
};

namespace tarot {
// The two decks, in list order, and their picture letters.
QString deckName(int index);
QString deckLetter(int index);
// Pause for ms milliseconds. Repaints and timers run meanwhile; user input
// waits until the pause is over.
void pauseKeepingPaint(int ms);
}  // namespace tarot

#pragma once
#include <QMainWindow>
#include <QPointer>
#include <array>
#include <optional>

#include "platform/Controls.h"
#include "platform/Forms.h"
#include "tarot/TarotReadingState.h"

class QAbstractButton;
class QAction;
class QFrame;
class QLabel;
class QPlainTextEdit;
class frmAuto;

// The manual tarot reading: the querent picks one face-down card per
// position of the spread while the window names the position the next pick
// fills. The picks only pace the reading: after the last one the cards are
// drawn at random from the chosen part of the deck, laid on the spread
// board and written into the main window's report.
class frmTarotManual : public QMainWindow, public platform::Form {
  Q_OBJECT
 public:
  static constexpr int kDeckSize = 78;

  frmTarotManual();

  platform::VbLabel* Label6;   // forum invitation, opens the home page
  QLabel* picManual;           // the spread's layout picture
  QFrame* fraPictures;         // holds the face-down deck
  std::array<QAbstractButton*, kDeckSize> p{};  // the face-down cards
  QWidget* picMessage;         // the please-wait panel
  QLabel* Label1;
  QLabel* Label2;
  QLabel* Label3;
  QPlainTextEdit* txtDisp;     // the position the next pick fills
  platform::VbButton* cmdCancel;
  platform::VbButton* cmdBack;

  QAction* mnuFile;
  QAction* mnuStart;
  QAction* mnuExit;
  QAction* mnuHelp;
  QAction* mnuOnline;
  QAction* mnuVisit;
  QAction* mnuUpdate;
  QAction* mnuAbout;
  QAction* mnuDona;
  QAction* mnuMakeMoney;

  // The window's variables.
  int intSpreadNo = 0;      // spread index, from the spread page
  QString strSpread;        // the spread's list text
  bool blnRev = false;      // reversed cards allowed
  bool blnMinor = false;    // Minor Arcana only
  bool blnMajor = false;    // Major Arcana only
  int intPicked = 0;        // picks counted so far
  CardList lngPicked;       // one element per position of the spread
  int intSlot = 0;          // the slot being filled while the cards are laid
  int lngCard = 0;          // the card last drawn
  int intCardTotal = 0;     // the spread's number of positions, from the spread page

  // A face-down card picked: it leaves the table; the last pick lays the
  // reading out.
  void p_Click(int index);
  void cmdBack_Click();
  void cmdCancel_Click();
  void Label6_Click();
  void mnuStart_Click();
  void mnuExit_Click();
  void mnuOnline_Click();
  void mnuVisit_Click();
  void mnuUpdate_Click();
  void mnuAbout_Click();
  void mnuDona_Click();
  void mnuMakeMoney_Click();

  // Place the card just laid into board slot k for each spread (by index):
  // the slot goes to its spread position and shows with its number, and
  // txtDisp gets the slot's text where it has one. SetPicPlacement0 lays
  // the Celtic Cross crossing card a quarter turn across the first.
  void SetPicPlacement0(int k);
  void SetPicPlacement1(int k);
  void SetPicPlacement2(int k);
  void SetPicPlacement3(int k);
  void SetPicPlacement4(int k);
  void SetPicPlacement5(int k);
  void SetPicPlacement6(int k);
  void SetPicPlacement7(int k);
  void SetPicPlacement8(int k);
  void SetPicPlacement11(int k);
  void SetPicPlacement9(int k);
  void SetPicPlacement10(int k);
  void SetPicPlacement12(int k);
  // Shows the title and meaning of position i ("0", "1", ...) of strSpread;
  // an unknown spread or position leaves the box as it is.
  void ShowCardInfo(const QString& i);

  // True from the last pick until the reading is laid out.
  bool isCompleting() const { return completing_; }

 protected:
  void Form_Load() override;
  void Form_Unload(bool& cancel) override;

 private:
  void completeReading();
  // Draws the card of slot k, records it (and its reversal), lays its
  // picture into the board's slot and places it. False when the reading
  // cannot go on.
  bool DrawAndPlaceCard(int k);
  void placeCard(int spreadIndex, int k);
  // Drops a reading that could not be laid out to the end.
  void abandonReading();
  // The window and the board it lays the cards on are still there.
  bool canGoOn() const;
  // The face-down deck as one tab stop: a card still on the table, the card
  // that takes the focus by Tab, and the arrow-key moves among the cards.
  bool cardAvailable(int i) const;
  void giveCardTabStop(int i, bool focus);
  bool moveCardFocus(int from, int key);

  QString deckLetter_;  // the deck chosen when the window was opened
  QPointer<frmAuto> board_;
  bool completing_ = false;
  // The text of the last card placed while the reading is laid out.
  std::optional<QString> placementText_;
  bool completed_ = false;
};

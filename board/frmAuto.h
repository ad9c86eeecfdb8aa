#pragma once
#include <QMainWindow>
#include <QPixmap>
#include <array>
#include <memory>
#include <vector>

#include "platform/Forms.h"

namespace CardPictures {
class FacesAhead;
}
class QAction;
class QLabel;

// The spread board: the child window on which the cards of every tarot
// reading lie. It carries 21 card slots p(0)..p(20), each with its position
// number lbl(k) = k + 1. Loading it starts the automatic deal that the
// reading's options choose; the manual reading and an opened saved reading
// lay their cards on it through layOutSpread, placeSlot and showCard.
class frmAuto : public QMainWindow, public platform::Form {
  Q_OBJECT
 public:
  static constexpr int kSlotCount = 21;

  frmAuto();
  ~frmAuto() override;

  // Makes the pictures a fresh board starts from (the card back at each
  // slot's design size), so that the first board to load finds them made,
  // and builds the next board's controls ahead of its load.
  static void prepare();

  // Unused by the program; kept as part of the board's interface.
  int Ind = 0;

  // The card slots: picture boxes with a one-pixel border that take the
  // size of their picture. Positions are in twips from the board's top-left
  // corner (platform::setTwLeft / twLeft).
  std::array<QLabel*, kSlotCount> p{};
  // The position numbers, each inside its slot's top-left corner.
  std::array<QLabel*, kSlotCount> lbl{};
  // Hidden holder a reversed card's picture passes through.
  QLabel* IMG = nullptr;

  // The deals: 1 whole deck, 2 Minor Arcana, 3 Major Arcana, all upright;
  // 4, 5, 6 the same with reversed cards. no is the spread's number of
  // positions; the spread is the current reading's spread name. Each deal
  // draws, lays the board out, loads the pictures, records the cards in the
  // current reading and writes the reading into the main window's report.
  // A deal that cannot be completed leaves the reading as it was.
  void DONE1(int no);
  void DONE2(int no);
  void DONE3(int no);
  void DONE4(int no);
  void DONE5(int no);
  void DONE6(int no);
  // Empties the pictures of p(0)..p(9).
  void Clear_PicBox();

  // True while a deal is drawing.
  bool isDealing() const { return dealing_; }

  // Lays the board out for a spread (index 0..12): the spread's slots go to
  // their positions with a plain upright card back, shown and numbered; the
  // other slots and numbers are hidden.
  void layOutSpread(int spreadIndex);
  // Moves slot k to its position in a spread and shows it with its number;
  // its picture stays. A k the spread does not have shows the slot where it
  // lies.
  void placeSlot(int spreadIndex, int k);
  // Lays a card's picture (current deck) into slot k: upright, upside down,
  // or a quarter turn across the card beneath. A picture that cannot be read
  // leaves a plain card back in the slot.
  enum class Turn { Upright, Reversed, Crossing };
  void showCard(int k, int card, Turn turn);
  // A manual reading draws its cards one at a time. While its faces are
  // held, showCard only notes what it is to lay; readHeldFaces starts
  // reading the noted cards' pictures on worker threads, and layHeldFaces
  // lays every noted card, in order, with the pictures read meanwhile.
  void holdFaces();
  void readHeldFaces();
  void layHeldFaces();
  // The area the slots lie in.
  QWidget* slotArea() const { return client_; }

  // Menus.
  QAction* mnuFile = nullptr;
  QAction* mnuStart = nullptr;
  QAction* mnuExit = nullptr;
  QAction* mnuHelp = nullptr;
  QAction* mnuHelpOnline = nullptr;
  QAction* mnuVisitOnline = nullptr;
  QAction* mnuUpdate = nullptr;
  QAction* mnuAbout = nullptr;
  QAction* mnuDonate = nullptr;
  QAction* mnuMakeMoney = nullptr;

  void mnuStart_Click();
  void mnuExit_Click();
  void mnuHelpOnline_Click();
  void mnuVisitOnline_Click();
  void mnuUpdate_Click();
  void mnuAbout_Click();
  void mnuDonate_Click();
  void mnuMakeMoney_Click();

 protected:
  void Form_Load() override;
  void Form_Unload(bool& cancel) override;

 private:
  void deal(int method, int no);
  // Lays out the opened saved reading of the current-reading record.
  void layOutOpened(int no);
  // The board is still loaded (it may be unloaded while events run).
  bool inPlace() const;
  QPixmap designPicture(int k) const;

  // The faces of the cards being laid, read ahead on worker threads; while
  // set, showCard takes its pictures from here.
  std::unique_ptr<CardPictures::FacesAhead> facesAhead_;
  struct HeldFace {
    int k;
    int card;
    Turn turn;
  };
  bool holdingFaces_ = false;
  std::vector<HeldFace> heldFaces_;
  QWidget* client_ = nullptr;
  int lngCard = 0;   // the card last drawn
  QPixmap picCard;   // the last reversed card's picture
  bool dealing_ = false;
};

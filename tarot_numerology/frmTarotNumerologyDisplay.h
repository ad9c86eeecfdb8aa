#pragma once
#include <QMainWindow>
#include <array>

#include "platform/Controls.h"
#include "platform/Forms.h"
#include "tarot_numerology/ClipboardRule.h"
#include "tarot_numerology/TarotNumerologyState.h"

class QAction;
class QFrame;
class QGroupBox;
class QPlainTextEdit;
class QTabBar;

// The result window of a tarot-numerology reading: the Life Path page, the
// Destiny page and the Numerology Spread page behind a tab strip. Each number
// page shows the number with its planet, days, colours, stones and texts,
// and one card of the number's set at a time, paged by Back and Next.
class frmTarotNumerologyDisplay : public QMainWindow, public platform::Form {
  Q_OBJECT
 public:
  using Page = TarotNumerologyState::Page;

  frmTarotNumerologyDisplay();

  platform::VbLabel* Label14;
  QTabBar* TS;
  QWidget* picLifePath;
  QWidget* picDestiny;
  QWidget* picNumerologySpread;
  platform::VbButton* cmdSave;
  platform::VbButton* cmdBack;
  QGroupBox* fraFullBrand;
  platform::VbLabel* lblFullBrand;
  platform::VbLabel* lblCobrand;

  // The number pages.
  QLabel* imgLifePathCards;
  QLabel* lblLifePathCardName;
  QLabel* lblLifePathCardDesc;
  QLabel* lblLifePathKeywords;
  platform::VbButton* cmdLifePathBack;
  platform::VbButton* cmdLifePathNext;
  QPlainTextEdit* txtLifePathDesc;
  QPlainTextEdit* txtLifePathPlanetDesc;
  QLabel* imgDestinyCards;
  QLabel* lblDestinyCardName;
  QLabel* lblDestinyCardDesc;
  QLabel* lblDestinyKeywords;
  platform::VbButton* cmdDestinyBack;
  platform::VbButton* cmdDestinyNext;
  QPlainTextEdit* txtDestinyDesc;
  QPlainTextEdit* txtDestinyPlanetDesc;
  // Captions 0 to 8 belong to the Life Path page, 18 to 26 to the Destiny
  // page; the others are not on these pages.
  std::array<QLabel*, 27> lblCaptions{};
  // 0 to 5 the Life Path page's number, planet, lucky day, best days,
  // colours and stones; 6 to 11 the Destiny page's.
  std::array<QLabel*, 12> lblResult{};
  std::array<QWidget*, 6> Shape1{};
  std::array<QWidget*, 2> Shape2{};

  // The Numerology Spread page: the grid of nine card pictures (k = 0..2 the
  // top row, 3..5 the middle, 6..8 the bottom, each from the left), the
  // position number inside each picture (lblCardPosition(11 + k)), the amber
  // chart numbers, the grid's lines and captions, and the spread's report.
  std::array<QLabel*, 9> picNumerologyGrid{};
  std::array<QLabel*, 9> lblCardPosition{};
  std::array<QLabel*, 9> lblNo{};
  std::array<QFrame*, 4> Line1{};
  std::array<QLabel*, 12> lblNumerologyGrid{};
  tnclipboard::MarkedRichTextBox* RTB;

  QAction* mnuFile;
  QAction* mnuBack;
  QAction* mnuSep3;
  QAction* mnuExit;
  QAction* mnuHelp;
  QAction* mnuOnline;
  QAction* mnuVisit;
  QAction* mnuSep1;
  QAction* mnuUpdate;
  QAction* mnuSep2;
  QAction* mnuAbout;
  QAction* mnuDonate;
  QAction* mnuMakeMoney;

  void TS_Click();
  void cmdBack_Click();
  void mnuBack_Click();
  void cmdSave_Click();
  void mnuExit_Click();
  void cmdLifePathNext_Click();
  void cmdLifePathBack_Click();
  void cmdDestinyNext_Click();
  void cmdDestinyBack_Click();

  // Writes number n's values and texts on a page.
  void showNumberValues(Page page, qint16 n);
  // Shows card k of number n's set on a page, from the card-set arrays of
  // the mode's state (which must hold n's set) and n's pictures.
  void showCard(Page page, qint16 n, int k);
  // Lays card n of the mode's deck in grid position k (0..8).
  void layCard(int k, int n);
  // Draws a new spread of the given number (the Numerology Spread is the
  // only one), lays its cards in the grid, writes its report into RTB and
  // keeps its cards in the mode's state. False, with nothing changed, for
  // any other spread number.
  bool drawSpread(int spread);

 protected:
  void Form_Load() override;
  void Form_Unload(bool& cancel) override;

 private:
  void pageStep(Page page, bool forward);
};

#pragma once
#include <QString>
#include <optional>
#include <vector>

namespace TarotReadingFile {
struct Reading;
}

// A growable list of card numbers that can also be without bounds (never
// dimensioned, or erased) - a state distinct from holding elements.
class CardList {
 public:
  bool hasBounds() const { return values_.has_value(); }
  // Upper bound; -1 when without bounds.
  int ubound() const { return values_ ? int(values_->size()) - 1 : -1; }
  int count() const { return values_ ? int(values_->size()) : 0; }
  // Back to the state without bounds.
  void erase() { values_.reset(); }
  // Elements 0..upper, all 0. A list with bounds always holds at least one
  // element, so an upper bound below 0 leaves the list without bounds.
  void redim(int upper) {
    if (upper < 0) values_.reset();
    else values_ = std::vector<int>(std::size_t(upper) + 1, 0);
  }
  // One more element at the end (the first makes elements 0..0).
  void append(int value) {
    if (!values_) values_.emplace();
    values_->push_back(value);
  }
  int at(int i) const { return values_->at(std::size_t(i)); }
  int& operator[](int i) { return values_->at(std::size_t(i)); }
  bool contains(int value) const {
    if (!values_) return false;
    for (int v : *values_)
      if (v == value) return true;
    return false;
  }
  std::vector<int> values() const { return values_ ? *values_ : std::vector<int>(); }
  bool operator==(const CardList& o) const { return values_ == o.values_; }

 private:
  std::optional<std::vector<int>> values_;
};

// The one record of the tarot reading in progress: the choices of the spread
// page, the way the reading is made, its cards, and a saved reading read back
// from a file that waits to be laid out.
//
// The fields keep their names and stay readable by everyone; every change
// goes through the operations below, one for each moment of the reading, so
// that the rules that tie the fields together live here:
//  - A card list made by an automatic deal, or read from a saved reading,
//    ends in a spare element after its cards; a manual reading's list holds
//    its cards only. listedCards() is the one place that tells them apart.
//  - A new visit of the spread page starts a new record but keeps a saved
//    reading that waits to be laid out.
struct TarotReadingState {
  int lngCardCount = 0;
  bool blnMinorArcana = false;
  bool blnMajorArcana = false;
  bool blnReverseCards = false;
  QString strSpreadName;
  bool blnAutoCast = false;
  bool blnManualCast = false;
  QString strDeckLetter;
  bool blnOpenedReading = false;
  QString strOpenedSpreadName;
  CardList lngOpenedCards;
  CardList lngOpenedReversed;
  QString strReadLine;
  QString strReportSpread;
  CardList lngReversedCards;
  int lngSpreadIndex = 0;
  bool blnManualMode = false;
  CardList lngChosenCards;

  // What the spread page hands over when a reading starts.
  struct Choice {
    QString spreadName;  // the selected spread's list text
    int cardCount = 0;   // its number of positions
    QString deckLetter;
    bool minorArcana = false;
    bool majorArcana = false;
    bool reverseCards = false;
    bool manual = false;      // Manual rather than AutoCast
    bool castByHand = false;  // Manual through its button, not the menu
  };

  // The spread page loads: a new record with the first deck and no spread,
  // no cards, no options.
  void beginVisit();
  // The deck or spread selected on the spread page.
  void chooseDeck(const QString& letter);
  void chooseSpread(int index);
  // AutoCast or Manual: the record of a new reading, its card lists empty.
  void beginReading(const Choice& choice);
  // The reading is made by the automatic deal (the File menu's AutoCast).
  void castAutomatically();

  // An automatic deal's cards by position, with the reversed ones. The
  // chosen list gets its spare element; the reversed list starts empty when
  // emptyReversed, else the reversed cards are added to what it holds.
  void recordDeal(const std::vector<int>& cards, const std::vector<bool>& reversed,
                  bool emptyReversed);

  // The manual pick window opens for the reading.
  void enterManualPick();
  // The picks are done and the cards are about to be drawn: a clean record
  // for the spread and deck the pick window was opened for.
  void beginManualReading(const QString& spreadName, int spreadIndex, int cardCount,
                          const QString& deckLetter);
  // One card drawn for the next position of a manual reading.
  void recordManualCard(int card, bool reversed);
  // A reading that could not be completed keeps no cards.
  void abandonReading();

  // A saved reading, checked whole, waits to be laid out.
  void openSavedReading(const TarotReadingFile::Reading& reading);
  // The board starts laying it out: the spread it names becomes the
  // reading's spread. The spread's index among the board's layouts for
  // count positions, or -1: then nothing can be laid out and the saved
  // reading is dropped.
  int beginLayingOutOpened(int count);
  // Laid out: the saved reading becomes the current one, so that Save writes
  // it again as it was read and later readings start from it.
  void adoptOpenedReading(int count);

  // The report about to be written names its spread: the reading's, or the
  // opened reading's when the reading has none.
  void beginReport();
  // How many elements of a card list of this reading are cards: all of a
  // manual pick's list, all but the spare last one otherwise (0 for a list
  // without bounds).
  int listedCards(const CardList& cards) const;
  // The reading on the board as Save writes it.
  TarotReadingFile::Reading savedReading() const;
};

TarotReadingState& tarotState();

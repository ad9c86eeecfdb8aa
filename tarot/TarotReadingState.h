#pragma once
#include <QString>
#include <optional>
#include <vector>

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
};

TarotReadingState& tarotState();

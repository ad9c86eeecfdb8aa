#include "tarot/TarotReadingState.h"

#include "board/SpreadSlotLayout.h"
#include "platform/ProgramState.h"
#include "tarot/TarotReadingFile.h"

namespace {

// The cards, then the spare element (0) that follows them.
void fillWithSpare(CardList& list, const std::vector<int>& cards) {
  list.redim(int(cards.size()));
  for (std::size_t k = 0; k < cards.size(); ++k) list[int(k)] = cards[k];
}

}  // namespace

void TarotReadingState::beginVisit() {
  strDeckLetter = QStringLiteral("r");
  blnManualMode = false;
  lngChosenCards.erase();
  lngReversedCards.erase();
  blnAutoCast = false;
  blnManualCast = false;
  strSpreadName = QStringLiteral("-1");
  lngCardCount = -1;
  blnMinorArcana = false;
  blnMajorArcana = false;
  blnReverseCards = false;
}

void TarotReadingState::chooseDeck(const QString& letter) { strDeckLetter = letter; }

void TarotReadingState::chooseSpread(int index) { lngSpreadIndex = index; }

void TarotReadingState::beginReading(const Choice& c) {
  lngChosenCards.erase();
  lngReversedCards.erase();
  strDeckLetter = c.deckLetter;
  blnManualMode = c.manual;
  blnAutoCast = !c.manual;
  blnManualCast = c.manual && c.castByHand;
  strSpreadName = c.spreadName;
  lngCardCount = c.cardCount;
  blnMinorArcana = c.minorArcana;
  blnMajorArcana = c.majorArcana;
  blnReverseCards = c.reverseCards;
}

void TarotReadingState::castAutomatically() { blnManualMode = false; }

void TarotReadingState::recordDeal(const std::vector<int>& cards, const std::vector<bool>& reversed,
                                   bool emptyReversed) {
  fillWithSpare(lngChosenCards, cards);
  if (emptyReversed) lngReversedCards.erase();
  for (std::size_t i = 0; i < cards.size() && i < reversed.size(); ++i)
    if (reversed[i]) lngReversedCards.append(cards[i]);
}

void TarotReadingState::enterManualPick() { blnManualMode = true; }

void TarotReadingState::beginManualReading(const QString& spreadName, int spreadIndex, int cardCount,
                                           const QString& deckLetter) {
  lngChosenCards.erase();
  lngReversedCards.erase();
  blnManualMode = true;
  strSpreadName = spreadName;
  lngSpreadIndex = spreadIndex;
  lngCardCount = cardCount;
  strDeckLetter = deckLetter;
}

void TarotReadingState::recordManualCard(int card, bool reversed) {
  lngChosenCards.append(card);
  if (reversed) lngReversedCards.append(card);
}

void TarotReadingState::abandonReading() {
  lngChosenCards.erase();
  lngReversedCards.erase();
}

void TarotReadingState::openSavedReading(const TarotReadingFile::Reading& reading) {
  strOpenedSpreadName = reading.spreadName;
  strDeckLetter = reading.deckLetter;
  fillWithSpare(lngOpenedCards, reading.cards);
  lngOpenedReversed.erase();
  for (int c : reading.reversed) lngOpenedReversed.append(c);
  blnOpenedReading = true;
}

int TarotReadingState::beginLayingOutOpened(int count) {
  strSpreadName = strOpenedSpreadName;
  const int index = SpreadSlotLayout::lookup(count, strSpreadName);
  // Nothing can be laid out; the saved reading is dropped rather than left
  // waiting for a later deal to pick it up.
  if (index < 0) blnOpenedReading = false;
  return index;
}

void TarotReadingState::adoptOpenedReading(int count) {
  lngChosenCards.redim(count);
  for (int k = 0; k < count; ++k) lngChosenCards[k] = lngOpenedCards.at(k);
  lngReversedCards = lngOpenedReversed;
  blnManualMode = false;
  blnOpenedReading = false;
}

void TarotReadingState::beginReport() {
  strReportSpread = strSpreadName;
  if (strReportSpread.isEmpty()) strReportSpread = strOpenedSpreadName;
}

int TarotReadingState::listedCards(const CardList& cards) const {
  if (!cards.hasBounds()) return 0;
  // Only a manual pick's list is all cards; the lists of an automatic deal
  // and of an opened saved reading end in a spare element.
  const bool manualList = blnManualMode && !blnOpenedReading;
  return manualList ? cards.count() : cards.count() - 1;
}

TarotReadingFile::Reading TarotReadingState::savedReading() const {
  TarotReadingFile::Reading r;
  r.spreadName = strSpreadName;
  r.deckLetter = strDeckLetter;
  const int n = listedCards(lngChosenCards);
  for (int i = 0; i < n; ++i) r.cards.push_back(lngChosenCards.at(i));
  r.reversed = lngReversedCards.values();
  return r;
}

TarotReadingState& tarotState() {
  static TarotReadingState state;
  static const bool registered =
      platform::registerStateReset([] { tarotState() = TarotReadingState(); });
  (void)registered;
  return state;
}

#pragma once
#include <QList>
#include <QString>
#include <QtGlobal>
#include <optional>
#include <vector>

// The tarot-numerology reading in progress: the name and date of the last
// reading with its two numbers, the card set loaded last, and the paging
// state of the Life Path and Destiny pages. It outlives the result window,
// which is built afresh for every reading.
struct TarotNumerologyState {
  // The reading (overwritten together by beginReading).
  QString TNName;
  QString TNBirthDay;
  QString TNBirthMonth;
  QString TNBirthYear;
  QString TNBirthDate;
  qint16 TNLifePath = 0;
  qint16 TNDestiny = 0;

  // The card set loaded last: elements 0 to count - 1 hold its cards, one
  // spare empty element follows. Without bounds before the first load.
  std::optional<std::vector<QString>> CardNames;
  std::optional<std::vector<QString>> CardDescriptions;
  std::optional<std::vector<QString>> CardKeywords;

  // Per page: whether its first card waits to be shown by the next load,
  // the number whose cards it shows, their count, and the position (from 1)
  // of the card on show.
  bool LifePathFirstCardPending = false;
  bool DestinyFirstCardPending = false;
  qint16 LifePathPageNumber = 0;
  qint16 DestinyPageNumber = 0;
  qint16 LifePathCardCount = 0;
  qint16 DestinyCardCount = 0;
  qint16 LifePathCardIndex = 0;
  qint16 DestinyCardIndex = 0;

  // The Numerology Spread drawn for the reading: element k holds the card
  // (0..77 of the mode's deck) of position k + 1. Empty until the first
  // draw; each reading draws it anew.
  QList<int> NSSpreadCards;

  enum class Page { LifePath, Destiny };

  // Keeps a reading's name and date (each trimmed of blanks) and computes its
  // Life Path and Destiny numbers.
  void beginReading(const QString& name, const QString& day, const QString& month,
                    const QString& year);

  // Points a page at number n: its page number, card count and pending
  // first card. False, and nothing changes, for a number without a card set.
  bool pointPageAt(Page page, qint16 n);
  // Fills the card-set arrays with the set of n; false (arrays unchanged)
  // when n has no set.
  bool loadCardsForNumber(qint16 n);
  // Takes a page's pending first card: true when it was pending (and now is
  // not).
  bool takePendingFirstCard(Page page);
  // The result window was loaded: both pages start on their first card.
  void resetCardIndexes();

  // What a press of Next or Back comes to.
  struct Step {
    enum Kind { ShowCard, LastRecord, FirstRecord, Nothing } kind = Nothing;
    int card = -1;  // the card (from 0) to show, for ShowCard
  };
  // Next: the following card, or the last-record message at the end.
  Step next(Page page);
  // Back: the preceding card, or the first-record message at the start.
  Step back(Page page);

  qint16 pageNumber(Page page) const;
  qint16 cardCount(Page page) const;
  qint16 cardIndex(Page page) const;
};

// The one state of the mode, for the whole run.
TarotNumerologyState& tnState();

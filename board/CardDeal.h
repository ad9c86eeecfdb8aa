#pragma once
#include <functional>
#include <optional>
#include <vector>

// The automatic deal of a tarot reading, apart from any window: which part of
// the deck a deal draws from, whether cards may lie reversed, and the draw
// itself on the program's random generator.
namespace CardDeal {

// What sets the six automatic deals apart.
struct Rule {
  int firstCard;   // first card number of the part of the deck dealt from
  int cardCount;   // how many cards that part holds
  bool reversals;  // each position draws a reversal value after the cards
  // The crossing card also draws a reversal value, which is never used (it
  // never lies reversed); without this its value is not drawn at all.
  bool reversalValueForCrossingCard;
  // The reading's reversed list starts empty; otherwise the deal leaves it
  // as it finds it.
  bool emptiesReversedList;
  // The reading options the deal is made for.
  bool minorArcana;
  bool majorArcana;
  bool reverseCards;
};

// The deal methods of the spread board, numbered 1 to 6: whole deck,
// Minor Arcana and Major Arcana upright, then the same three with reversed
// cards.
constexpr int kMethodCount = 6;
const Rule& rule(int method);

// The deal method that the reading options choose, 1 to 6, or 0 for none
// (not an automatic reading, or both arcana boxes ticked).
int methodFor(bool autoCast, bool minorArcana, bool majorArcana, bool reverseCards);

struct Dealt {
  std::vector<int> cards;      // by position
  std::vector<bool> reversed;  // by position
};

// A position that finds no new card within this many attempts ends the deal
// (only a generator that keeps repeating itself can get there).
constexpr int kMaxAttemptsPerPosition = 10000;

// Draws one card of the cards firstCard to firstCard + cardCount - 1 that
// taken() does not refuse, each attempt uniform over those cards. Pending
// window events run before every attempt, after which keepGoing() is asked
// whether the draw is still wanted. Nothing: the draw was abandoned, or no
// free card turned up within kMaxAttemptsPerPosition attempts.
std::optional<int> drawOne(int firstCard, int cardCount, const std::function<bool(int)>& taken,
                           const std::function<bool()>& keepGoing = {});

// Draws one card per position, 0 to count - 1, from the rule's part of the
// deck, never a card of an earlier position, then a reversal value per
// position when the rule has reversals. The generator is seeded once, before
// the first draw; pending window events run before every draw attempt, after
// which keepGoing() is asked whether the deal is still wanted.
// crossingPosition is the position of a card that lies across another
// (never reversed), or -1.
// Nothing: the deal was abandoned, or could not be completed.
std::optional<Dealt> draw(const Rule& rule, int count, int crossingPosition,
                          const std::function<bool()>& keepGoing = {});

}  // namespace CardDeal

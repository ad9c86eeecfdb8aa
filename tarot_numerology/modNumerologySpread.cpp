#include "tarot_numerology/modNumerologySpread.h"

#include "platform/Services.h"
#include "tarot_numerology/NumerologySpreadCards.h"

namespace modNumerologySpread {
namespace {

const char* const kPositions[kPositionCount] = {
    "Card 1 - You see yourself as an Innovator.",
    "Card 2 - You see yourself as an Integrator.",
    "Card 3 - You see yourself as an Entertainer.",
    "Card 4 - You see yourself as a Builder.",
    "Card 5 - You see yourself as a Communicator.",
    "Card 6 - You see yourself as a Peacemaker.",
    "Card 7 - You see yourself as an Individualist.",
    "Card 8 - You see yourself as an Entrepreneur.",
    "Card 9 - You see yourself as a Crusader.",
};

// A card number from the generator's next value in [0, 1). A value outside
// that range (only a stand-in generator gives one) is held to the deck.
int drawCandidate() {
  const int n = int(platform::Rnd() * NSCardTable::kCardCount);
  return qBound(0, n, NSCardTable::kCardCount - 1);
}

}  // namespace

QString NSSpreadDescription() {
  return QStringLiteral(
      "Numerology Spread is also one of the mostly used spread layouts: nine cards are laid in "
      "a square of three rows and three columns, one for each of the numbers 1 to 9. The rows "
      "speak of the head, the heart and your deeds, while the columns follow thought, "
      "organization and influence. Read each card by its position to learn how you see "
      "yourself and which roles you take on in life.");
}

QString NSPositions(int k) {
  return k >= 0 && k < kPositionCount ? QString::fromLatin1(kPositions[k]) : QString();
}

std::optional<QList<int>> DrawSpreadCards(int spread) {
  if (spread != kNumerologySpread) return std::nullopt;
  QList<int> cards;
  cards.reserve(kPositionCount);
  for (int j = 0; j < kPositionCount; ++j) {
    platform::Randomize();
    int candidate = drawCandidate();
    for (int redraws = 0; cards.contains(candidate); ++redraws) {
      if (redraws == kMaxRedraws) {
        while (cards.contains(candidate)) candidate = (candidate + 1) % NSCardTable::kCardCount;
        break;
      }
      candidate = drawCandidate();
    }
    cards.append(candidate);
  }
  return cards;
}

}  // namespace modNumerologySpread

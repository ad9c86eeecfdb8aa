#include "board/CardDeal.h"

#include <algorithm>
#include <array>

#include "platform/Services.h"
#include "platform/VbString.h"
#include "tarot/TarotCardTable.h"

namespace CardDeal {
namespace {

using namespace TarotCardTable;

const std::array<Rule, kMethodCount> kRules = {{
    // first card, count, reversals, crossing value, empties list, minor, major, reverse
    {0, kCardCount, false, false, false, false, false, false},
    {kFirstMinor, kMinorCount, false, false, false, true, false, false},
    {kFirstMajor, kMajorCount, false, false, false, false, true, false},
    {0, kCardCount, true, true, true, false, false, true},
    {kFirstMinor, kMinorCount, true, false, true, true, false, true},
    {kFirstMajor, kMajorCount, true, false, true, false, true, true},
}};

}  // namespace

const Rule& rule(int method) { return kRules.at(std::size_t(method - 1)); }

int methodFor(bool autoCast, bool minorArcana, bool majorArcana, bool reverseCards) {
  if (!autoCast) return 0;
  for (int m = 1; m <= kMethodCount; ++m) {
    const Rule& r = rule(m);
    if (r.minorArcana == minorArcana && r.majorArcana == majorArcana &&
        r.reverseCards == reverseCards)
      return m;
  }
  return 0;
}

std::optional<int> drawOne(int firstCard, int cardCount, const std::function<bool(int)>& taken,
                           const std::function<bool()>& keepGoing) {
  for (int attempt = 1; attempt <= kMaxAttemptsPerPosition; ++attempt) {
    platform::DoEvents();
    if (keepGoing && !keepGoing()) return std::nullopt;
    const long long card = firstCard + platform::vb::Int(double(cardCount) * platform::Rnd());
    // A value outside [0, 1) from the generator gives no card of the part.
    if (card < firstCard || card >= firstCard + cardCount) continue;
    if (taken && taken(int(card))) continue;
    return int(card);
  }
  return std::nullopt;
}

std::optional<Dealt> draw(const Rule& rule, int count, int crossingPosition,
                          const std::function<bool()>& keepGoing) {
  if (count < 0 || count > rule.cardCount) return std::nullopt;
  platform::Randomize();
  Dealt d;
  d.cards.reserve(std::size_t(count));
  const auto taken = [&d](int card) {
    return std::find(d.cards.begin(), d.cards.end(), card) != d.cards.end();
  };
  for (int i = 0; i < count; ++i) {
    const std::optional<int> card = drawOne(rule.firstCard, rule.cardCount, taken, keepGoing);
    if (!card) return std::nullopt;
    d.cards.push_back(*card);
  }
  d.reversed.assign(std::size_t(count), false);
  if (!rule.reversals) return d;
  for (int i = 0; i < count; ++i) {
    if (i == crossingPosition) {
      if (rule.reversalValueForCrossingCard) platform::Rnd();
      continue;
    }
    // Rounded half to even: exactly one half leaves the card upright.
    d.reversed[std::size_t(i)] = platform::vb::Round(platform::Rnd()) == 1;
  }
  return d;
}

}  // namespace CardDeal

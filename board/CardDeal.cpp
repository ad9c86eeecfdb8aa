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

std::optional<Dealt> draw(const Rule& rule, int count, int crossingPosition,
                          const std::function<bool()>& keepGoing) {
  if (count < 0 || count > rule.cardCount) return std::nullopt;
  platform::Randomize();
  Dealt d;
  d.cards.reserve(std::size_t(count));
  for (int i = 0; i < count; ++i) {
    for (int attempt = 1;; ++attempt) {
      if (attempt > kMaxAttemptsPerPosition) return std::nullopt;
      platform::DoEvents();
      if (keepGoing && !keepGoing()) return std::nullopt;
      const long long card =
          rule.firstCard + platform::vb::Int(double(rule.cardCount) * platform::Rnd());
      // A value outside [0, 1) from the generator gives no card of the part.
      if (card < rule.firstCard || card >= rule.firstCard + rule.cardCount) continue;
      if (std::find(d.cards.begin(), d.cards.end(), int(card)) != d.cards.end()) continue;
      d.cards.push_back(int(card));
      break;
    }
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

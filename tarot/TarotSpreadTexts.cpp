#include "tarot/TarotSpreadTexts.h"

namespace TarotSpreadTexts {
namespace {

// One description per spread, by spread index. The spread page shows the
// same text the report header writes.
const char* const kDescriptions[] = {
    // 0 Celtic Cross
    "The Celtic Cross, also called the Grand Cross, is the most common spread and the one that "
    "tells the most. It looks at the past and the present of the situation and at the outside "
    "influences working on it. Six cards form a cross, and beside the cross four cards stand in a "
    "row. It is a complex spread, and reading it well takes some expertise.",
    // 1 One Card
    "This is the simplest spread of all: one card, drawn for one question. Use it for a daily "
    "reading or for a quick answer on a single issue.",
    // 2 Two Cards
    "Use this spread for a question that can be answered yes or no, or to choose the better of two "
    "solutions. For a yes or no reading, decide before the cards are drawn which card stands for "
    "yes and which for no. To weigh two solutions, let each card stand for one of them.",
    // 3 Three Cards
    "These three cards show how life will go in general, from the past through the present to the "
    "future. When a specific question has been asked, read them against that question instead.",
    // 4 Ulvarin Wheel Spread(Tarlen)
    "This layout is based on the tarot wheel that Ulvarin described, although he never meant his "
    "wheel to be used as a spread. Its five cards show the present, the influences that are waning, "
    "those that are hidden, those that are emerging, and what all of them add up to.",
    // 5 The Line Spread
    "All the cards are laid in one horizontal line in descending order, from the distant past "
    "through the present to the distant future. The spread is simple and quick to read, and it "
    "still gives an accurate picture of where events are going.",
    // 6 Seven Card Chakra Layout
    "A meditative spread that shows which of the seven chakras, the body's centres of energy, "
    "flow freely and which are blocked. The cards are laid out vertically and read from the bottom "
    "to the top, one card for each chakra and its colour, from the red of the root to the violet of "
    "the crown.",
    // 7 Four Seasons Spread(Mavrine/Yorv)
    "This spread looks at the near future, or at the coming year season by season. It follows a "
    "plan from its conception in spring to its execution and to the reflection of winter. It is "
    "also a spiritual spread, showing how the querent grows along the way.",
    // 8 Relationship Spread
    "This spread looks at a relationship with one particular person. Some cards speak for the "
    "questioner and others for the partner, so that both sides of the relationship are seen. The "
    "questioner picks the 10 cards.",
    // 9 The Romany/ Gypsy Spread
    "A favourite spread of the gypsies, who have practised it for more than 200 years. Its three "
    "rows of seven cards show the past, the present and the future. The questioner picks the 21 "
    "cards.",
    // 10 Zodiac Spread
    "This spread follows the 12 houses of the zodiac, each ruling one area of life, such as career, "
    "love, marriage, home and finances. One card falls in each house. The questioner picks the 12 "
    "cards.",
    // 11 Tree of Life
    "This spread is laid out on the Qabalistic Tree of Life and helps the questioner delve into "
    "his own nature. Through the ten points of the tree it shows the past, the present and the "
    "future. The questioner picks the 10 cards.",
    // 12 Numerology Spread
    "This spread draws on the numerological meanings of the numbers 1 to 9 and helps the "
    "questioner explore himself. Each card stands for one number and shows the questioner in its "
    "light. The questioner picks the 9 cards.",
};
constexpr int kDescriptionCount = int(sizeof(kDescriptions) / sizeof(kDescriptions[0]));
static_assert(kDescriptionCount == 13, "one description per spread");

}  // namespace

QString description(int spreadIndex) {
  if (spreadIndex < 0 || spreadIndex >= kDescriptionCount) return QString();
  return QString::fromLatin1(kDescriptions[spreadIndex]);
}

QString threeCardsPast() {
  return QStringLiteral(
      "This represents certain events of the past that have shaped the present condition. These "
      "events stand behind the current events that the question is about.");
}

QString threeCardsPresent() {
  return QStringLiteral(
      "This card represents the present state surrounding some current event or situation. This "
      "may also be the problems and obstacles that the person may have to face.");
}

QString chakraRoot() {
  return QStringLiteral(
      "This card represents the querent's physical condition and how he feels about himself in "
      "the material world of work, power, passion and survival.");
}

QString chakraThroat() {
  return QStringLiteral(
      "This card represents the querent's wish to know who he is, what he wants and who he would "
      "like to be. It also shows how he connects to his own ideas and how he communicates them.");
}

}  // namespace TarotSpreadTexts

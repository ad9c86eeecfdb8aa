#pragma once
#include <QString>
#include <vector>

// The tables of the tarot-numerology number pages: for each Life Path or
// Destiny number (1 to 9, 11, 22) its planet, lucky day, best days, colours,
// stones and texts, and the tarot cards that belong to it.
namespace TarotNumerologyTables {

struct NumberRow {
  int number;
  const char* planet;
  const char* luckyDay;
  const char* bestDays;
  const char* colours;
  const char* stones;
  int cardCount;
};

// The row of a number, or nullptr for a number outside 1 to 9, 11, 22.
const NumberRow* numberRow(int n);
// The eleven numbers that have a row, in ascending order.
const std::vector<int>& numbers();

// The best days as each page shows them: the Destiny page writes the days of
// 2 with one trailing blank; every other value is the same on both pages.
QString lifePathBestDays(int n);
QString destinyBestDays(int n);

// The text of a planet (the names of the rows); empty for another name.
QString planetText(const QString& planet);
// The number's own text on the Life Path and on the Destiny page; empty for
// a number without a row. Paragraphs are joined by CR LF.
QString lifePathText(int n);
QString destinyText(int n);

// The paragraphs at the head of the two number areas.
QString lifePathParagraph();
QString destinyParagraph();

// One card of a number's set.
struct SetCard {
  QString name;         // "The Magician - Major Arcana", "The Aces - Minor Arcana"
  QString description;  // one paragraph
  QString keywords;     // one line
  int deckCard;         // the card of the 78-card deck its picture shows
};
// The cards of a number, in set order; empty for a number without a set.
std::vector<SetCard> cardSet(int n);

}  // namespace TarotNumerologyTables

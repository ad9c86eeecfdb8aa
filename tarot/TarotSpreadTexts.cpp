#include "tarot/TarotSpreadTexts.h"

// Short forms of the spread descriptions and the longer position meanings.
// The full texts arrive with the reading-text writer, which replaces this
// file as a whole.
namespace TarotSpreadTexts {

QString description(int spreadIndex) {
  static const char* const texts[13] = {
      "The Celtic Cross, also called the Grand Cross, is the most widely used and the most "
      "detailed spread. It looks at the past and present situation and at the influences from "
      "outside: four cards stand in a row beside a cross of six. It is a complex spread that "
      "asks for some experience to read.",
      "This is the simplest spread of all: one card for a daily reading or a quick answer on a "
      "single issue.",
      "Two cards answer a yes or no question, or show the better of two solutions. For a yes or "
      "no reading, decide before the deal which card stands for yes and which for no.",
      "Three cards show how life will go in general, or answer a particular question when one "
      "was asked.",
      "A layout drawn from Ulvarin's tarot wheel. Ulvarin himself never meant the wheel as a "
      "spread; here its five points read the situation as a whole.",
      "All cards lie in one horizontal line, in descending order: past, present and future. A "
      "simple, quick and accurate spread.",
      "A meditative spread that shows which chakras flow freely and which are blocked. The cards "
      "are laid out vertically and read from bottom to top, one chakra colour to each card.",
      "The near future, or the coming year season by season; a plan followed from its "
      "conception to its execution. A spiritual spread.",
      "A relationship with one person, with cards for both sides. The questioner picks ten "
      "cards.",
      "A favourite spread of the gypsies, practised for more than two hundred years: past, "
      "present and future in twenty-one cards that the questioner picks.",
      "The twelve houses of the zodiac: twelve areas of life such as career, love, marriage, "
      "home and finances. The questioner picks twelve cards.",
      "The Qabalistic Tree of Life, for delving into one's own nature: past, present and "
      "future in ten cards that the questioner picks.",
      "The numerological meanings of the numbers one to nine, for exploring oneself. The "
      "questioner picks nine cards.",
  };
  if (spreadIndex < 0 || spreadIndex > 12) return QString();
  return QString::fromLatin1(texts[spreadIndex]);
}

QString threeCardsPast() {
  return QStringLiteral("This card represents the past events that have led to the present situation.");
}

QString threeCardsPresent() {
  return QStringLiteral("This card represents the present situation and the forces at work in it.");
}

QString chakraRoot() {
  return QStringLiteral("This card represents the querent's grounding, security and physical needs.");
}

QString chakraThroat() {
  return QStringLiteral("This card represents communication, self expression and the voice of the querent.");
}

}  // namespace TarotSpreadTexts

#pragma once
#include <QList>
#include <QString>

namespace platform {
class RichTextBox;
}

// The whole tarot-numerology reading as one report: the querent, the Life
// Path and Destiny numbers with their values, texts and cards, and the nine
// cards of the Numerology Spread. The writer is handed everything it
// writes, as the result window shows it.
namespace TarotNumerologyReport {

// One card of a number's set.
struct SetCard {
  QString name;
  QString description;
  QString keywords;
};

// One number's block, as its page shows it.
struct NumberBlock {
  QString explanation;  // the paragraph at the head of the page's number area
  QString number;       // the values as the page's labels show them
  QString planet;
  QString luckyDay;
  QString bestDays;
  QString colours;
  QString stones;
  QString numberText;   // the number's text (lines joined by CR LF)
  QString planetText;   // the planet's text
  QList<SetCard> cards; // every card of the number's set, in set order
};

struct Reading {
  QString name;
  QString birthDate;
  NumberBlock lifePath;
  NumberBlock destiny;
  QList<int> spreadCards;  // the Numerology Spread's cards, position 1 first
};

// Empties box and writes the report of reading into it.
void WriteTarotNumerologyReport(platform::RichTextBox* box, const Reading& reading);

}  // namespace TarotNumerologyReport

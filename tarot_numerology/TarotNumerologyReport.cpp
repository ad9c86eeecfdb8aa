#include "tarot_numerology/TarotNumerologyReport.h"

#include "platform/RichTextBox.h"
#include "shell/ReportWriter.h"
#include "tarot_numerology/NumerologySpreadCards.h"
#include "tarot_numerology/modNumerologySpread.h"

namespace TarotNumerologyReport {
namespace {

using shell::kCrLf;

// The report's five styles: bold or not, and a palette colour.
enum class Style { Title, Explanation, Label, CardLabel, Value };

class Writer {
 public:
  explicit Writer(platform::RichTextBox* box) : w_(box) {}

  Writer& put(Style style, const QString& text) {
    switch (style) {
      case Style::Title: w_.setBold(true).setColour(5); break;
      case Style::Explanation: w_.setBold(false).setColour(5); break;
      case Style::Label: w_.setBold(true).setColour(3); break;
      case Style::CardLabel: w_.setBold(true).setColour(2); break;
      case Style::Value: w_.setBold(false).setColour(0); break;
    }
    w_.plain(text);
    return *this;
  }

 private:
  shell::ReportWriter w_;
};

void writeNumberBlock(Writer& w, const QString& title, const QString& numberLabel,
                      const NumberBlock& b) {
  w.put(Style::Title, title + kCrLf);
  w.put(Style::Explanation, b.explanation + kCrLf);
  w.put(Style::Label, numberLabel).put(Style::Value, b.number + kCrLf);
  w.put(Style::Value, b.numberText + kCrLf);
  w.put(Style::Label, QStringLiteral("Associated Planet: ")).put(Style::Value, b.planet + kCrLf);
  w.put(Style::Value, b.planetText + kCrLf);
  w.put(Style::Label, QStringLiteral("Lucky Day: ")).put(Style::Value, b.luckyDay + kCrLf);
  w.put(Style::Label, QStringLiteral("Best Day: ")).put(Style::Value, b.bestDays + kCrLf);
  w.put(Style::Label, QStringLiteral("Best Colors: ")).put(Style::Value, b.colours + kCrLf);
  w.put(Style::Label, QStringLiteral("Lucky Stones: "))
      .put(Style::Value, b.stones + kCrLf + kCrLf);
  w.put(Style::Label, QStringLiteral("Cards Use: ") + kCrLf);
  for (const SetCard& c : b.cards) {
    w.put(Style::CardLabel, QStringLiteral("Card Name: ")).put(Style::Value, c.name + kCrLf);
    w.put(Style::CardLabel, QStringLiteral("Card Description: "))
        .put(Style::Value, c.description + kCrLf);
    w.put(Style::CardLabel, QStringLiteral("Card Keywords: "))
        .put(Style::Value, c.keywords + kCrLf + kCrLf);
  }
}

}  // namespace

void WriteTarotNumerologyReport(platform::RichTextBox* box, const Reading& reading) {
  box->setText(QString());
  Writer w(box);

  w.put(Style::Label, QStringLiteral("Name: ")).put(Style::Value, reading.name + kCrLf + kCrLf);
  w.put(Style::Label, QStringLiteral("Date of Birth: "))
      .put(Style::Value, reading.birthDate + kCrLf + kCrLf);

  writeNumberBlock(w, QStringLiteral("Tarot & Life Path Number"),
                   QStringLiteral("Life Path Number: "), reading.lifePath);
  writeNumberBlock(w, QStringLiteral("Tarot & Destiny Number"), QStringLiteral("Destiny Number: "),
                   reading.destiny);

  w.put(Style::Title, QStringLiteral("Numerology Spread") + kCrLf);
  w.put(Style::Title, modNumerologySpread::NSSpreadDescription() + kCrLf);
  // Only the positions that were drawn, and only cards of the deck.
  const int count = qMin(int(reading.spreadCards.size()), modNumerologySpread::kPositionCount);
  for (int k = 0; k < count; ++k) {
    const int c = reading.spreadCards[k];
    if (!NSCardTable::isCard(c)) continue;
    w.put(Style::Label, kCrLf + QStringLiteral("Position ") + QString::number(k + 1) +
                            QStringLiteral(": ") + kCrLf);
    w.put(Style::Value, modNumerologySpread::NSPositions(k));
    w.put(Style::Label, kCrLf + QStringLiteral("Card Name: ") + kCrLf);
    w.put(Style::Value, NSCardTable::name(c));
    w.put(Style::Label, kCrLf + QStringLiteral("Keywords: "));
    w.put(Style::Value, kCrLf + NSCardTable::keywords(c));
    w.put(Style::Label, kCrLf + QStringLiteral("Description: "));
    w.put(Style::Value, kCrLf + NSCardTable::description(c) + kCrLf);
  }
}

}  // namespace TarotNumerologyReport

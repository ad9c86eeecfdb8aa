#include "manual/ManualReading.h"

#include <QStringList>
#include <cmath>

#include "platform/VbString.h"
#include "tarot/TarotCardTable.h"
#include "tarot/TarotSpreadTable.h"

namespace ManualReading {
namespace {

const QString kCrLf = QStringLiteral("\r\n");

// Spreads with texts of their own for the slots they place (slot k gets
// entry k; a slot past the list keeps the box as it is).
const QStringList& celticCrossTexts() {
  static const QStringList t = {
      QStringLiteral("Card 2") + kCrLf + kCrLf + QStringLiteral("The Crossing"),
      QStringLiteral("Card 3: The Root"),
      QStringLiteral("Card 4: The Past"),
      QStringLiteral("Card 5: The Crown"),
      QStringLiteral("Card 6: The Future"),
      QStringLiteral("Card 7: The Questioner"),
      QStringLiteral("Card 8: The House"),
      QStringLiteral("Card 9: The Inside") + kCrLf + QStringLiteral("Card 10: The Outcome"),
      QStringLiteral("Card 9: The Inside") + kCrLf + QStringLiteral("Card 10: The Outcome")};
  return t;
}

const QStringList& relationshipTexts() {
  static const QStringList t = {
      QStringLiteral("Card 2 represents your partner's view towards you."),
      QStringLiteral("Card 3 reflects you expressions, feelings, desires and sentiments."),
      QStringLiteral("Card 4 represents your partner's expressions and sentiments."),
      QStringLiteral("Card 5 represents your unconscious expressions."),
      QStringLiteral("Card 6 represents your partner's unconscious expressions."),
      QStringLiteral("Card 7 represents your inner desires and needs."),
      QStringLiteral("Card 8 represents your partner's inner desires and needs."),
      QStringLiteral("Card 9 tells you about ways of improving your relationship with your partner."),
      QStringLiteral("Card 10 tells the ways your partner can improve your relationship.")};
  return t;
}

const QStringList& treeOfLifeTexts() {
  static const QStringList t = {
      QStringLiteral("Card 2 - Right temple: Reveals the basic emotions, feelings and intuitions."),
      QStringLiteral("Card 3 - Left temple: Reveals the level of practicality and rationality."),
      QStringLiteral("Card 4 - Right shoulder: Reveals our natural ability and common sense."),
      QStringLiteral("Card 5 - Left shoulder: Reveals our learning skills and our capacity to take up things."),
      QStringLiteral("Card 6 - Heart/ centre position: Related to how we tackle our emotions."),
      QStringLiteral("Card 7 - Right hip: Relates to our destiny - the path which we choose."),
      QStringLiteral("Card 8 - Left hip: Reveals our energy level."),
      QStringLiteral("Card 9 - Groin: Reveals the level of sexuality and sensuality."),
      QStringLiteral("Card 10 - feet: Reveals our basic nature.")};
  return t;
}

const QStringList& zodiacTexts() {
  static const QStringList t = {
      QStringLiteral("Card 2 is Related to Taurus which represents your financial and business matters."),
      QStringLiteral("Card 3 is Related to Gemini which represents communication and education."),
      QStringLiteral("Card 4 is Related to Cancer which represents home, family and childhood concerns."),
      QStringLiteral("Card 5 is Related to Leo which represents the pleasures and leisure of life."),
      QStringLiteral("Card 6 is Related to Virgo which represents work and responsibility."),
      QStringLiteral("Card 7 is Related to Libra which represents close partnership and love."),
      QStringLiteral("Card 8 is Related to Scorpio which reveals all your hidden influences and desires."),
      QStringLiteral("Card 9 is Related to Sagittarius which represents you intimacy in religion and philosophy."),
      QStringLiteral("Card 10 is Related to Capricorn which represents your career and ambition."),
      QStringLiteral("Card 11 is Related to Aquarius which represents your social life and acquaintances."),
      QStringLiteral("Card 12 is Related to Pisces which represents your strengths and weaknesses.")};
  return t;
}

std::optional<QString> entry(const QStringList& texts, int k) {
  if (k < 0 || k >= texts.size()) return std::nullopt;
  return texts[k];
}

// The Romany spread names the part of time of the next card; its last slot
// empties the box.
std::optional<QString> romanyText(int k) {
  if (k < 0 || k > 20) return std::nullopt;
  if (k == 20) return QString();
  const int n = k + 2;
  const char* tail = n <= 7 ? " represents the past" : n <= 14 ? " represents the present" : " reflects the future";
  return QStringLiteral("Card ") + QString::number(n) + QLatin1String(tail);
}

}  // namespace

DeckPart deckPart(bool majorArcana, bool minorArcana) {
  using namespace TarotCardTable;
  if (majorArcana) return {kFirstMajor, kMajorCount};
  if (minorArcana) return {kFirstMinor, kMinorCount};
  return {0, kCardCount};
}

bool liesReversed(double value) {
  const double rounded = platform::vb::Round(value * 10.0);
  return std::fmod(rounded, 2.0) != 0.0;
}

std::optional<QString> positionText(const QString& spreadName, int position) {
  const int index = TarotSpreadTable::findByName(spreadName);
  if (index < 0) return std::nullopt;
  const TarotSpreadTable::Spread& spread = TarotSpreadTable::row(index);
  if (position < 0 || position >= spread.positions ||
      position >= int(spread.positionTexts.size()))
    return std::nullopt;
  const TarotSpreadTable::Position& p = spread.positionTexts[std::size_t(position)];
  return p.title + (spread.inlineForm ? QString() : kCrLf) + p.meaning;
}

std::optional<QString> placementText(int spreadIndex, int k) {
  if (spreadIndex < 0 || spreadIndex >= TarotSpreadTable::kSpreadCount) return std::nullopt;
  const TarotSpreadTable::Spread& spread = TarotSpreadTable::row(spreadIndex);
  switch (spreadIndex) {
    case 0: return entry(celticCrossTexts(), k);
    case 1: return std::nullopt;
    case 8: return entry(relationshipTexts(), k);
    case 9: return romanyText(k);
    case 10: return entry(zodiacTexts(), k);
    case 11: return entry(treeOfLifeTexts(), k);
    case 12:
      // Every slot but the last empties the box.
      if (k >= 0 && k < spread.positions - 1) return QString();
      return std::nullopt;
    default:
      // The position the next slot holds, as the picks showed it; the last
      // slot keeps the box as it is.
      if (k < 0 || k >= spread.positions - 1) return std::nullopt;
      return positionText(spread.listText, k + 1);
  }
}

}  // namespace ManualReading

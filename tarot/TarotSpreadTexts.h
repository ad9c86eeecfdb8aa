#pragma once
#include <QString>

// The longer texts of the spread table: each spread's description and the
// position meanings written in full sentences.
namespace TarotSpreadTexts {
QString description(int spreadIndex);
QString threeCardsPast();
QString threeCardsPresent();
QString chakraRoot();
QString chakraThroat();
}  // namespace TarotSpreadTexts

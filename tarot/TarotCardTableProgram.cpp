// The parts of the card table that reach into the rest of the program: the
// meaning texts and the picture files beside the program.
#include "platform/Services.h"
#include "tarot/TarotCardTable.h"
#include "tarot/TarotCardTexts.h"

namespace TarotCardTable {

QString uprightMeaning(int number) {
  return isCard(number) ? QString::fromUtf8(TarotCardTexts::upright(number)) : QString();
}

QString reversedMeaning(int number) {
  return isCard(number) ? QString::fromUtf8(TarotCardTexts::reversed(number)) : QString();
}

QString picturePath(const QString& deckLetter, int number) {
  if (!isCard(number)) return QString();
  return platform::programFolder() + QStringLiteral("/cards/") + deckLetter +
         QString::number(number) + QStringLiteral(".jpg");
}

}  // namespace TarotCardTable

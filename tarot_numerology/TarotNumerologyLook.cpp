#include "tarot_numerology/TarotNumerologyLook.h"

#include "shell/MainFace.h"

namespace tarotnumerology {

QString formParagraph() {
  return QStringLiteral(
      "Sylvaric helps you in understanding the character of a person in a better way. From a "
      "name and a date of birth it works out the Life Path and Destiny numbers. Each number from "
      "1 to 9 belongs to cards of the Major or the Minor Arcana, and the reading shows those "
      "cards beside the number's planet, days, colours and stones. The cards are drawn from the "
      "default deck, the \"Brevanth Tarot Deck\".");
}

QString coBrandText() {
  return QStringLiteral(
      "Co-brand this software for your site. Put your site's name and a link to it inside the "
      "program and hand it on to your visitors; the help pages tell you how.");
}

QString noLetterMessage() {
  return QStringLiteral("Please Enter A Name With At Least One Letter From A To Z");
}

void setWelcomePanelVisible(bool visible) {
  // While the main window closes it unloads the mode's windows, whose unload
  // handlers still reach its panel.
  shell::mainface::setWelcomeVisibleWhilePresent(visible);
}

}  // namespace tarotnumerology

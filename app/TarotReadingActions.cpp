
#include "app/Wiring.h"
#include "platform/Services.h"
#include "tarot/TarotReadingFile.h"
#include "tarot/TarotReadingState.h"
#include "shell/ReadingDialogs.h"

// The main window's Save writes the reading on the board from the
// current-reading record; nothing is written when the dialog is cancelled,
// and a failed write says so and leaves any earlier file whole.
void app::saveTarotReading() {
  const std::optional<QString> path = shell::chooseReadingToSave(
      QStringLiteral("Auravane | *.lqs"), QStringLiteral("lqs"), QStringLiteral("Auravane"), false);
  if (!path) return;
  if (!TarotReadingFile::save(*path, tarotState().savedReading())) shell::reportSaveFailure(*path);
}


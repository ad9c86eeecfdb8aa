#include <QFileInfo>

#include "app/Wiring.h"
#include "platform/Services.h"
#include "tarot/TarotReadingFile.h"
#include "tarot/TarotReadingState.h"

// The main window's Save writes the reading on the board from the
// current-reading record; nothing is written when the dialog is cancelled,
// and a failed write says so and leaves any earlier file whole.
void app::saveTarotReading() {
  platform::FileDialogRequest req;
  req.filter = QStringLiteral("Auravane | *.lqs");
  req.filterIndex = 2;
  req.defaultExt = QStringLiteral("lqs");
  req.title = QStringLiteral("Auravane");
  req.fileName = QString();
  req.overwritePrompt = true;
  const std::optional<QString> path = platform::services().saveDialog(req);
  if (!path || path->isEmpty()) return;
  if (!TarotReadingFile::save(*path, tarotState().savedReading()))
    platform::MsgBox(QStringLiteral("The reading could not be saved to \"%1\". Nothing was written.")
                         .arg(QFileInfo(*path).fileName()),
                     platform::vbCritical);
}


#include <QLineEdit>
#include <QPlainTextEdit>

#include "platform/Services.h"
#include "tarot/TarotReadingFile.h"
#include "shell/MainFace.h"
#include "shell/ReadingDialogs.h"
#include "tarot/BoardLink.h"
#include "tarot/TarotLook.h"
#include "tarot/TarotReadingState.h"
#include "tarot/frmTarotFront.h"

// "&Open Previous Record": reads a saved reading into the opened-reading
// fields of the current-reading record and has the board lay it out again.
// The whole file is checked before anything changes; a file that is not a
// saved reading the board can lay out is refused with the one message, and
// the reading on screen stays as it was.
void frmTarotFront::cmdOpen_Click() {
  const std::optional<QString> path =
      shell::chooseReadingToOpen(QStringLiteral("Auravane (*.lqs)|*.lqs"), QStringLiteral("lqs"));
  if (!path) return;  // cancelled: nothing changes

  if (!path->endsWith(QLatin1String("lqs"))) return shell::refuseReadingFile();
  // Only a regular file is read: a named pipe, a device or a socket would
  // hold the program until something writes to it.
  const std::optional<TarotReadingFile::Reading> reading = TarotReadingFile::load(*path);
  if (!reading) return shell::refuseReadingFile();

  tarotState().openSavedReading(*reading);
  tarot::layOutOpenedReading(int(reading->cards.size()));

  // A saved reading holds no querent: the strip's boxes are emptied rather
  // than left showing an earlier querent beside this reading.
  shell::mainface::setQuerent({});
  shell::mainface::showReportPanel();
  shell::mainface::show();
  // As after a deal: the board beside the report panel, the report from its
  // beginning, and Save next.
  tarot::placeBoardTopLeft();
  shell::mainface::showReportBeginning();
  shell::mainface::focusSave();
}

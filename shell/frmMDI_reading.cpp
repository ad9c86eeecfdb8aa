#include <QFileInfo>

#include "platform/Services.h"
#include "shell/ReportWriter.h"
#include "shell/frmMDI.h"
#include "tarot/TarotReadingFile.h"
#include "tarot/TarotReadingState.h"

// Save writes the reading on the board from the current-reading record;
// nothing is written when the dialog is cancelled, and a failed write says
// so and leaves any earlier file whole.
void frmMDI::cmdSave_Click() {
  platform::FileDialogRequest req;
  req.filter = QStringLiteral("Auravane | *.lqs");
  req.filterIndex = 2;
  req.defaultExt = QStringLiteral("lqs");
  req.title = QStringLiteral("Auravane");
  req.fileName = QString();
  req.overwritePrompt = true;
  const std::optional<QString> path = platform::services().saveDialog(req);
  if (!path || path->isEmpty()) return;
  if (!TarotReadingFile::save(*path, TarotReadingFile::fromState(tarotState())))
    platform::MsgBox(QStringLiteral("The reading could not be saved to \"%1\". Nothing was written.")
                         .arg(QFileInfo(*path).fileName()),
                     platform::vbCritical);
}

// Print lays the report's plain text between a header and a footer line and
// prints it on the default printer. Each print is composed afresh.
void frmMDI::cmdPrint_Click() {
  const QString line = shell::reportGeneratedBy();
  if (!shell::printFramed(rtb1, RTB->Text(), line, line))
    platform::MsgBox(QStringLiteral("No printer is available. Nothing was printed."),
                     platform::vbInformation);
}

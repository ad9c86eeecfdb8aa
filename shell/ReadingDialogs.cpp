#include "shell/ReadingDialogs.h"

#include <QFileInfo>
#include <QStringList>

#include "platform/Services.h"

namespace shell {

std::optional<QString> chooseReadingToOpen(const QString& filter, const QString& extension) {
  platform::FileDialogRequest req;
  req.filter = filter;
  req.filterIndex = 2;
  req.defaultExt = extension;
  req.title = QStringLiteral("Select the source file");
  req.overwritePrompt = false;
  const std::optional<QString> path = platform::services().openDialog(req);
  if (!path || path->isEmpty()) return std::nullopt;
  return path;
}

void refuseReadingFile() {
  platform::MsgBox(QStringLiteral("Please Check The File."), platform::vbCritical);
}

std::optional<QString> chooseReadingToSave(const QString& filter, const QString& extension,
                                           const QString& title, bool ensureExtension) {
  platform::FileDialogRequest req;
  req.filter = filter;
  req.filterIndex = 2;
  req.defaultExt = extension;
  req.title = title;
  req.overwritePrompt = true;
  const std::optional<QString> chosen = platform::services().saveDialog(req);
  if (!chosen || chosen->isEmpty()) return std::nullopt;

  QString path = *chosen;
  const QString ending = QLatin1Char('.') + extension;
  if (ensureExtension && !path.endsWith(ending)) {
    path += ending;
    if (QFileInfo::exists(path) &&
        platform::MsgBox(QStringLiteral("%1 already exists.\rDo you want to replace it?")
                             .arg(QFileInfo(path).fileName()),
                         platform::vbYesNo | platform::vbExclamation) != platform::vbYes)
      return std::nullopt;
  }
  return path;
}

bool confirmUnkeptCharacters(const QString& unkept) {
  if (unkept.isEmpty()) return true;
  QStringList shown;
  for (const QChar c : unkept) shown << QString(c);
  return platform::MsgBox(QStringLiteral("A reading file cannot keep these characters: ") +
                              shown.join(QLatin1Char(' ')) +
                              QStringLiteral("\rDo you want to save the reading without them?"),
                          platform::vbYesNo | platform::vbQuestion) == platform::vbYes;
}

void reportSaveFailure(const QString& path) {
  platform::MsgBox(QStringLiteral("The reading could not be saved to \"%1\". Nothing was written.")
                       .arg(QFileInfo(path).fileName()),
                   platform::vbCritical);
}

}  // namespace shell

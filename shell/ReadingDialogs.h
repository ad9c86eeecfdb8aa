#pragma once
#include <QString>
#include <optional>

// The dialogs and messages around saving and opening a reading file, the
// same in every mode.
namespace shell {

// Asks for a saved reading to open ("Select the source file"), showing the
// files of the given filter. Nothing when the dialog is cancelled.
std::optional<QString> chooseReadingToOpen(const QString& filter, const QString& extension);

// The one message a file that is not a whole saved reading gets.
void refuseReadingFile();

// Asks where to save a reading. With ensureExtension, a name that does not
// end in "." and the extension gets it added, and an existing file of that
// name is replaced only after a Yes (the dialog asked about the name it was
// given). Nothing when the dialog is cancelled or the answer is No.
std::optional<QString> chooseReadingToSave(const QString& filter, const QString& extension,
                                           const QString& title, bool ensureExtension);

// When a reading holds characters its file cannot keep, names them and asks
// whether to save without them. True when there are none or the answer is
// Yes.
bool confirmUnkeptCharacters(const QString& unkept);

// Tells that a reading could not be saved to path: nothing was written.
void reportSaveFailure(const QString& path);

}  // namespace shell

#pragma once
#include <QDate>
#include <QString>

#include "shell/modRTBAutoUrlDetect.h"
#include "shell/modTellAFriend.h"

// Links to the maker's web pages, the update reminder and quitting.
namespace modHelp {

void GoToSoftwaresPage();
void GoToDonatePage();
void GoToHelpPage();
void GoToFullyBrandedPage();
void GoToCoBrandPage();
void GoToHomePage();
void GoToDownloadPage();

// Asks now and then whether to look for a newer version (see the .cpp).
void UpdateReminder();

// Unloads every loaded window and ends the program, exactly once.
void QuitProgram();

}  // namespace modHelp

namespace shell {

// State of the shell that lives for the whole run.
struct ShellState {
  QString strDurationKey;   // encoded value name of the reminder's setting
  bool quitting = false;    // QuitProgram is under way
  bool programEnded = false;
  TellAFriendValues tellAFriend;  // the exit screen's refer-a-friend form
  UrlDetectSlot urlDetect;        // the report box with clickable addresses
};
ShellState& shellState();

// The reminder's date as it is stored: the short date form of the user's
// locale, with a four-digit year.
QString formatReminderDate(const QDate& d);
// Reads a stored reminder date; accepts two- and four-digit years. Invalid
// when the text is no date.
QDate parseReminderDate(const QString& text);

}  // namespace shell

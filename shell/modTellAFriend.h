#pragma once
#include <QString>

// The refer-a-friend form of the exit screen: what the user typed, and the
// address of the maker's page that receives it.

namespace shell {

// The form's values as last submitted (trimmed of spaces), and the address
// built from them. Part of the shell's program-wide state (ShellState).
struct TellAFriendValues {
  QString strTafName;
  QString strTafEmail;
  QString strTafMessage;
  QString strTafFriendName;
  QString strTafFriendEmail;
  QString strTafUrl;
};

// The refer-a-friend address for the given values. Each typed value is
// percent-encoded as UTF-8 (letters, digits, "-", ".", "_", "~" and "@"
// stay as they are), so that "&", "=", "#", "+" or "%" in a name or a
// message reaches the page unchanged.
QString tellAFriendAddress(const TellAFriendValues& v);

}  // namespace shell

namespace modTellAFriend {

// Checks the stored values in order; the first one left empty or at its
// placeholder gets its message. Otherwise builds the address into strTafUrl
// and opens it.
void SubmitTellAFriend();
// Opens strTafUrl in the browser.
void OpenTellAFriendUrl();

}  // namespace modTellAFriend

#include "shell/modTellAFriend.h"

#include <QUrl>

#include "platform/Services.h"
#include "platform/VbString.h"
#include "shell/Site.h"
#include "shell/modHelp.h"

namespace shell {
namespace {
QString encoded(const QString& typed) {
  return QString::fromLatin1(QUrl::toPercentEncoding(typed, QByteArrayLiteral("@")));
}
}  // namespace

QString tellAFriendAddress(const TellAFriendValues& v) {
  return siteBase() + QStringLiteral("/auravane/ssd.php?page=vrtc-refer-a-friend") +
         QStringLiteral("&taf1=") + encoded(v.strTafName) +
         QStringLiteral("&taf2=") + encoded(v.strTafEmail) +
         QStringLiteral("&taf3=") + encoded(v.strTafMessage) +
         QStringLiteral("&taf4=") + encoded(v.strTafFriendName) +
         QStringLiteral("&taf5=") + encoded(v.strTafFriendEmail) +
         QStringLiteral("&taf6=") + siteBase() + QStringLiteral("/auravane/");
}

}  // namespace shell

void modTellAFriend::SubmitTellAFriend() {
  shell::TellAFriendValues& v = shell::shellState().tellAFriend;
  struct Check {
    const QString& value;
    const char* placeholder;
    const char* message;
  };
  const Check checks[] = {
      {v.strTafName, "Your Name", "Please Enter Your Name"},
      {v.strTafEmail, "Your Email Address", "Please Enter Your Email"},
      {v.strTafMessage, "Your Message", "Please Enter Your Message"},
      {v.strTafFriendName, "Friend's Name", "Please Enter Your Friend's Name"},
      {v.strTafFriendEmail, "Friend's Email Address", "Please Enter Your Friend's Email"},
  };
  for (const Check& c : checks) {
    const QString t = platform::vb::Trim(c.value);
    if (t.isEmpty() || t == QLatin1String(c.placeholder)) {
      platform::MsgBox(QString::fromLatin1(c.message), platform::vbCritical);
      return;
    }
  }
  v.strTafUrl = shell::tellAFriendAddress(v);
  modTellAFriend::OpenTellAFriendUrl();
}

void modTellAFriend::OpenTellAFriendUrl() {
  const QString& address = shell::shellState().tellAFriend.strTafUrl;
  platform::OpenUrl(QUrl::fromEncoded(address.toUtf8(), QUrl::StrictMode));
}

#include "shell/modHelp.h"

#include <QLocale>
#include <QRegularExpression>
#include <QUrl>

#include "platform/Forms.h"
#include "platform/ProgramState.h"
#include "platform/Services.h"
#include "platform/Settings.h"
#include "shell/Site.h"
#include "shell/modTextEncoding.h"

namespace {
void openPage(const char* key) {
  platform::OpenUrl(QUrl(shell::pageAddress(QString::fromLatin1(key))));
}

QString shortFormatFourDigitYear() {
  QString f = QLocale().dateFormat(QLocale::ShortFormat);
  if (!f.contains(QLatin1String("yyyy"))) f.replace(QLatin1String("yy"), QLatin1String("yyyy"));
  return f;
}

const QString kSection = QStringLiteral("Settings");

void storeToday() {
  const QString key = modTextEncoding::EncodeText(QStringLiteral("Duration"));
  platform::SaveSetting(platform::exeName(), kSection, key,
                        modTextEncoding::EncodeText(shell::formatReminderDate(platform::Today())));
}
}  // namespace

void modHelp::GoToSoftwaresPage() { openPage("thrennicsoftwares"); }
void modHelp::GoToDonatePage() { openPage("donate"); }
void modHelp::GoToHelpPage() { openPage("help-web-page"); }
void modHelp::GoToFullyBrandedPage() { openPage("fully-branded"); }
void modHelp::GoToCoBrandPage() { openPage("co-brand"); }
void modHelp::GoToHomePage() { openPage("home-page"); }
void modHelp::GoToDownloadPage() { openPage("download-web-page"); }

namespace shell {

ShellState& shellState() {
  static ShellState s;
  static const bool registered =
      platform::registerStateReset([] { shellState() = ShellState(); });
  (void)registered;
  return s;
}

QString formatReminderDate(const QDate& d) { return QLocale().toString(d, shortFormatFourDigitYear()); }

QDate parseReminderDate(const QString& text) {
  const QLocale loc;
  const QString fourDigit = shortFormatFourDigitYear();
  QDate d = loc.toDate(text, fourDigit);
  if (d.isValid()) {
    // "yyyy" also takes a year written with two digits.
    if (d.year() < 100) d = QDate(d.year() + 2000, d.month(), d.day());
    return d;
  }
  // A two-digit year (as older versions wrote it) is read in this century.
  QString twoDigit = fourDigit;
  twoDigit.replace(QLatin1String("yyyy"), QLatin1String("yy"));
  d = loc.toDate(text, twoDigit);
  if (d.isValid()) {
    while (d.year() < 2000) d = d.addYears(100);
    return d;
  }
  return QDate();
}

}  // namespace shell

// The reminder keeps the date of its last question in the one setting. It
// asks when that date lies more than 14 days from today in either direction;
// a first run only stores today; a stored text that is no date ends it
// silently, storing nothing.
void modHelp::UpdateReminder() {
  shell::ShellState& st = shell::shellState();
  st.strDurationKey = modTextEncoding::EncodeText(QStringLiteral("Duration"));
  const QString stored = modTextEncoding::DecodeText(
      platform::GetSetting(platform::exeName(), kSection, st.strDurationKey, QString()));
  if (stored.isEmpty()) {
    storeToday();
    return;
  }
  const QDate last = shell::parseReminderDate(stored);
  if (!last.isValid()) return;
  const qint64 diff = platform::Today().daysTo(last);
  if (diff >= -14 && diff <= 14) return;
  const int answer = platform::MsgBox(
      QStringLiteral("There maybe an update to this software available\rDo you want to check for an update?"),
      platform::vbYesNo | platform::vbInformation);
  storeToday();
  if (answer == platform::vbYes) modHelp::GoToDownloadPage();
}

void modHelp::QuitProgram() {
  shell::ShellState& st = shell::shellState();
  if (st.programEnded) return;
  const bool outer = !st.quitting;
  st.quitting = true;
  // A window already on its way out is passed over, so an unload handler
  // that calls back in here unloads nothing twice.
  // A window that an unload handler brings up on the way (the main window
  // shows the exit screen) goes too; the passes are bounded.
  for (int pass = 0; pass < 8 && !platform::Forms::loadedForms().empty(); ++pass)
    for (platform::Form* f : platform::Forms::loadedForms()) platform::Forms::unload(f);
  if (!st.programEnded) {
    st.programEnded = true;
    platform::services().endProgram();
  }
  if (outer) st.quitting = false;
}

#include "testsupport_core.h"

#include <QLocale>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextDocument>
#include <csignal>
#include <sys/resource.h>

#include "platform/ProgramState.h"

namespace testsupport {

Fakes& fakes() {
  static Fakes f;
  return f;
}

void installFakes() {
  fakes() = Fakes();
  platform::Services& s = platform::services();
  s.today = [] { return fakes().today; };
  s.rnd = [] {
    Fakes& f = fakes();
    if (f.rnd.empty()) return f.fallback.next();
    const double v = f.rnd.front();
    f.rnd.pop_front();
    return v;
  };
  s.randomize = [] { ++fakes().randomizeCalls; };
  s.sleep = [](int ms) { fakes().sleeps << ms; };
  s.doEvents = [] { ++fakes().doEventsCalls; };
  s.msgBox = [](const QString& text, int style, const QString& title) {
    Fakes& f = fakes();
    f.boxes << ShownBox{text, style, title};
    if ((style & 7) == platform::vbYesNo) {
      if (f.answers.empty()) return int(platform::vbNo);
      const int a = f.answers.front();
      f.answers.pop_front();
      return a;
    }
    return int(platform::vbOK);
  };
  s.saveDialog = [](const platform::FileDialogRequest& r) -> std::optional<QString> {
    Fakes& f = fakes();
    f.saveRequests << r;
    if (f.saveChoices.empty()) return std::nullopt;
    auto c = f.saveChoices.front();
    f.saveChoices.pop_front();
    return c;
  };
  s.openDialog = [](const platform::FileDialogRequest& r) -> std::optional<QString> {
    Fakes& f = fakes();
    f.openRequests << r;
    if (f.openChoices.empty()) return std::nullopt;
    auto c = f.openChoices.front();
    f.openChoices.pop_front();
    return c;
  };
  s.print = [](const QTextDocument& doc) {
    Fakes& f = fakes();
    if (!f.printerPresent) return false;
    f.printed << doc.toPlainText();
    return true;
  };
  s.openUrl = [](const QUrl& u) { fakes().urls << u; };
  s.endProgram = [] { ++fakes().endCalls; };
  // The program's own folder, unless a test points it elsewhere.
  s.programFolder = platform::coreServices().programFolder;
}

void pinLocale() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

void resetModel() {
  platform::resetProgramState();
  pinLocale();
  installFakes();
}

QString tempDir() {
  static QTemporaryDir dir;
  return dir.path();
}

void initCoreTestApp(QCoreApplication&) {
  QCoreApplication::setApplicationName(QStringLiteral(AURAVANE_PROGRAM_NAME));
  QStandardPaths::setTestModeEnabled(true);
  // Each test process keeps its settings in its own folder, so that tests
  // running side by side never read each other's reminder date.
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, tempDir() + QStringLiteral("/settings"));
  pinLocale();
  installFakes();
}

FileSizeLimit::FileSizeLimit(qint64 bytes) {
  // Past the limit the system would also send a signal that ends the
  // process; ignored, the write fails with an error instead.
  previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
  rlimit lim{};
  getrlimit(RLIMIT_FSIZE, &lim);
  previous_ = lim.rlim_cur;
  lim.rlim_cur = rlim_t(bytes);
  setrlimit(RLIMIT_FSIZE, &lim);
}

FileSizeLimit::~FileSizeLimit() {
  rlimit lim{};
  getrlimit(RLIMIT_FSIZE, &lim);
  lim.rlim_cur = rlim_t(previous_);
  setrlimit(RLIMIT_FSIZE, &lim);
  std::signal(SIGXFSZ, previousHandler_);
}

}  // namespace testsupport

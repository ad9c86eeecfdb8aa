#include "platform/Services.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QEventLoop>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPointer>
#include <QThread>
#include <QTime>
#include <cstdio>
#include <cstdlib>
#include <utility>
#include <vector>

namespace platform {

double Lcg24::next() {
  state_ = (state_ * 0x43FD43FDu + 0xC39EC3u) & 0xFFFFFFu;
  return double(state_) / double(1u << 24);
}

void Lcg24::reseed(quint32 seed) {
  // Keep part of the old state so that two reseeds within one clock tick
  // still give different sequences.
  state_ = ((state_ << 8) ^ seed ^ (seed >> 8) ^ (seed >> 16)) & 0xFFFFFFu;
}

namespace {

Lcg24& generator() {
  static Lcg24 g;
  return g;
}

// Whether an event is the user's input (as opposed to a repaint, a timer or
// the program's own work).
bool isUserInput(QEvent::Type type) {
  switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::NonClientAreaMouseButtonRelease:
    case QEvent::NonClientAreaMouseButtonDblClick:
    case QEvent::NonClientAreaMouseMove:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Wheel:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
    case QEvent::TabletPress:
    case QEvent::TabletMove:
    case QEvent::TabletRelease:
    case QEvent::ContextMenu:
      return true;
    default:
      return false;
  }
}

// Holds the user's input that reaches the program while pending events run
// inside a long loop, and hands it back afterwards. The system's own input
// already waits (ExcludeUserInputEvents); this also holds input that was
// posted to a window, so that no click is handled before the loop ends.
class InputHold : public QObject {
 public:
  InputHold() { QCoreApplication::instance()->installEventFilter(this); }
  ~InputHold() override {
    QCoreApplication::instance()->removeEventFilter(this);
    // Posted again in the order they came; they are delivered once the
    // program is back in its event loop (a later pump holds them again).
    for (auto& [receiver, event] : held_) {
      if (receiver) QCoreApplication::postEvent(receiver, event);
      else delete event;
    }
  }

 protected:
  bool eventFilter(QObject* receiver, QEvent* e) override {
    if (!isUserInput(e->type())) return false;
    held_.emplace_back(QPointer<QObject>(receiver), e->clone());
    return true;
  }

 private:
  std::vector<std::pair<QPointer<QObject>, QEvent*>> held_;
};

void pendingEventsWithoutInput() {
  if (!QCoreApplication::instance()) return;
  InputHold hold;
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

Services& current() {
  static Services s = coreServices();
  return s;
}

}  // namespace

Services coreServices() {
  Services s;
  s.today = [] { return QDate::currentDate(); };
  s.rnd = [] { return generator().next(); };
  s.randomize = [] {
    const QTime now = QTime::currentTime();
    generator().reseed(quint32(now.msecsSinceStartOfDay()));
  };
  s.sleep = [](int ms) { QThread::msleep(ms > 0 ? ms : 0); };
  s.doEvents = pendingEventsWithoutInput;
  // Without windows there is no one to ask: a message goes to the standard
  // error stream and counts as answered with OK (or No), a dialog as
  // cancelled, and nothing is printed.
  s.msgBox = [](const QString& text, int style, const QString&) {
    std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
    return (style & 0x7) == vbYesNo ? int(vbNo) : int(vbOK);
  };
  s.saveDialog = [](const FileDialogRequest&) { return std::optional<QString>(); };
  s.openDialog = [](const FileDialogRequest&) { return std::optional<QString>(); };
  s.print = [](const QTextDocument&) { return false; };
  s.openUrl = [](const QUrl& url) { QDesktopServices::openUrl(url); };
  s.endProgram = [] {
    // Every setting and file is written through at once, so nothing is left
    // to flush but the standard streams.
    std::fflush(nullptr);
    std::_Exit(0);
  };
  s.programFolder = [] { return QCoreApplication::applicationDirPath(); };
  return s;
}

Services& services() { return current(); }

QDate Today() { return current().today(); }
double Rnd() { return current().rnd(); }
void Randomize() { current().randomize(); }
void Sleep(int ms) { current().sleep(ms); }
void DoEvents() { current().doEvents(); }
int MsgBox(const QString& text, int style, const QString& title) {
  return current().msgBox(text, style, title);
}
void OpenUrl(const QUrl& url) { current().openUrl(url); }

void ClearClipboard() {
  if (auto* cb = QGuiApplication::clipboard()) cb->clear();
}

QString programTitle() { return QCoreApplication::applicationName(); }

QString programFolder() { return current().programFolder(); }

QString exeName() {
  return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

}  // namespace platform

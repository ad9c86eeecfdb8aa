// The program's start runs helper threads before the application object
// exists (the session bus, the font configuration). They must leave the
// thread that makes the application as Qt's main thread: otherwise Qt warns
// that the application was not made in the main thread, and objects of the
// window's thread are taken for another thread's.
#include <QDBusConnection>
#include <QTest>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/socket.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>

#include "platform/App.h"
#include "platform/WarmUp.h"
#include "testsupport.h"

namespace {
QtMessageHandler previousHandler = nullptr;
QStringList warnings;
int silentBus = -1;
char silentBusDir[] = "/tmp/auravane-bus-XXXXXX";

// A session bus that takes the connection but never answers it, so that
// the helper is still waiting on it while the application is made.
void openSilentBus() {
  const char* dir = ::mkdtemp(silentBusDir);
  if (!dir) return;
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  std::snprintf(address.sun_path, sizeof address.sun_path, "%s/bus", dir);
  silentBus = ::socket(AF_UNIX, SOCK_STREAM, 0);
  if (silentBus < 0 || ::bind(silentBus, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
      ::listen(silentBus, 4) != 0)
    return;
  ::setenv("DBUS_SESSION_BUS_ADDRESS", (std::string("unix:path=") + address.sun_path).c_str(), 1);
}

void keepWarnings(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (type == QtWarningMsg) warnings << text;
  if (previousHandler) previousHandler(type, context, text);
}
}  // namespace

class TestStartThreads : public QObject {
  Q_OBJECT
 private slots:
  void applicationStaysOnTheStartingThread() {
    for (const QString& w : warnings) QVERIFY2(!w.contains(QLatin1String("main()")), qPrintable(w));
    // The window thread's timers and queued calls run here.
    bool ran = false;
    QTimer::singleShot(0, this, [&ran] { ran = true; });
    QTRY_VERIFY(ran);
  }

  void busThatNeverAnswersEndsCleanly() {
    // A second early start adds no thread.
    platform::connectSessionBusEarly();
    // The bus goes away unanswered: the connection fails, and the bridge's
    // own request gets that failure rather than waiting on.
    ::close(silentBus);
    silentBus = -1;
    ::unlink((std::string(silentBusDir) + "/bus").c_str());
    ::rmdir(silentBusDir);
    const QDBusConnection bus = QDBusConnection::sessionBus();
    QVERIFY(!bus.isConnected());
  }
};

int main(int argc, char** argv) {
  previousHandler = qInstallMessageHandler(keepWarnings);
  openSilentBus();
  // The order of the program's own main.
  platform::setUpAllocator();
  platform::connectSessionBusEarly();
  platform::readFontConfigurationEarly();
  // Lets the helpers reach Qt first, as they may on a busy machine.
  std::this_thread::sleep_for(std::chrono::milliseconds(50));
  QApplication app(argc, argv);
  testsupport::initTestApp(app);
  TestStartThreads tc;
  QTEST_SET_MAIN_SOURCE_PATH
  return QTest::qExec(&tc, argc, argv);
}

#include "test_start_threads.moc"

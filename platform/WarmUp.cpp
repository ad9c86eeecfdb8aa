#include "platform/WarmUp.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QImageReader>
#include <QPointer>
#include <QThread>
#include <dlfcn.h>
#include <thread>

namespace platform {

namespace {

// Joined at the latest when the program ends.
struct EarlyReading {
  std::thread thread;
  ~EarlyReading() {
    if (thread.joinable()) thread.join();
  }
};

std::thread& earlyReading() {
  static EarlyReading reading;
  return reading.thread;
}

}  // namespace

void readFontConfigurationEarly() {
  if (earlyReading().joinable()) return;
  // The font configuration library is already loaded with the program (the
  // GUI library uses it); its initialisation may run on any thread, and a
  // second caller finds the configuration ready.
  using Init = int (*)();
  const auto init = reinterpret_cast<Init>(::dlsym(RTLD_DEFAULT, "FcInit"));
  if (!init) return;
  earlyReading() = std::thread([init] { init(); });
}

void warmUpInBackground() {
  // Both tables may be read from any thread. Before the main window needs
  // fonts (its first caption) and image plugins (its menu bar asks the
  // style for an icon) the GUI thread spends a few milliseconds on other
  // work: the single-instance lock, the setting, the first controls. Fonts
  // are read first, as they are needed first.
  static QPointer<QThread> reading;
  if (reading) return;
  reading = QThread::create([] {
    if (earlyReading().joinable()) earlyReading().join();
    QFontDatabase::families();
    QImageReader::supportedImageFormats();
  });
  QObject::connect(reading, &QThread::finished, reading, &QObject::deleteLater);
  qAddPostRoutine([] {
    if (reading) reading->wait();
  });
  reading->start();
}

}  // namespace platform

#include "platform/WarmUp.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QImageReader>
#include <QPointer>
#include <QThread>

namespace platform {

void warmUpInBackground() {
  // Both tables may be read from any thread. Before the main window needs
  // fonts (its first text box) and image plugins (its menu bar asks the
  // style for an icon) the GUI thread spends several milliseconds on other
  // work: the single-instance lock, the setting, the session bus, the first
  // controls. Fonts are read first, as they are needed first.
  static QPointer<QThread> reading;
  if (reading) return;
  reading = QThread::create([] {
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

#include "platform/WarmUp.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QRawFont>
#include <QPointer>
#include <QThread>
#include <dlfcn.h>
#include <thread>

namespace platform {

namespace {

// A thread started before the application object, joined at the latest
// when the program ends.
struct EarlyThread {
  std::thread thread;
  void join() {
    if (thread.joinable()) thread.join();
  }
  ~EarlyThread() { join(); }
};

std::thread& earlyReading() {
  static EarlyThread reading;
  return reading.thread;
}

EarlyThread& busConnecting() {
  static EarlyThread connecting;
  return connecting;
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

void connectSessionBusEarly() {
  if (busConnecting().thread.joinable()) return;
  // Qt takes the first thread that asks for its thread data for the main
  // thread; that must be this one, not the helper.
  QThread::currentThread();
  busConnecting().thread = std::thread([] { QDBusConnection::sessionBus(); });
  // The connection stays with the bus library's own manager; the helper
  // only opens it, and is done long before the application object goes.
  qAddPostRoutine([] { busConnecting().join(); });
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

void renderGlyphsAhead(const QFont& font, const QString& characters) {
  if (characters.isEmpty()) return;
  // The widths, as laying text out asks for them.
  QFontMetricsF(font).horizontalAdvance(characters);
  // The same font machinery that paints the font's text in a window.
  const QRawFont raw = QRawFont::fromFont(font);
  if (!raw.isValid()) return;
  const QList<quint32> glyphs = raw.glyphIndexesForString(characters);
  constexpr int kQuarters = 4;
  const qreal step = qMax<qreal>(raw.pixelSize(), 1) * 2;
  QList<quint32> all;
  QList<QPointF> at;
  for (int q = 0; q < kQuarters; ++q)
    for (int i = 0; i < glyphs.size(); ++i) {
      all << glyphs[i];
      at << QPointF(i * step + q / qreal(kQuarters), raw.ascent());
    }
  QGlyphRun run;
  run.setRawFont(raw);
  run.setGlyphIndexes(all);
  run.setPositions(at);
  // The window's own pixel format, so that the glyphs are made in the form
  // its painting uses.
  QImage picture(qMin(int(glyphs.size() * step) + 1, 4096),
                 qBound(1, int(raw.ascent() + raw.descent()) + 1, 1024), QImage::Format_RGB32);
  QPainter painter(&picture);
  painter.drawGlyphRun(QPointF(0, 0), run);
}

}  // namespace platform

#include "benchsupport.h"

#include <QEventLoop>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <unistd.h>

namespace bench {

namespace {

bool onPath(const char* program) {
  const char* path = std::getenv("PATH");
  if (!path) return false;
  const QStringList dirs = QString::fromLocal8Bit(path).split(QLatin1Char(':'));
  for (const QString& d : dirs) {
    const QByteArray full = (d + QLatin1Char('/') + QLatin1String(program)).toLocal8Bit();
    if (!d.isEmpty() && ::access(full.constData(), X_OK) == 0) return true;
  }
  return false;
}

}  // namespace

void ensureDisplay(int argc, char** argv) {
  if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) return;
  if (!qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
    return;
  if (qEnvironmentVariableIsEmpty("AURAVANE_BENCH_UNDER_XVFB") && onPath("xvfb-run")) {
    ::setenv("AURAVANE_BENCH_UNDER_XVFB", "1", 1);
    static char self[4096];
    const ssize_t n = ::readlink("/proc/self/exe", self, sizeof self - 1);
    if (n > 0) self[n] = 0;
    std::vector<char*> args;
    args.push_back(const_cast<char*>("xvfb-run"));
    args.push_back(const_cast<char*>("-a"));
    args.push_back(const_cast<char*>("-s"));
    args.push_back(const_cast<char*>("-screen 0 1280x1024x24 -nolisten tcp"));
    args.push_back(n > 0 ? self : argv[0]);
    for (int i = 1; i < argc; ++i) args.push_back(argv[i]);
    args.push_back(nullptr);
    std::fflush(stdout);
    ::execvp("xvfb-run", args.data());
    std::perror("xvfb-run");
  }
  std::fprintf(stderr,
               "warning: no display and no Xvfb; the figures are taken offscreen, where nothing "
               "reaches a screen\n");
  ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
}

QString platformDescription() {
  QString s = QGuiApplication::platformName();
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    s += QStringLiteral(", screen %1 x %2").arg(screen->size().width()).arg(screen->size().height());
  if (!qEnvironmentVariableIsEmpty("AURAVANE_BENCH_UNDER_XVFB")) s += QStringLiteral(" (Xvfb)");
  return s;
}

qint64 nowNs() {
  timespec ts{};
  clock_gettime(CLOCK_MONOTONIC, &ts);
  return qint64(ts.tv_sec) * 1000000000LL + ts.tv_nsec;
}

qint64 threadCpuNs() {
  timespec ts{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
  return qint64(ts.tv_sec) * 1000000000LL + ts.tv_nsec;
}

long residentKb() {
  std::FILE* f = std::fopen("/proc/self/statm", "r");
  if (!f) return -1;
  long size = 0, resident = 0;
  const int got = std::fscanf(f, "%ld %ld", &size, &resident);
  std::fclose(f);
  return got == 2 ? resident * (::sysconf(_SC_PAGESIZE) / 1024) : -1;
}

PaintClock::PaintClock(int& argc, char** argv) : QApplication(argc, argv) {}

bool PaintClock::notify(QObject* receiver, QEvent* event) {
  const QEvent::Type type = event->type();
  const bool result = QApplication::notify(receiver, event);
  if (type == QEvent::UpdateRequest || type == QEvent::Paint || type == QEvent::Expose) {
    lastPaintEnd_ = nowNs();
    lastPaintEndCpu_ = threadCpuNs();
    // A whole window's repaint, not the first widget painted inside it.
    if (!firstPaintEnd_ && type != QEvent::Paint) firstPaintEnd_ = lastPaintEnd_;
  }
  return result;
}

int reportWhenDrawn(PaintClock& app, qint64 mainNs, qint64 appNs, qint64 shownNs) {
  // Long enough for anything the start queued to have been painted.
  constexpr qint64 kQuiet = 300 * 1000000LL;
  QTimer tick;
  tick.setInterval(2);
  QObject::connect(&tick, &QTimer::timeout, &app, [&] {
    if (!app.lastPaintEndNs() || nowNs() - app.lastPaintEndNs() < kQuiet) return;
    std::printf("drawn main=%lld app=%lld shown=%lld first=%lld last=%lld rss=%ld\n",
                (long long)mainNs, (long long)appNs, (long long)shownNs,
                (long long)app.firstPaintEndNs(), (long long)app.lastPaintEndNs(), residentKb());
    std::fflush(stdout);
    std::_Exit(0);
  });
  tick.start();
  return app.exec();
}

void runUntilQuiet(PaintClock& app, int quietMs, int limitMs) {
  const qint64 start = nowNs();
  const qint64 quiet = qint64(quietMs) * 1000000;
  const qint64 limit = qint64(limitMs) * 1000000;
  QEventLoop loop;
  QTimer tick;
  tick.setInterval(2);
  QObject::connect(&tick, &QTimer::timeout, &loop, [&] {
    const qint64 now = nowNs();
    if (now - start >= limit ||
        (now - start >= quiet && now - std::max(start, app.lastPaintEndNs()) >= quiet))
      loop.quit();
  });
  tick.start();
  loop.exec();
}

double msToLastRepaint(const PaintClock& app, qint64 startNs, qint64 handlerEndNs) {
  return double(std::max(handlerEndNs, app.lastPaintEndNs()) - startNs) / 1e6;
}

Spread3 spreadOf(std::vector<double> v) {
  Spread3 s;
  if (v.empty()) return s;
  std::sort(v.begin(), v.end());
  const std::size_t n = v.size();
  s.min = v.front();
  s.max = v.back();
  s.median = n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
  return s;
}

void printHeading(const QString& text) {
  std::printf("\n%s\n", text.toLocal8Bit().constData());
}

void printRow(const QString& label, const Spread3& s, const QString& goal, bool met,
              const QString& note) {
  std::printf("  %-40s %9.2f %9.2f %9.2f   %-22s %-8s %s\n", label.toLocal8Bit().constData(), s.min,
              s.median, s.max, goal.toLocal8Bit().constData(),
              goal.isEmpty() ? "" : (met ? "met" : "NOT met"), note.toLocal8Bit().constData());
  std::fflush(stdout);
}

}  // namespace bench

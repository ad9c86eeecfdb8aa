#pragma once
// What the benchmarks share: a display to run on, a clock that agrees
// across processes, the end of the last repaint, resident memory, and the
// rows of figures they print.
#include <QApplication>
#include <QString>
#include <vector>

namespace bench {

// Benchmarks measure what a person sees, so they run on a display. With
// no display and no platform chosen, the process starts itself again under
// a private Xvfb server of 1280 by 1024 (and never returns); without Xvfb it
// says so and goes on offscreen.
void ensureDisplay(int argc, char** argv);
// The platform the figures were taken on, for the heading.
QString platformDescription();

// Nanoseconds on the monotonic clock, comparable between processes.
qint64 nowNs();
// Processor time of the calling thread, in nanoseconds. Steadier than the
// clock on a busy machine, so it shows what a change saves.
qint64 threadCpuNs();

// Resident memory of this process, in kilobytes.
long residentKb();

// An application that notes when each repaint ends: the end of the last
// window update, paint or expose that it delivered.
class PaintClock : public QApplication {
 public:
  PaintClock(int& argc, char** argv);
  bool notify(QObject* receiver, QEvent* event) override;
  qint64 lastPaintEndNs() const { return lastPaintEnd_; }
  qint64 firstPaintEndNs() const { return firstPaintEnd_; }
  // The GUI thread's processor time at the end of the last repaint.
  qint64 lastPaintEndCpuNs() const { return lastPaintEndCpu_; }

 private:
  qint64 firstPaintEnd_ = 0;
  qint64 lastPaintEnd_ = 0;
  qint64 lastPaintEndCpu_ = 0;
};

// For a start-up child: runs the event loop until the first window is fully
// drawn (painted, then nothing more painted for a while), prints one line
//   drawn main=NS app=NS shown=NS first=NS last=NS rss=KB
// (monotonic nanoseconds of entering main, the application made, the window
// shown, the first and the last repaint's end; resident memory then) and
// ends the process at once.
int reportWhenDrawn(PaintClock& app, qint64 mainNs, qint64 appNs, qint64 shownNs);

// Runs the event loop until nothing has been painted for quietMs
// milliseconds (and at least that long), so that every repaint an action
// caused has happened, whether it came at once or from a queued event.
// Gives up after limitMs.
void runUntilQuiet(PaintClock& app, int quietMs = 120, int limitMs = 10000);

// Milliseconds from startNs to the end of the last repaint after it, or to
// handlerEndNs when nothing was painted after the handler returned.
double msToLastRepaint(const PaintClock& app, qint64 startNs, qint64 handlerEndNs);

struct Spread3 {
  double min = 0, median = 0, max = 0;
};
Spread3 spreadOf(std::vector<double> values);

// One row of figures: a label, min, median and max, the goal beside them
// with whether it is met, and a note after.
void printRow(const QString& label, const Spread3& s, const QString& goal, bool met,
              const QString& note = QString());
void printHeading(const QString& text);

}  // namespace bench

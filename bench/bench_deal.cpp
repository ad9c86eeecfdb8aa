// What a person waits for in a tarot reading, on a display:
//  - AutoCast on the spread page, the last face-down card of a manual
//    reading, and Open of a saved reading, for every spread: from the click
//    to the end of the last repaint it causes (the 3-second pause left out);
//  - resident memory after 100 readings in a row, in a process of its own
//    started the way the program starts, against its memory at start;
//  - where the time of one 21-card reading goes, part by part.
//
//   bench_deal [runs [kind [spread]]]
//                                  (default 11 clicks of each kind per spread;
//                                  a kind, autocast, pick or open, and a spread
//                                  index time only those clicks)
//   bench_deal --memory [readings] (the memory process; prints one line)
//
// On the display, or on a private Xvfb (1280 by 1024) when there is none.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QListWidget>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "app/Wiring.h"
#include "benchsupport.h"
#include "board/CardDeal.h"
#include "board/CardPictures.h"
#include "board/frmAuto.h"
#include "manual/frmTarotManual.h"
#include "platform/App.h"
#include "platform/Forms.h"
#include "platform/Pictures.h"
#include "platform/Services.h"
#include "tarot/TarotReadingFile.h"
#include "shell/frmMDI.h"
#include "tarot/TarotCardTable.h"
#include "tarot/TarotReadingState.h"
#include "tarot/TarotSpreadTable.h"
#include "tarot/frmTarot.h"
#include "tarot/frmTarotFront.h"
#include "tarot/frmTarotOpen.h"
#include "tarot/modInfo.h"

namespace {

using platform::Forms;

constexpr int kRomany = 9;
constexpr double kMedianGoalMs = 20.0;
constexpr double kWorstGoalMs = 33.0;

QString gOpenPath;  // what the open dialog answers

// The program's start, with the services a benchmark cannot wait on
// replaced: the pause takes no time, a message box is answered at once, the
// open dialog answers gOpenPath.
void startProgram(bench::PaintClock& app) {
  QCoreApplication::setApplicationName(QStringLiteral(AURAVANE_PROGRAM_NAME));
  platform::initApplication(app);
  shell::installMdiHost();
  app::wireProgram();
  platform::Services& s = platform::services();
  s.sleep = [](int) {};
  s.msgBox = [](const QString& text, int, const QString&) {
    std::fprintf(stderr, "message: %s\n", qPrintable(text));
    return int(platform::vbNo);
  };
  s.openDialog = [](const platform::FileDialogRequest&) { return std::optional<QString>(gOpenPath); };
  if (!shell::startProgram()) std::exit(1);
  bench::runUntilQuiet(app, 300);
}

// The tarot mode's front page, reached the way a person reaches it: the
// mode button (which unloads every tarot window), the splash's Continue.
frmTarotFront* frontPage() {
  Forms::get<frmMDI>()->cmdSelectOption[1]->click();
  frmTarotOpen* splash = Forms::find<frmTarotOpen>();
  splash->Timer1_Timer();
  splash->cmdContd->click();
  return Forms::find<frmTarotFront>();
}

// The spread page with a spread chosen, its other options as they come.
frmTarot* spreadPage(int spread) {
  frontPage()->cmdNext->click();
  frmTarot* page = Forms::find<frmTarot>();
  page->lstOption->setCurrentRow(spread);
  return page;
}

// A click on target: milliseconds to the end of the last repaint it
// causes, and the GUI thread's processor time over the same span.
struct Waited {
  double ms;
  double cpuMs;
};

Waited timeClick(bench::PaintClock& app, QWidget* target) {
  bench::runUntilQuiet(app, 60);
  const qint64 start = bench::nowNs();
  const qint64 startCpu = bench::threadCpuNs();
  QTest::mouseClick(target, Qt::LeftButton);
  const qint64 handled = bench::nowNs();
  const qint64 handledCpu = bench::threadCpuNs();
  bench::runUntilQuiet(app, 100);
  return {bench::msToLastRepaint(app, start, handled),
          double(std::max(handledCpu, app.lastPaintEndCpuNs()) - startCpu) / 1e6};
}

// A saved reading of a spread: distinct cards, every third one reversed.
TarotReadingFile::Reading savedReading(int spread) {
  TarotReadingFile::Reading r;
  const TarotSpreadTable::Spread& row = TarotSpreadTable::row(spread);
  r.spreadName = row.listText;
  r.deckLetter = QStringLiteral("r");
  for (int k = 0; k < row.positions; ++k) {
    const int card = (7 * k + 5 * spread) % TarotCardTable::kCardCount;
    r.cards.push_back(card);
    if (k % 3 == 1) r.reversed.push_back(card);
  }
  return r;
}

int boardCards() {
  const TarotReadingState& st = tarotState();
  return st.lngChosenCards.hasBounds() ? st.lngChosenCards.ubound() : 0;
}

void timeActions(bench::PaintClock& app, int runs, const QString& only, int onlySpread) {
  QTemporaryDir files;
  std::printf("click to the last repaint, ms, %d clicks each    %9s %9s %9s   %-22s %-8s %s\n",
              runs, "min", "median", "max", "goal", "", "GUI cpu");
  std::vector<Waited> all[3];
  bool allMet = true;
  const auto report = [](const QString& label, const std::vector<Waited>& clicks) {
    std::vector<double> ms, cpu;
    for (const Waited& w : clicks) {
      ms.push_back(w.ms);
      cpu.push_back(w.cpuMs);
    }
    const bench::Spread3 s = bench::spreadOf(ms);
    const bool met = s.median < kMedianGoalMs && s.max < kWorstGoalMs;
    bench::printRow(label, s, QStringLiteral("median < 20, max < 33"), met,
                    QString::number(bench::spreadOf(cpu).median, 'f', 2));
    return met;
  };
  const auto row = [&](int kind, const QString& what, int spread, const std::vector<Waited>& clicks) {
    const TarotSpreadTable::Spread& sp = TarotSpreadTable::row(spread);
    allMet = report(QStringLiteral("%1 %2 (%3)").arg(what, sp.listText.left(22)).arg(sp.positions),
                    clicks) && allMet;
    all[kind].insert(all[kind].end(), clicks.begin(), clicks.end());
  };
  const auto wanted = [&](const char* kind, int spread) {
    return (only.isEmpty() || only == QLatin1String(kind)) && (onlySpread < 0 || onlySpread == spread);
  };

  bench::printHeading(QStringLiteral("AutoCast on the spread page"));
  for (int spread = 0; spread < TarotSpreadTable::kSpreadCount; ++spread) {
    if (!wanted("autocast", spread)) continue;
    std::vector<Waited> clicks;
    for (int i = 0; i < runs; ++i) {
      frmTarot* page = spreadPage(spread);
      clicks.push_back(timeClick(app, page->cmdAuto));
      if (boardCards() != TarotSpreadTable::row(spread).positions)
        std::fprintf(stderr, "warning: AutoCast laid no reading\n");
    }
    row(0, QStringLiteral("AutoCast"), spread, clicks);
  }

  bench::printHeading(QStringLiteral("last pick of a manual reading"));
  for (int spread = 0; spread < TarotSpreadTable::kSpreadCount; ++spread) {
    if (!wanted("pick", spread)) continue;
    const int n = TarotSpreadTable::row(spread).positions;
    std::vector<Waited> clicks;
    for (int i = 0; i < runs; ++i) {
      spreadPage(spread)->cmdManual->click();
      frmTarotManual* pick = Forms::find<frmTarotManual>();
      for (int k = 0; k < n - 1; ++k) pick->p[std::size_t(k)]->click();
      clicks.push_back(timeClick(app, pick->p[std::size_t(n - 1)]));
      if (tarotState().lngChosenCards.count() != n)
        std::fprintf(stderr, "warning: the manual reading laid no reading\n");
    }
    row(1, QStringLiteral("last pick"), spread, clicks);
  }

  bench::printHeading(QStringLiteral("Open of a saved reading on the front page"));
  for (int spread = 0; spread < TarotSpreadTable::kSpreadCount; ++spread) {
    if (!wanted("open", spread)) continue;
    gOpenPath = files.filePath(QStringLiteral("reading%1.lqs").arg(spread));
    TarotReadingFile::save(gOpenPath, savedReading(spread));
    std::vector<Waited> clicks;
    for (int i = 0; i < runs; ++i) {
      frmTarotFront* front = frontPage();
      clicks.push_back(timeClick(app, front->cmdOpen));
      if (boardCards() != TarotSpreadTable::row(spread).positions)
        std::fprintf(stderr, "warning: Open laid no reading\n");
    }
    row(2, QStringLiteral("Open"), spread, clicks);
  }

  bench::printHeading(QStringLiteral("all spreads together"));
  const char* kinds[3] = {"AutoCast", "last pick", "Open"};
  for (int k = 0; k < 3; ++k)
    if (!all[k].empty()) report(QString::fromLatin1(kinds[k]), all[k]);
  std::printf("  every spread within the goal: %s\n", allMet ? "yes" : "NO");
}

// The memory process: the program's start, then readings in a row, each
// reached the way a person does (mode button, splash, front page, spread
// page, AutoCast), the spreads taken in turn.
int memoryChild(bench::PaintClock& app, int readings) {
  startProgram(app);
  const long atStart = bench::residentKb();
  long highest = atStart;
  for (int i = 0; i < readings; ++i) {
    frmTarot* page = spreadPage(i % TarotSpreadTable::kSpreadCount);
    page->cmdAuto->click();
    bench::runUntilQuiet(app, 20);
    highest = std::max(highest, bench::residentKb());
  }
  bench::runUntilQuiet(app, 300);
  std::printf("memory start=%ld after=%ld highest=%ld\n", atStart, bench::residentKb(), highest);
  std::fflush(stdout);
  std::_Exit(0);
}

void measureMemory(int readings) {
  QProcess p;
  p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
  p.start(QCoreApplication::applicationFilePath(),
          {QStringLiteral("--memory"), QString::number(readings)});
  p.waitForFinished(600000);
  const QString out = QString::fromLocal8Bit(p.readAllStandardOutput());
  const QRegularExpressionMatch m =
      QRegularExpression(QStringLiteral(R"(memory start=(\d+) after=(\d+) highest=(\d+))")).match(out);
  bench::printHeading(
      QStringLiteral("resident memory, MB, a process of its own, %1 readings in a row").arg(readings));
  if (!m.hasMatch()) {
    std::printf("  the memory process reported nothing\n");
    return;
  }
  const double start = m.captured(1).toDouble() / 1024, after = m.captured(2).toDouble() / 1024,
               highest = m.captured(3).toDouble() / 1024;
  std::printf("  at start (main window drawn)      %8.1f\n", start);
  std::printf("  after the readings                %8.1f\n", after);
  std::printf("  highest along the way             %8.1f\n", highest);
  std::printf("  after / at start                  %8.2f   goal: at most 1.5   %s\n", after / start,
              after / start <= 1.5 ? "met" : "NOT met");
}

// Where one 21-card reading's time goes: the board's load with the whole
// deal inside it, and its parts one by one, timed in this process.
double medianMs(std::vector<qint64>& ns) {
  std::sort(ns.begin(), ns.end());
  return ns.empty() ? 0.0 : double(ns[ns.size() / 2]) / 1e6;
}

double timeEach(int runs, const std::function<void()>& before, const std::function<void()>& work) {
  std::vector<qint64> ns;
  QElapsedTimer t;
  for (int i = 0; i < runs; ++i) {
    if (before) before();
    t.start();
    work();
    ns.push_back(t.nsecsElapsed());
  }
  return medianMs(ns);
}

void chooseRomany() {
  TarotReadingState& st = tarotState();
  st = TarotReadingState();
  st.blnAutoCast = true;
  st.blnReverseCards = true;
  st.strSpreadName = QStringLiteral("The Romany/ Gypsy Spread");
  st.lngCardCount = 21;
  st.strDeckLetter = QStringLiteral("r");
}

void dropBoard() {
  Forms::unload<frmAuto>();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void attribution(int runs) {
  Forms::get<frmMDI>()->cmdSelectOption[1]->click();  // the tarot mode, no reading
  Forms::get<frmMDI>()->showReportPanel();
  chooseRomany();
  for (int i = 0; i < 5; ++i) {
    dropBoard();
    Forms::get<frmAuto>();
  }
  frmMDI* mdi = Forms::get<frmMDI>();
  const double reading = timeEach(runs, dropBoard, [] { Forms::get<frmAuto>(); });
  const double readingPainted = timeEach(runs, dropBoard, [] { Forms::get<frmAuto>()->grab(); });
  const double boardOnly = timeEach(runs, dropBoard, [] {
    tarotState().blnAutoCast = false;
    Forms::get<frmAuto>();
    tarotState().blnAutoCast = true;
  });
  frmAuto* board = Forms::get<frmAuto>();
  const double draw = timeEach(runs, nullptr, [] { CardDeal::draw(CardDeal::rule(4), 21, -1); });
  const TarotReadingState& st = tarotState();
  const double layout = timeEach(runs, nullptr, [board, &st] {
    board->layOutSpread(kRomany);
    for (int k = 0; k < 21; ++k) {
      const int card = st.lngChosenCards.at(k);
      board->showCard(k, card,
                      st.lngReversedCards.contains(card) ? frmAuto::Turn::Reversed
                                                         : frmAuto::Turn::Upright);
    }
  });
  const double decode = timeEach(runs, nullptr, [] {
    for (int k = 0; k < 21; ++k)
      platform::loadPicture(TarotCardTable::picturePath(QStringLiteral("r"), k));
  });
  const double report = timeEach(runs, nullptr, [mdi, &st] {
    mdi->RTB->setText(QString());
    modInfo::WriteSpreadHeader(mdi->RTB, st.strSpreadName);
    modInfo::WriteReadingCards(mdi->RTB, st.lngChosenCards, st.lngReversedCards);
  });
  const double reportPainted = timeEach(runs, nullptr, [mdi, &st] {
    mdi->RTB->setText(QString());
    modInfo::WriteSpreadHeader(mdi->RTB, st.strSpreadName);
    modInfo::WriteReadingCards(mdi->RTB, st.lngChosenCards, st.lngReversedCards);
    mdi->RTB->setSelStart(0);
    mdi->RTB->viewport()->grab();
  });
  bench::printHeading(
      QStringLiteral("where a 21-card reading goes, median ms of %1, in this process").arg(runs));
  std::printf("  one reading (board load, deal, layout, pictures, report)  %8.3f\n", reading);
  std::printf("  the same, then the board painted                           %8.3f\n",
              readingPainted);
  std::printf("  parts:\n");
  std::printf("    board load without a deal (slots, menus, header)         %8.3f\n", boardOnly);
  std::printf("    draw of 21 cards and their reversals                     %8.3f\n", draw);
  std::printf("    layout and 21 pictures read from their files            %8.3f\n", layout);
  std::printf("    decoding 21 card pictures from their files, one by one   %8.3f\n", decode);
  std::printf("    report (clear, header, 21 entries)                       %8.3f\n", report);
  std::printf("    the same, then the report box painted                    %8.3f\n", reportPainted);
}

}  // namespace

int main(int argc, char** argv) {
  platform::setUpAllocator();  // as the program's main does
  bench::ensureDisplay(argc, argv);
  QStandardPaths::setTestModeEnabled(true);  // leave the user's settings alone
  const bool memory = argc > 1 && QByteArray(argv[1]) == "--memory";
  bench::PaintClock app(argc, argv);
  if (memory) return memoryChild(app, argc > 2 ? std::max(1, std::atoi(argv[2])) : 100);

  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 11;
  int missing = 0;
  for (int n = 0; n < TarotCardTable::kCardCount; ++n)
    if (!QFile::exists(TarotCardTable::picturePath(QStringLiteral("r"), n))) ++missing;
  if (missing)
    std::printf("warning: %d card pictures of deck r are missing beside the program\n", missing);

  const QString only = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
  const int onlySpread = argc > 3 ? std::atoi(argv[3]) : -1;
  // The memory process first: only one instance of the program may run.
  if (only.isEmpty()) measureMemory(100);
  startProgram(app);
  std::printf("platform: %s\n", qPrintable(bench::platformDescription()));
  timeActions(app, runs, only, onlySpread);
  if (only.isEmpty()) attribution(std::max(runs, 20));
  return 0;
}

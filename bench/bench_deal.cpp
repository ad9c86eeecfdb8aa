// Time of one automatic reading of the 21-card Romany spread with reversed
// cards: loading the board (its slots and menus), the deal, the layout, the
// card pictures and the report. Prints the median per reading and the
// median of each part. Runs offscreen unless a platform is chosen.
//
//   bench_deal [readings]

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "board/CardDeal.h"
#include "board/CardPictures.h"
#include "board/frmAuto.h"
#include "platform/App.h"
#include "platform/Forms.h"
#include "platform/Pictures.h"
#include "shell/frmMDI.h"
#include "tarot/TarotCardTable.h"
#include "tarot/TarotReadingState.h"
#include "tarot/modInfo.h"

namespace {

using platform::Forms;

constexpr int kRomany = 9;

double medianMs(std::vector<qint64>& ns) {
  std::sort(ns.begin(), ns.end());
  return ns.empty() ? 0.0 : double(ns[ns.size() / 2]) / 1e6;
}

double timeEach(int runs, const std::function<void()>& before, const std::function<void()>& work) {
  std::vector<qint64> ns;
  ns.reserve(std::size_t(runs));
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

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  platform::initApplication(app);
  shell::installMdiHost();
  const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 200;

  int missing = 0;
  for (int n = 0; n < TarotCardTable::kCardCount; ++n)
    if (!QFile::exists(TarotCardTable::picturePath(QStringLiteral("r"), n))) ++missing;
  if (missing)
    std::printf("warning: %d card pictures of deck r are missing beside the program;\n"
                "         their slots show the card back and no decoding is timed\n",
                missing);

  frmMDI* mdi = Forms::get<frmMDI>();
  mdi->resize(1280, 1024);
  mdi->show();
  chooseRomany();

  // Warm-up: fonts, styles, the file system's cache.
  for (int i = 0; i < 5; ++i) {
    dropBoard();
    Forms::get<frmAuto>();
  }

  const double reading = timeEach(runs, dropBoard, [] { Forms::get<frmAuto>(); });
  const double readingPainted = timeEach(runs, dropBoard, [] {
    frmAuto* board = Forms::get<frmAuto>();
    board->grab();
  });

  frmAuto* board = Forms::get<frmAuto>();
  const double boardOnly = timeEach(runs, dropBoard, [] {
    tarotState().blnAutoCast = false;
    Forms::get<frmAuto>();
    tarotState().blnAutoCast = true;
  });
  board = Forms::get<frmAuto>();

  const double draw = timeEach(runs, nullptr, [] {
    CardDeal::draw(CardDeal::rule(4), 21, -1);
  });
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

  std::printf("readings: %d (median times, ms)\n", runs);
  std::printf("  one reading (board load, deal, layout, pictures, report)  %8.3f\n", reading);
  std::printf("  the same, then painted                                      %8.3f\n",
              readingPainted);
  std::printf("  parts:\n");
  std::printf("    board load without a deal (slots, menus, header)         %8.3f\n", boardOnly);
  std::printf("    draw of 21 cards and their reversals                     %8.3f\n", draw);
  std::printf("    layout and 21 pictures read from their files            %8.3f\n", layout);
  std::printf("    decoding 21 card pictures from their files               %8.3f\n", decode);
  std::printf("    report (clear, header, 21 entries)                       %8.3f\n", report);
  std::printf("goal: under 50 ms per reading -> %s\n", reading < 50.0 ? "met" : "NOT met");
  return 0;
}

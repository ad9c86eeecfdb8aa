// cardart <picture folder> <art folder>
//
// Draws the card pictures into <picture folder>/cards, the spread pictures
// into <picture folder>/pic, and the pictures the windows carry into
// <art folder>. Exits non-zero when any file cannot be written.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QSaveFile>
#include <cstdio>

#include "CardFaces.h"
#include "SpreadPictures.h"
#include "WindowArt.h"
#include "platform/Pictures.h"
#include "tarot/TarotCardTable.h"
#include "tarot_numerology/NumerologySpreadCards.h"
#include "tarot_numerology/TarotNumerologyPictures.h"

namespace {

bool save(const QImage& img, const QString& path, const char* format, int quality = -1) {
  if (img.save(path, format, quality)) return true;
  std::fprintf(stderr, "cardart: cannot write %s\n", qPrintable(QDir::toNativeSeparators(path)));
  return false;
}

// A picture the main window shows at start, kept as bare pixels.
bool savePixels(const QImage& img, const QString& path) {
  QSaveFile f(path);
  if (f.open(QIODevice::WriteOnly) && f.write(platform::toPixelsFile(img)) >= 0 && f.commit())
    return true;
  std::fprintf(stderr, "cardart: cannot write %s\n", qPrintable(QDir::toNativeSeparators(path)));
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  // Only fonts are needed, never a screen.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc != 3) {
    std::fprintf(stderr, "usage: cardart <picture folder> <art folder>\n");
    return 2;
  }
  const QDir root(QString::fromLocal8Bit(argv[1]));
  const QDir art(QString::fromLocal8Bit(argv[2]));
  for (const QString& path : {root.filePath(QStringLiteral("cards")),
                              root.filePath(QStringLiteral("pic")), art.path(),
                              art.filePath(QStringLiteral("tn"))})
    if (!QDir().mkpath(path)) {
      std::fprintf(stderr, "cardart: cannot create %s\n", qPrintable(path));
      return 1;
    }

  constexpr int kJpegQuality = 90;
  bool ok = true;
  for (const DeckStyle* deck : {&firstDeck(), &secondDeck()})
    for (int n = 0; n < TarotCardTable::kCardCount; ++n)
      ok &= save(drawCardFace(*deck, n),
                 root.filePath(QStringLiteral("cards/%1%2.jpg").arg(deck->letter).arg(n)), "JPG",
                 kJpegQuality);
  for (int i = 0; i < 13; ++i)
    ok &= save(drawSpreadPicture(i), root.filePath(QStringLiteral("pic/c%1.jpg").arg(i)), "JPG",
               kJpegQuality);

  for (int size : {16, 32, 48, 64})
    ok &= savePixels(drawProgramIcon(size),
                     art.filePath(QStringLiteral("program-%1.argb").arg(size)));
  for (int mode = 0; mode < 3; ++mode)
    ok &= savePixels(drawModeIcon(mode, 64), art.filePath(QStringLiteral("mode-%1.argb").arg(mode)));
  for (int size : {16, 32})
    ok &= save(drawBoardIcon(size), art.filePath(QStringLiteral("board-%1.png").arg(size)), "PNG");
  ok &= save(drawCardBack(kCardWidth, kCardHeight), art.filePath(QStringLiteral("back.png")),
             "PNG");
  ok &= save(drawCardBack(27, 48), art.filePath(QStringLiteral("back-small.png")), "PNG");
  // The tarot-numerology mode's pictures: the grid's small faces, the
  // number pages' larger pictures of the cards the number sets show, and a
  // face-down card of each size.
  for (int n = 0; n < NSCardTable::kCardCount; ++n)
    ok &= save(drawNumerologyFace(n, NumerologyFaceSize::Small),
               art.filePath(QStringLiteral("tn/card-%1.jpg").arg(n)), "JPG", kJpegQuality);
  QList<int> shown;
  for (int number : {1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 22})
    for (int k = 0; k < TarotNumerologyPictures::numberCardCount(number); ++k) {
      const int card = TarotNumerologyPictures::numberCardShows(number, k);
      if (shown.contains(card)) continue;
      shown.append(card);
      ok &= save(drawNumerologyFace(card, NumerologyFaceSize::Large),
                 art.filePath(QStringLiteral("tn/number-card-%1.jpg").arg(card)), "JPG",
                 kJpegQuality);
    }
  ok &= save(drawCardBack(TarotNumerologyPictures::kSmallWidth,
                          TarotNumerologyPictures::kSmallHeight),
             art.filePath(QStringLiteral("tn/back-small.png")), "PNG");
  ok &= save(drawCardBack(TarotNumerologyPictures::kLargeWidth,
                          TarotNumerologyPictures::kLargeHeight),
             art.filePath(QStringLiteral("tn/back.png")), "PNG");
  return ok ? 0 : 1;
}

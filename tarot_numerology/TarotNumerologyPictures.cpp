#include "tarot_numerology/TarotNumerologyPictures.h"

// The pictures are part of the program's compiled-in resources; the
// registration must be named from code that runs, or the linker leaves it
// out of a static library.
static void registerArtResources() { Q_INIT_RESOURCE(art); }

namespace TarotNumerologyPictures {
namespace {

QImage load(const QString& path) {
  static const bool registered = (registerArtResources(), true);
  Q_UNUSED(registered);
  return QImage(path);
}

// The picture at path if it reads and has the expected size, else the
// fallback.
QImage loadOr(const QString& path, int width, int height, QImage (*fallback)()) {
  const QImage img = load(path);
  if (img.isNull() || img.width() != width || img.height() != height) return fallback();
  return img;
}

// A face-down card drawn here, for when even the placeholder picture is
// missing: a plain card in the back's colours.
QImage plainBack(int width, int height) {
  QImage img(width, height, QImage::Format_RGB32);
  img.fill(QColor(64, 22, 62));
  return img;
}

}  // namespace

QString spreadCardPath(int cardNumber) {
  return QStringLiteral(":/art/tn/card-%1.jpg").arg(cardNumber);
}

QString numberCardPath(int cardNumber) {
  return QStringLiteral(":/art/tn/number-card-%1.jpg").arg(cardNumber);
}

QString spreadPlaceholderPath() { return QStringLiteral(":/art/tn/back-small.png"); }

QString numberPlaceholderPath() { return QStringLiteral(":/art/tn/back.png"); }

QImage spreadPlaceholder() {
  const QImage img = load(spreadPlaceholderPath());
  return img.isNull() ? plainBack(kSmallWidth, kSmallHeight) : img;
}

QImage numberPlaceholder() {
  const QImage img = load(numberPlaceholderPath());
  return img.isNull() ? plainBack(kLargeWidth, kLargeHeight) : img;
}

QImage spreadCard(int cardNumber) {
  if (cardNumber < 0 || cardNumber >= 78) return spreadPlaceholder();
  return loadOr(spreadCardPath(cardNumber), kSmallWidth, kSmallHeight, spreadPlaceholder);
}

QImage numberCard(int number, int index) {
  const int card = numberCardShows(number, index);
  if (card < 0) return numberPlaceholder();
  return loadOr(numberCardPath(card), kLargeWidth, kLargeHeight, numberPlaceholder);
}

}  // namespace TarotNumerologyPictures

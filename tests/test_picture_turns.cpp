#include <QLabel>
#include <QPainter>

#include "platform/Twips.h"
#include "tarot/modRotate90.h"
#include "testsupport.h"

namespace {

// A picture in four coloured quarters, so that every turn shows.
QPixmap quarters(int w, int h) {
  QImage img(w, h, QImage::Format_RGB32);
  QPainter p(&img);
  p.fillRect(0, 0, w / 2, h / 2, Qt::red);
  p.fillRect(w / 2, 0, w - w / 2, h / 2, Qt::green);
  p.fillRect(0, h / 2, w / 2, h - h / 2, Qt::blue);
  p.fillRect(w / 2, h / 2, w - w / 2, h - h / 2, Qt::yellow);
  return QPixmap::fromImage(img);
}

// The colours near the four corners: top left, top right, bottom right,
// bottom left.
QList<QColor> corners(const QPixmap& pm) {
  const QImage img = pm.toImage();
  const int r = img.width() - 3, b = img.height() - 3;
  return {img.pixelColor(2, 2), img.pixelColor(r, 2), img.pixelColor(r, b), img.pixelColor(2, b)};
}

const QColor kRed(Qt::red), kGreen(Qt::green), kBlue(Qt::blue), kYellow(Qt::yellow);

// A slot as the board has it: a one-pixel border around a picture it
// takes the size of.
QLabel* slot(QWidget* parent, int w, int h) {
  auto* box = new QLabel(parent);
  box->setFrameStyle(QFrame::Box | QFrame::Plain);
  box->setLineWidth(1);
  box->setPixmap(quarters(w, h));
  platform::setTwGeometry(box, 1500, 3000, (w + 2) * 15.0, (h + 2) * 15.0);
  return box;
}

}  // namespace

class TestPictureTurns : public QObject {
  Q_OBJECT
 private slots:
  // A quarter turn clockwise: the top edge goes to the right, the left edge
  // to the top; width and height swap, Left and Top stay.
  void quarterTurn_data() {
    QTest::addColumn<int>("w");
    QTest::addColumn<int>("h");
    QTest::newRow("portrait card") << 40 << 70;
    QTest::newRow("landscape") << 70 << 40;
    QTest::newRow("square") << 50 << 50;
  }
  void quarterTurn() {
    QFETCH(int, w);
    QFETCH(int, h);
    QWidget board;
    QLabel* box = slot(&board, w, h);
    modRotate90::RotatePicture90(box);
    QCOMPARE(box->pixmap().size(), QSize(h, w));
    QCOMPARE(corners(box->pixmap()), (QList<QColor>{kBlue, kRed, kGreen, kYellow}));
    QCOMPARE(platform::twLeft(box), 1500.0);
    QCOMPARE(platform::twTop(box), 3000.0);
    QCOMPARE(platform::twWidth(box), (h + 2) * 15.0);
    QCOMPARE(platform::twHeight(box), (w + 2) * 15.0);
    // What the box shows on screen, border included.
    const QImage shown = box->grab().toImage();
    QCOMPARE(shown.size(), QSize(h + 2, w + 2));
    QCOMPARE(shown.pixelColor(4, 4), kBlue);
    QCOMPARE(shown.pixelColor(h - 3, 4), kRed);
  }

  // A half turn: upside down in place; twice gives the upright picture.
  void halfTurn() {
    QWidget board;
    QLabel* box = slot(&board, 40, 70);
    const QImage upright = box->pixmap().toImage();
    modRotate90::RotatePicture180(box);
    QCOMPARE(box->pixmap().size(), QSize(40, 70));
    QCOMPARE(corners(box->pixmap()), (QList<QColor>{kYellow, kBlue, kRed, kGreen}));
    QCOMPARE(box->size(), QSize(42, 72));
    QCOMPARE(platform::twLeft(box), 1500.0);
    modRotate90::RotatePicture180(box);
    QCOMPARE(box->pixmap().toImage().convertToFormat(upright.format()), upright);
  }

  // The turned picture fills the box's inner area.
  void halfTurnFillsTheBox() {
    QWidget board;
    QLabel* box = slot(&board, 40, 70);
    box->resize(62, 102);
    modRotate90::RotatePicture180(box);
    QCOMPARE(box->pixmap().size(), QSize(60, 100));
    QCOMPARE(corners(box->pixmap()), (QList<QColor>{kYellow, kBlue, kRed, kGreen}));
  }

  // A box without a picture: the quarter turn still swaps its size, the
  // half turn leaves it alone; neither fails.
  void emptyBox() {
    QWidget board;
    auto* box = new QLabel(&board);
    platform::setTwGeometry(box, 300, 600, 900, 1500);
    modRotate90::RotatePicture90(box);
    QVERIFY(box->pixmap().isNull());
    QCOMPARE(platform::twWidth(box), 1500.0);
    QCOMPARE(platform::twHeight(box), 900.0);
    modRotate90::RotatePicture180(box);
    QVERIFY(box->pixmap().isNull());
    QCOMPARE(platform::twWidth(box), 1500.0);
    modRotate90::RotatePicture90(nullptr);
    modRotate90::RotatePicture180(nullptr);
  }

  // A slot held at a fixed size takes the swapped size too.
  void fixedSizeBox() {
    QWidget board;
    QLabel* box = slot(&board, 40, 70);
    box->setFixedSize(42, 72);
    modRotate90::RotatePicture90(box);
    QCOMPARE(box->size(), QSize(72, 42));
  }
};

AURAVANE_TEST_MAIN(TestPictureTurns)
#include "test_picture_turns.moc"

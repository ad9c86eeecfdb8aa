#include <QImage>
#include <QTransform>

#include "board/SpreadSlotLayout.h"
#include "platform/Services.h"
#include "shell/Artwork.h"
#include "tarot/TarotArtwork.h"
#include "tarot/TarotCardTable.h"
#include "testsupport.h"

namespace {

QImage cardPicture(const QString& deck, int number) {
  return QImage(platform::programFolder() + QStringLiteral("/cards/") + deck +
                QString::number(number) + QStringLiteral(".jpg"));
}

QImage spreadPicture(int index) {
  return QImage(platform::programFolder() + QStringLiteral("/pic/c") + QString::number(index) +
                QStringLiteral(".jpg"));
}

int colourDistance(QRgb a, QRgb b) {
  return qAbs(qRed(a) - qRed(b)) + qAbs(qGreen(a) - qGreen(b)) + qAbs(qBlue(a) - qBlue(b));
}

// Mean difference per pixel and channel of two pictures of one size.
double meanDifference(const QImage& a, const QImage& b) {
  double sum = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x) sum += colourDistance(a.pixel(x, y), b.pixel(x, y));
  return sum / (3.0 * a.width() * a.height());
}

}  // namespace

class TestPictures : public QObject {
  Q_OBJECT
 private slots:
  // Every card of both decks and every spread has its picture beside the
  // program, readable and of the size the board and the spread page expect.
  void everyPictureIsThere() {
    for (const QString deck : {QStringLiteral("r"), QStringLiteral("m")})
      for (int n = 0; n < TarotCardTable::kCardCount; ++n) {
        const QImage img = cardPicture(deck, n);
        QVERIFY2(!img.isNull(), qPrintable(deck + QString::number(n)));
        QCOMPARE(img.size(), QSize(145, 250));
      }
    for (int i = 0; i < 13; ++i) {
      const QImage img = spreadPicture(i);
      QVERIFY2(!img.isNull(), qPrintable(QString::number(i)));
      QCOMPARE(img.size(), QSize(145, 249));
    }
  }

  // The two decks look different, every card differs from every other of
  // its deck, and a card turned upside down is plainly not the same picture.
  void cardsAreTellableApart() {
    QList<QImage> first, second;
    for (int n = 0; n < TarotCardTable::kCardCount; ++n) {
      first.append(cardPicture(QStringLiteral("r"), n));
      second.append(cardPicture(QStringLiteral("m"), n));
    }
    for (int n = 0; n < TarotCardTable::kCardCount; ++n) {
      QVERIFY2(meanDifference(first[n], second[n]) > 30, qPrintable(QString::number(n)));
      for (const QImage& card : {first[n], second[n]}) {
        const QImage turned = card.transformed(QTransform().rotate(180));
        QVERIFY2(meanDifference(card, turned) > 8, qPrintable(QString::number(n)));
      }
      for (int m = n + 1; m < TarotCardTable::kCardCount; ++m) {
        QVERIFY2(first[n] != first[m], qPrintable(QStringLiteral("%1 %2").arg(n).arg(m)));
        QVERIFY2(second[n] != second[m], qPrintable(QStringLiteral("%1 %2").arg(n).arg(m)));
      }
    }
  }

  // A spread picture shows the board's slots in the board's arrangement:
  // mapping the layout onto the drawn area, every slot's middle is drawn on
  // and every point well away from all slots is bare table.
  void spreadPictureFollowsLayout_data() {
    QTest::addColumn<int>("index");
    for (int i = 0; i < 13; ++i) QTest::addRow("spread %d", i) << i;
  }
  void spreadPictureFollowsLayout() {
    QFETCH(int, index);
    const QImage img = spreadPicture(index).convertToFormat(QImage::Format_RGB32);
    // The slots keep clear of the picture's edging, so the table shows just
    // inside it.
    const QRgb table = img.pixel(5, 5);
    QVERIFY(colourDistance(table, img.pixel(img.width() - 6, img.height() - 6)) < 30);
    auto bare = [&](int x, int y) { return colourDistance(img.pixel(x, y), table) < 60; };

    // Slots as they lie on the board: a card picture plus its border, the
    // Celtic Cross's crossing card turned across the first.
    const auto& positions = SpreadSlotLayout::positions(index);
    QList<QRectF> slotRects;
    QRectF layoutBounds;
    for (int k = 0; k < int(positions.size()); ++k) {
      const bool turned = index == SpreadSlotLayout::kCelticCrossIndex &&
                          k == SpreadSlotLayout::kCrossingSlot;
      const QSizeF size = turned ? QSizeF(3780, 2205) : QSizeF(2205, 3780);
      slotRects.append(QRectF(QPointF(positions[k].left, positions[k].top), size));
      layoutBounds |= slotRects.last();
    }

    // The drawn area: everything not bare inside the picture's edging.
    const int edge = 4;
    QRect drawn;
    for (int y = edge; y < img.height() - edge; ++y)
      for (int x = edge; x < img.width() - edge; ++x)
        if (!bare(x, y)) drawn |= QRect(x, y, 1, 1);
    QVERIFY(!drawn.isEmpty());
    const double sx = drawn.width() / layoutBounds.width();
    const double sy = drawn.height() / layoutBounds.height();
    QVERIFY2(qAbs(sx - sy) / sx < 0.06, "the spread is drawn to scale");
    auto toPicture = [&](QPointF pt) {
      return QPoint(int(drawn.left() + (pt.x() - layoutBounds.left()) * sx),
                    int(drawn.top() + (pt.y() - layoutBounds.top()) * sy));
    };

    for (int k = 0; k < slotRects.size(); ++k) {
      const QPoint c = toPicture(slotRects[k].center());
      QVERIFY2(!bare(c.x(), c.y()), qPrintable(QStringLiteral("slot %1").arg(k)));
    }
    // Points of a grid over the drawn area that lie well clear of every slot.
    const double clear = 4 / sx;  // four pixels, in twips
    for (int gy = 0; gy <= 20; ++gy)
      for (int gx = 0; gx <= 20; ++gx) {
        const QPointF pt(layoutBounds.left() + layoutBounds.width() * gx / 20.0,
                         layoutBounds.top() + layoutBounds.height() * gy / 20.0);
        bool nearSlot = false;
        for (const QRectF& s : slotRects)
          if (s.adjusted(-clear, -clear, clear, clear).contains(pt)) nearSlot = true;
        if (nearSlot) continue;
        const QPoint at = toPicture(pt);
        QVERIFY2(bare(at.x(), at.y()), qPrintable(QStringLiteral("%1,%2").arg(gx).arg(gy)));
      }
  }

  // The pictures the windows carry are compiled into the program.
  void carriedPictures() {
    const QIcon icon = shell::programIcon();
    for (int s : {16, 32, 48, 64}) QCOMPARE(icon.pixmap(s, s).size(), QSize(s, s));
    for (int mode = 0; mode < 3; ++mode)
      QCOMPARE(shell::modeIcon(mode, 34).size(), QSize(34, 34));
    QVERIFY(shell::modeIcon(0, 34).toImage() != shell::modeIcon(1, 34).toImage());
    QVERIFY(shell::modeIcon(1, 34).toImage() != shell::modeIcon(2, 34).toImage());
    QCOMPARE(shell::boardIcon().pixmap(32, 32).size(), QSize(32, 32));
    QCOMPARE(shell::cardBack().size(), QSize(145, 250));
    QCOMPARE(shell::cardBackSmall().size(), QSize(27, 48));
    QCOMPARE(tarot::splashPicture().size(), QSize(500, 334));
    QCOMPARE(tarot::pageBackground().size(), QSize(600, 400));
    // Drawn once: every window that shows one shares its pixels.
    QCOMPARE(tarot::splashPicture().cacheKey(), tarot::splashPicture().cacheKey());
    QCOMPARE(tarot::pageBackground().cacheKey(), tarot::pageBackground().cacheKey());
    // A face-down card shows nothing of which way up it lies.
    const QImage back = shell::cardBack().toImage().convertToFormat(QImage::Format_RGB32);
    QVERIFY(meanDifference(back, back.transformed(QTransform().rotate(180))) < 4);
  }
};

AURAVANE_TEST_MAIN(TestPictures)
#include "test_pictures.moc"

#include <QImage>
#include <QTest>

#include "tarot_numerology/NumerologySpreadCards.h"
#include "tarot_numerology/TarotNumerologyPictures.h"

using namespace TarotNumerologyPictures;

class TestTarotNumerologyPictures : public QObject {
  Q_OBJECT
 private slots:
  // Every card of the deck has its own small face, of the grid's size, and
  // none of them is the face-down card.
  void everyCardHasItsSmallFace() {
    const QImage back = spreadPlaceholder();
    QCOMPARE(back.size(), QSize(kSmallWidth, kSmallHeight));
    QList<QImage> faces;
    for (int n = 0; n < NSCardTable::kCardCount; ++n) {
      const QImage face = spreadCard(n).convertToFormat(QImage::Format_RGB32);
      QCOMPARE(face.size(), QSize(72, 120));
      QVERIFY2(face != back.convertToFormat(QImage::Format_RGB32), qPrintable(QString::number(n)));
      for (int m = 0; m < faces.size(); ++m)
        QVERIFY2(face != faces[m], qPrintable(QStringLiteral("%1 %2").arg(m).arg(n)));
      faces.append(face);
    }
  }

  // Each number's pictures show the cards of its set, in set order: the
  // Major Arcana card of the same name, a Minor Arcana group by its card.
  void numberSetsShowTheirCards_data() {
    QTest::addColumn<int>("number");
    QTest::addColumn<QStringList>("cards");
    auto row = [](int n, QStringList c) { QTest::addRow("%d", n) << n << c; };
    row(1, {"The Magician", "The Sun", "Wheel of Fortune", "Ace of Cups"});
    row(2, {"Judgement", "The High Priestess", "Page of Cups"});
    row(3, {"The Empress", "The Hanged Man", "The World", "Queen of Cups"});
    row(4, {"Death", "The Emperor", "King of Cups"});
    row(5, {"Temperance", "The High Priestess", "Five of Cups"});
    row(6, {"The Devil", "The Lovers", "Six of Pentacles"});
    row(7, {"The Chariot", "The Tower", "Seven of Swords"});
    row(8, {"Strength", "The Star", "Eight of Wands"});
    row(9, {"The Hermit", "The Moon", "Nine of Cups"});
    row(11, {"Justice"});
    row(22, {"The Fool"});
  }
  void numberSetsShowTheirCards() {
    QFETCH(int, number);
    QFETCH(QStringList, cards);
    QCOMPARE(numberCardCount(number), cards.size());
    for (int k = 0; k < cards.size(); ++k) {
      QCOMPARE(NSCardTable::name(numberCardShows(number, k)), cards[k]);
      const QImage img = numberCard(number, k);
      QCOMPARE(img.size(), QSize(142, 250));
      QVERIFY(img != numberPlaceholder());
    }
    QCOMPARE(numberCardShows(number, cards.size()), -1);
  }

  // A card shared by two sets has one picture; cards of one set differ.
  void sharedAndDistinctPictures() {
    QCOMPARE(numberCard(2, 1), numberCard(5, 1));  // The High Priestess
    QVERIFY(numberCard(1, 0) != numberCard(1, 1));
    QVERIFY(numberCard(11, 0) != numberCard(8, 0));  // Justice and Strength
  }

  // Anything that names no picture gets the face-down card of its size.
  void missingPicturesGiveThePlaceholder_data() {
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("card");
    QTest::addRow("before the deck") << 0 << 0 << -1;
    QTest::addRow("past the deck") << 10 << -1 << 78;
    QTest::addRow("past a set") << 1 << 4 << 1000;
    QTest::addRow("past a one-card set") << 22 << 1 << -78;
  }
  void missingPicturesGiveThePlaceholder() {
    QFETCH(int, number);
    QFETCH(int, index);
    QFETCH(int, card);
    QCOMPARE(numberCard(number, index), numberPlaceholder());
    QCOMPARE(numberPlaceholder().size(), QSize(142, 250));
    QCOMPARE(spreadCard(card), spreadPlaceholder());
  }
};

QTEST_GUILESS_MAIN(TestTarotNumerologyPictures)
#include "test_tn_pictures.moc"

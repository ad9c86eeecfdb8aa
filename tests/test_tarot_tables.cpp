#include <QRegularExpression>
#include <QSet>

#include "board/SpreadSlotLayout.h"
#include "tarot/TarotCardTable.h"
#include "tarot/TarotReadingState.h"
#include "tarot/TarotSpreadTable.h"
#include "testsupport_core.h"

namespace {

using TarotCardTable::Suit;

const char* const kSuitNames[4] = {"Cups", "Pentacles", "Swords", "Wands"};
const char* const kValueNames[15] = {"",    "Ace",   "Two",  "Three", "Four",
                                     "Five", "Six",  "Seven", "Eight", "Nine",
                                     "Ten",  "Page", "Knight", "Queen", "King"};

int sentenceCount(const QString& text) {
  static const QRegularExpression end(QStringLiteral("[.!?](\\s|$)"));
  return int(text.count(end));
}

}  // namespace

class TestTarotTables : public QObject {
  Q_OBJECT
 private slots:
  // Every Minor Arcana number follows the deck's layout: Twos of Cups,
  // Swords, Wands at 22..24, Threes to Tens in groups of four by suit,
  // then Aces, Kings, Knights, Pages, Queens, and the Two of Pentacles last.
  void minorNumbering() {
    QSet<int> seen;
    for (int s = 0; s < 4; ++s) {
      for (int v = 1; v <= 14; ++v) {
        int expected;
        if (v == 2) expected = s == 1 ? 77 : s == 0 ? 22 : s == 2 ? 23 : 24;
        else if (v <= 10 && v >= 3) expected = 25 + 4 * (v - 3) + s;
        else {
          const int group = v == 1 ? 57 : v == 14 ? 61 : v == 12 ? 65 : v == 11 ? 69 : 73;
          expected = group + s;
        }
        QCOMPARE(TarotCardTable::minorNumber(v, Suit(s)), expected);
        QCOMPARE(TarotCardTable::name(expected),
                 QStringLiteral("%1 of %2").arg(kValueNames[v], kSuitNames[s]));
        Suit suit;
        int value;
        QVERIFY(TarotCardTable::minorOf(expected, &suit, &value));
        QCOMPARE(int(suit), s);
        QCOMPARE(value, v);
        seen.insert(expected);
      }
    }
    QCOMPARE(seen.size(), 56);
    QVERIFY(!TarotCardTable::minorOf(21, nullptr, nullptr));
    QVERIFY(!TarotCardTable::minorOf(78, nullptr, nullptr));
  }

  void majorNames_data() {
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("traditional");
    QTest::newRow("0") << 0 << "Death" << 13;
    QTest::newRow("6") << 6 << "The Fool" << 0;
    QTest::newRow("11") << 11 << "The Hanged Man" << 12;
    QTest::newRow("15") << 15 << "The Magician" << 1;
    QTest::newRow("20") << 20 << "The World" << 21;
    QTest::newRow("21") << 21 << "Wheel Fortune" << 10;
  }
  void majorNames() {
    QFETCH(int, number);
    QFETCH(QString, name);
    QFETCH(int, traditional);
    QCOMPARE(TarotCardTable::name(number), name);
    QCOMPARE(TarotCardTable::reversedName(number), name + " - Reversed");
    QCOMPARE(TarotCardTable::majorTraditionalNumber(number), traditional);
  }

  // The Major Arcana hold each traditional number once.
  void majorArcanaComplete() {
    QSet<int> traditional;
    for (int n = 0; n < 22; ++n) traditional.insert(TarotCardTable::majorTraditionalNumber(n));
    QCOMPARE(traditional.size(), 22);
    QCOMPARE(TarotCardTable::majorTraditionalNumber(22), -1);
  }

  void numbersOutsideTheDeck_data() {
    QTest::addColumn<int>("number");
    QTest::newRow("-1") << -1;
    QTest::newRow("78") << 78;
    QTest::newRow("1000") << 1000;
  }
  void numbersOutsideTheDeck() {
    QFETCH(int, number);
    QVERIFY(!TarotCardTable::isCard(number));
    QVERIFY(TarotCardTable::name(number).isEmpty());
    QVERIFY(TarotCardTable::reversedName(number).isEmpty());
    QVERIFY(TarotCardTable::uprightMeaning(number).isEmpty());
    QVERIFY(TarotCardTable::reversedMeaning(number).isEmpty());
    QVERIFY(TarotCardTable::picturePath(QStringLiteral("r"), number).isEmpty());
  }

  void picturePaths() {
    QVERIFY(TarotCardTable::picturePath("r", 0).endsWith("/cards/r0.jpg"));
    QVERIFY(TarotCardTable::picturePath("m", 77).endsWith("/cards/m77.jpg"));
    // Before the spread page has loaded the deck letter is empty.
    QVERIFY(TarotCardTable::picturePath("", 5).endsWith("/cards/5.jpg"));
    QVERIFY(TarotSpreadTable::picturePath(0).endsWith("/pic/c0.jpg"));
    QVERIFY(TarotSpreadTable::picturePath(12).endsWith("/pic/c12.jpg"));
  }

  // Each meaning is one paragraph of three to eight sentences, 122 to 344
  // characters, plain text addressed to the querent.
  void meaningShape() {
    for (int n = 0; n < 78; ++n) {
      for (const QString& text :
           {TarotCardTable::uprightMeaning(n), TarotCardTable::reversedMeaning(n)}) {
        const QByteArray what = QStringLiteral("card %1: %2").arg(n).arg(text).toUtf8();
        QVERIFY2(text.size() >= 122 && text.size() <= 344, what);
        const int sentences = sentenceCount(text);
        QVERIFY2(sentences >= 3 && sentences <= 8, what);
        QVERIFY2(!text.contains('\r') && !text.contains('\n'), what);
        for (QChar ch : text) QVERIFY2(ch.unicode() >= 32 && ch.unicode() < 127, what);
        QVERIFY2(text.contains(QRegularExpression(QStringLiteral("\\b[Yy]ou(r|rself)?\\b"))), what);
      }
    }
    QVERIFY(TarotCardTable::uprightMeaning(0).startsWith("This is the beginning of"));
  }

  // Two pairs share their reversed meaning; all other texts differ.
  void meaningsSharedAndDistinct() {
    QCOMPARE(TarotCardTable::reversedMeaning(11), TarotCardTable::reversedMeaning(20));
    QCOMPARE(TarotCardTable::reversedMeaning(26), TarotCardTable::reversedMeaning(27));
    QVERIFY(TarotCardTable::uprightMeaning(11) != TarotCardTable::uprightMeaning(20));
    QVERIFY(TarotCardTable::uprightMeaning(26) != TarotCardTable::uprightMeaning(27));
    QSet<QString> texts;
    for (int n = 0; n < 78; ++n) {
      texts.insert(TarotCardTable::uprightMeaning(n));
      texts.insert(TarotCardTable::reversedMeaning(n));
    }
    QCOMPARE(texts.size(), 154);
  }

  void spreadRows_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("listText");
    QTest::addColumn<int>("positions");
    QTest::addColumn<QString>("heading");
    QTest::addColumn<int>("headerBreak");
    QTest::addColumn<bool>("inlineForm");
    using HB = TarotSpreadTable::HeaderBreak;
    const int none = int(HB::None), after = int(HB::AfterDescription),
              between = int(HB::BetweenHeadingAndDescription);
    QTest::newRow("0") << 0 << "Celtic Cross" << 10 << "Spread Type - Celtic Cross Spread" << none << false;
    QTest::newRow("1") << 1 << "One Card" << 1 << "Spread Type - One Card" << after << true;
    QTest::newRow("2") << 2 << "Two Cards" << 2 << "Spread Type - Two Cards" << after << true;
    QTest::newRow("3") << 3 << "Three Cards" << 3 << "Spread Type - Three Cards" << after << false;
    QTest::newRow("4") << 4 << "Ulvarin Wheel Spread(Tarlen)" << 5
                       << "Spread Type - Ulvarin Wheel Spread(Tarlen)" << between << false;
    QTest::newRow("5") << 5 << "The Line Spread" << 5 << "Spread Type - The Line Spread" << none << true;
    QTest::newRow("6") << 6 << "Seven Card Chakra Layout" << 7
                       << "Spread Type - Seven Card Chakra Spread" << none << false;
    QTest::newRow("7") << 7 << "Four Seasons Spread(Mavrine/Yorv)" << 8
                       << "Spread Type - Four Seasons Spread" << none << false;
    QTest::newRow("8") << 8 << "Relationship Spread" << 10 << "Spread Type - Relationship Spread" << none << false;
    QTest::newRow("9") << 9 << "The Romany/ Gypsy Spread" << 21
                       << "Spread Type - The Romany/ Gypsy Spread" << none << false;
    QTest::newRow("10") << 10 << "Zodiac Spread" << 12 << "Spread Type - Zodiac Spread" << none << false;
    QTest::newRow("11") << 11 << "Tree of Life" << 10 << "Spread Type - Tree of Life" << none << false;
    QTest::newRow("12") << 12 << "Numerology Spread" << 9 << "Spread Type - Numerology Spread" << none << false;
  }
  void spreadRows() {
    QFETCH(int, index);
    QFETCH(QString, listText);
    QFETCH(int, positions);
    QFETCH(QString, heading);
    QFETCH(int, headerBreak);
    QFETCH(bool, inlineForm);
    const TarotSpreadTable::Spread& s = TarotSpreadTable::row(index);
    QCOMPARE(s.index, index);
    QCOMPARE(s.listText, listText);
    QCOMPARE(s.positions, positions);
    QCOMPARE(s.heading, heading);
    QCOMPARE(int(s.headerBreak), headerBreak);
    QCOMPARE(s.inlineForm, inlineForm);
    QCOMPARE(int(s.positionTexts.size()), positions);
    for (const auto& p : s.positionTexts) {
      QVERIFY(!p.title.isEmpty());
      QVERIFY(!p.meaning.isEmpty());
    }
    QCOMPARE(TarotSpreadTable::findByName(listText), index);
    // The description is one plain paragraph.
    QVERIFY(s.description.size() > 80);
    QVERIFY(!s.description.contains('\n') && !s.description.contains('\r'));
    // The board finds the same row's slots by count and name.
    QCOMPARE(SpreadSlotLayout::lookup(positions, listText), index);
    QCOMPARE(int(SpreadSlotLayout::positions(index).size()), positions);
  }

  // Position texts the table carries word for word, and the longer ones
  // written in full sentences.
  void positionTexts_data() {
    QTest::addColumn<int>("spread");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("meaning");
    QTest::newRow("celtic 9") << 0 << 9 << "Card 10: The Outcome"
                              << "This represents the final outcome of the situation.";
    QTest::newRow("one card") << 1 << 0 << "Card 1:  "
                              << "This represents the most important factor that affects the issue in hand.";
    QTest::newRow("two cards 1") << 2 << 1 << "Card 2: "
                                 << "This card signifies what can happen if you carry out the solution that this card represents.";
    QTest::newRow("three present") << 3 << 1 << "Card 2 - Present"
                                   << "This card represents the present state surrounding some current event or "
                                      "situation. This may also be the problems and obstacles that the person may "
                                      "have to face.";
    QTest::newRow("line 2") << 5 << 2 << "Card 3 - " << "This card represents the present.";
    QTest::newRow("seasons 3") << 7 << 3 << "Card 4" << "This card alters the next card (Card5)";
    QTest::newRow("romany 6") << 9 << 6 << "Card 7" << "Represent the past.";
    QTest::newRow("romany 7") << 9 << 7 << "Card 8" << "Represent the present.";
    QTest::newRow("romany 13") << 9 << 13 << "Card 14" << "Represent the present.";
    QTest::newRow("romany 14") << 9 << 14 << "Card 15" << "Represent the future.";
    QTest::newRow("romany 20") << 9 << 20 << "Card 21" << "Represent the future.";
    QTest::newRow("zodiac 11") << 10 << 11 << "Card 12"
                               << "Related to Pisces which represents your strengths and weaknesses.";
    QTest::newRow("tree 9") << 11 << 9 << "Card 10 - feet:" << "Reveals our basic nature.";
    QTest::newRow("numerology 8") << 12 << 8 << "Card 9" << "You see yourself as a Crusader.";
  }
  void positionTexts() {
    QFETCH(int, spread);
    QFETCH(int, position);
    QFETCH(QString, title);
    QFETCH(QString, meaning);
    const auto& p = TarotSpreadTable::row(spread).positionTexts.at(std::size_t(position));
    QCOMPARE(p.title, title);
    QCOMPARE(p.meaning, meaning);
  }

  void longerSpreadTexts() {
    QVERIFY(TarotSpreadTable::row(1).description.startsWith("This is the simplest spread"));
    const QString past = TarotSpreadTable::row(3).positionTexts[0].meaning;
    QVERIFY(past.startsWith("This represents certain events"));
    QCOMPARE(sentenceCount(past), 2);
    QCOMPARE(sentenceCount(TarotSpreadTable::row(6).positionTexts[0].meaning), 1);
    QCOMPARE(sentenceCount(TarotSpreadTable::row(6).positionTexts[4].meaning), 2);
    QSet<QString> descriptions;
    for (int i = 0; i < 13; ++i) descriptions.insert(TarotSpreadTable::row(i).description);
    QCOMPARE(descriptions.size(), 13);
  }

  // The board's layout by card count and spread name.
  void slotLookup_data() {
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("index");
    QTest::newRow("1 any name") << 1 << "Zodiac Spread" << 1;
    QTest::newRow("2 empty name") << 2 << "" << 2;
    QTest::newRow("3 reset name") << 3 << "-1" << 3;
    QTest::newRow("7 zodiac name") << 7 << "Zodiac Spread" << 6;
    QTest::newRow("8 any") << 8 << "x" << 7;
    QTest::newRow("5 wheel") << 5 << "Ulvarin Wheel Spread(Tarlen)" << 4;
    QTest::newRow("5 line") << 5 << "The Line Spread" << 5;
    QTest::newRow("5 other") << 5 << "Celtic Cross" << -1;
    QTest::newRow("10 celtic") << 10 << "Celtic Cross" << 0;
    QTest::newRow("10 celtic small") << 10 << "celtic cross" << -1;
    QTest::newRow("10 relationship") << 10 << "Relationship Spread" << 8;
    QTest::newRow("10 tree") << 10 << "Tree of Life" << 11;
    QTest::newRow("9 numerology") << 9 << "Numerology Spread" << 12;
    QTest::newRow("12 zodiac") << 12 << "Zodiac Spread" << 10;
    QTest::newRow("21 romany") << 21 << "The Romany/ Gypsy Spread" << 9;
    QTest::newRow("21 other") << 21 << "Zodiac Spread" << -1;
    QTest::newRow("0") << 0 << "One Card" << -1;
    QTest::newRow("4") << 4 << "" << -1;
    QTest::newRow("22") << 22 << "The Romany/ Gypsy Spread" << -1;
    QTest::newRow("-1") << -1 << "-1" << -1;
  }
  void slotLookup() {
    QFETCH(int, count);
    QFETCH(QString, name);
    QFETCH(int, index);
    QCOMPARE(SpreadSlotLayout::lookup(count, name), index);
  }

  void slotPositions() {
    using SpreadSlotLayout::positions;
    // The crossing card of the Celtic Cross.
    QCOMPARE(positions(0)[1].left, 2300.0);
    QCOMPARE(positions(0)[1].top, 4200.0);
    // Wheel in one row from the right; Line as a cross.
    QCOMPARE(positions(4)[0].left, 8900.0);
    QCOMPARE(positions(4)[4].left, 100.0);
    QCOMPARE(positions(5)[4].top, 0.0);
    // Romany: position 1 bottom right, position 21 top left.
    QCOMPARE(positions(9)[0].left, 13800.0);
    QCOMPARE(positions(9)[0].top, 11040.0);
    QCOMPARE(positions(9)[20].left, 120.0);
    QCOMPARE(positions(9)[20].top, 1320.0);
    QVERIFY(positions(13).empty());
    QVERIFY(positions(-1).empty());
  }

  // A card list is without bounds, or holds at least one element.
  void cardListBounds() {
    CardList list;
    QVERIFY(!list.hasBounds());
    QCOMPARE(list.ubound(), -1);
    list.redim(0);
    QVERIFY(list.hasBounds());
    QCOMPARE(list.ubound(), 0);
    QCOMPARE(list.at(0), 0);
    list.redim(-1);
    QVERIFY(!list.hasBounds());
    list.append(7);
    QCOMPARE(list.values(), std::vector<int>({7}));
    list.append(9);
    QCOMPARE(list.ubound(), 1);
    list.erase();
    QVERIFY(!list.hasBounds());
    QCOMPARE(list.count(), 0);
  }
};

AURAVANE_MODEL_TEST_MAIN(TestTarotTables)
#include "test_tarot_tables.moc"

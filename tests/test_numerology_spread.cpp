#include <QRegularExpression>
#include <QSet>

#include "tarot_numerology/NumerologySpreadCards.h"
#include "tarot_numerology/modNumerologySpread.h"
#include "testsupport_core.h"

using testsupport::fakes;

namespace {

// A generator value that draws card n.
double drawing(int n) { return (n + 0.5) / 78.0; }

}  // namespace

class TestNumerologySpread : public QObject {
  Q_OBJECT
 private slots:
  void init() { testsupport::resetModel(); }

  // The deck's order: the Major Arcana by their numbers, then four suits of
  // Ace to King; and the places where this deck differs from other orders.
  void deckOrder_data() {
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("keywords");
    QTest::addRow("first") << 0 << "The Fool"
        << "New Beginnings, Birth, Innocence, Carefree, Unknown, Possibilities, Spontaneity.";
    QTest::addRow("Justice at 8") << 8 << "Justice"
        << "Balance, Justice, Fairness, Aspirations, Decision, Balance, Cause & Effect.";
    QTest::addRow("Wheel") << 10 << "Wheel of Fortune"
        << "Vision, Luck, Change, Karma, Destiny, Opportunity, Choices.";
    QTest::addRow("Strength at 11") << 11 << "Strength"
        << "Courage, Strength, Determination, Patience, Self Control, Compassion, Acceptance.";
    QTest::addRow("last major") << 21 << "The World"
        << "Expansion, Reward, Outcomes, Awareness, Perfection, Accomplishment, Integration.";
    QTest::addRow("first minor") << 22 << "Ace of Wands"
        << "Inspiration, Power, Beginnings, Enthusiasm, Creation, Energy, Beginnings.";
    QTest::addRow("odd spacing") << 39 << "Four of Cups"
        << "Apathy, Boredom, Re- evaluation, Hope, Day Dreaming, Self- Absorbed, Disillusioned.";
    QTest::addRow("slash") << 70 << "Seven of Pentacles"
        << "Profit / Loss, Vision, Perseverance, Evaluation, Frustration, Risk, Incomplete Work.";
    QTest::addRow("last") << 77 << "King of Pentacles"
        << "Mature, Patient, Security, Loyal, Influence, Reliable, Enterprising.";
    QTest::addRow("past the deck") << 78 << "" << "";
    QTest::addRow("before the deck") << -1 << "" << "";
  }
  void deckOrder() {
    QFETCH(int, number);
    QFETCH(QString, name);
    QFETCH(QString, keywords);
    QCOMPARE(NSCardTable::name(number), name);
    QCOMPARE(NSCardTable::keywords(number), keywords);
    QCOMPARE(NSCardTable::description(number).isEmpty(), name.isEmpty());
  }

  // Every Minor Arcana card is named by its rank and suit, at the place the
  // suit order gives it, and names find their numbers again.
  void minorArcanaByRankAndSuit() {
    const QStringList ranks = {"Ace", "Two", "Three", "Four", "Five", "Six", "Seven", "Eight",
                               "Nine", "Ten", "Page", "Knight", "Queen", "King"};
    const QStringList suits = {"Wands", "Cups", "Swords", "Pentacles"};
    for (int s = 0; s < 4; ++s)
      for (int v = 1; v <= 14; ++v) {
        const int n = NSCardTable::minorNumber(NSCardTable::Suit(s), v);
        QCOMPARE(n, 22 + 14 * s + v - 1);
        QCOMPARE(NSCardTable::name(n), ranks[v - 1] + " of " + suits[s]);
        NSCardTable::Suit suit;
        int value = 0;
        QVERIFY(NSCardTable::minorOf(n, &suit, &value));
        QCOMPARE(int(suit), s);
        QCOMPARE(value, v);
      }
    QVERIFY(!NSCardTable::minorOf(21, nullptr, nullptr));
    QCOMPARE(NSCardTable::minorNumber(NSCardTable::Suit::Cups, 15), -1);
    for (int n = 0; n < NSCardTable::kCardCount; ++n)
      QCOMPARE(NSCardTable::numberOf(NSCardTable::name(n)), n);
    QCOMPARE(NSCardTable::numberOf("Wheel Fortune"), -1);
  }

  // Every card's texts have their form: a keyword line of seven items
  // ending in a full stop, a description of one paragraph of 24 to 66 words
  // that opens with the card's own words.
  void everyCardsTexts() {
    static const char* const openings[NSCardTable::kCardCount] = {
      "This signifies the beginning of a new journey.",
      "This card signifies a strong personality with willpower,",
      "Your intuition will play a very important part",
      "Execution of your decisions are in you own",
      "This is the time to organize yourself and",
      "You may be more worried about your social",
      "This is the time to understand and give",
      "You may see success soon. Have a positive",
      "You may get involved in legal issues. Seek",
      "You need to take out time and think",
      "You may have some special gains. Your destiny",
      "You have the courage, determination and will power",
      "You need to rise above this material world.",
      "This is the beginning of a new life.",
      "Do not force people to accept your views",
      "Your dark side may be trying to take",
      "There may be a sudden change or disruption",
      "This is a very positive card and signifies",
      "Your intuitiveness is at its peak now. Do",
      "You are enthusiastic and passionate about your work.",
      "You hard work reaps all the rewards. Do",
      "Trust people who mean well. Look at both",
      "This signifies the beginning of a new venture,",
      "",
      "This signifies strength and confidence in your motives.",
      "This is a time for enjoying the rewards",
      "This is time to test your courage. There",
      "You may soon hear some good news. You",
      "You may have to face stiff competition and",
      "You may be approaching your goal.  This is",
      "You have prepared yourself for your eventual victory.",
      "This is a time for struggle. You may",
      "You are highly adventurous and enthusiastic about life.",
      "You are highly aggressive and impulsive. You tend",
      "You are a well liked person. You are",
      "You are a charismatic leader. You have a",
      "This signifies beginning of a new life, journey",
      "This may be the beginning of a harmonious",
      "You hidden talents will be discovered. You may",
      "Your life may be stagnating and you may",
      "This signifies loss and regret about something done",
      "This is the time to make the best",
      "This represents the choices that need to be",
      "You may wish to abandon your current path",
      "This is a time for emotional satisfaction and",
      "This is the time for happiness. Relationships will",
      "You are a gentle, loving and caring person.",
      "You are a romantic person at heart. You",
      "You are a loving and tender person. Your",
      "You are a business man to the core.",
      "This may be the beginning of a new",
      "This represents a stale mate situation. You have",
      "This signifies a broken heart and betrayal.  There",
      "This is the time build up your mental",
      "There may be some mental tension. You may",
      "You may go on a long journey, mostly",
      "Tact is needed in solving your problems. You",
      "You may suffer from a restricted course of",
      "Things may not be as bad as they",
      "You may be at the lowest point in",
      "You are full of grace and diplomacy. You",
      "You are very brave and aggressive. You strive",
      "You are warrior and always ready for a",
      "You are an authoritative figure. You will make",
      "You may receive unexpected money. There may be",
      "There is a need for maintaining a good",
      "This represents the initial completion of a project.",
      "This signifies material and financial security. Business will",
      "You may suffer from loneliness and desolation. Poor",
      "You will receive what is rightfully yours. You",
      "",
      "You may be learning a new trade. Only",
      "You may be financial comfortable. This is all",
      "You will have a stable family life. You",
      "You may be eager to learn the tricks",
      "You love nature and animals. Your outlook may",
      "This card represents the procreative, nurturing and protective",
      "You are a pillar of solidarity and strength"};
    const QRegularExpression keywordLine(QStringLiteral("^[^,]+(, [^,]+){6}\\.$"));
    QSet<QString> descriptions;
    for (int n = 0; n < NSCardTable::kCardCount; ++n) {
      const QString d = NSCardTable::description(n);
      QVERIFY2(d.startsWith(QLatin1String(openings[n])), qPrintable(QString::number(n)));
      QVERIFY2(!d.contains(QLatin1Char('\r')) && !d.contains(QLatin1Char('\n')), qPrintable(QString::number(n)));
      const int words = d.split(QLatin1Char(' '), Qt::SkipEmptyParts).size();
      QVERIFY2(words >= 24 && words <= 66, qPrintable(QStringLiteral("%1: %2").arg(n).arg(words)));
      descriptions.insert(d);
      QVERIFY2(keywordLine.match(NSCardTable::keywords(n)).hasMatch(),
               qPrintable(QString::number(n)));
    }
    QCOMPARE(descriptions.size(), NSCardTable::kCardCount);
  }

  void spreadTexts() {
    using namespace modNumerologySpread;
    QVERIFY(NSSpreadDescription().startsWith("Numerology Spread is also one of the mostly used spread"));
    QCOMPARE(NSPositions(0), QStringLiteral("Card 1 - You see yourself as an Innovator."));
    QCOMPARE(NSPositions(3), QStringLiteral("Card 4 - You see yourself as a Builder."));
    QCOMPARE(NSPositions(8), QStringLiteral("Card 9 - You see yourself as a Crusader."));
    QCOMPARE(NSPositions(9), QString());
    QCOMPARE(NSPositions(-1), QString());
  }

  // The draw reseeds before each position and draws again on a repeat,
  // from the running generator, comparing with every card laid so far.
  void drawRedrawsRepeats() {
    for (int n : {5, 5, 70, 5, 70, 12, 0, 77, 0, 77, 12, 40, 41, 42, 5, 43})
      fakes().rnd.push_back(drawing(n));
    const auto cards = modNumerologySpread::DrawSpreadCards(14);
    QVERIFY(cards.has_value());
    QCOMPARE(*cards, QList<int>({5, 70, 12, 0, 77, 40, 41, 42, 43}));
    QCOMPARE(fakes().randomizeCalls, 9);
    QVERIFY(fakes().rnd.empty());
  }

  // A generator that only ever repeats cannot hold the draw: each position
  // then takes the next card not yet drawn.
  void drawEndsWhateverTheGenerator_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QList<int>>("cards");
    QTest::addRow("stuck") << drawing(40) << QList<int>({40, 41, 42, 43, 44, 45, 46, 47, 48});
    QTest::addRow("stuck at the end") << drawing(76) << QList<int>({76, 77, 0, 1, 2, 3, 4, 5, 6});
    QTest::addRow("one and more") << 1.5 << QList<int>({77, 0, 1, 2, 3, 4, 5, 6, 7});
    QTest::addRow("below zero") << -0.25 << QList<int>({0, 1, 2, 3, 4, 5, 6, 7, 8});
  }
  void drawEndsWhateverTheGenerator() {
    QFETCH(double, value);
    QFETCH(QList<int>, cards);
    platform::services().rnd = [value] { return value; };
    const auto drawn = modNumerologySpread::DrawSpreadCards(14);
    QVERIFY(drawn.has_value());
    QCOMPARE(*drawn, cards);
  }

  // With the program's own generator, many draws give nine distinct cards
  // of the deck each, and between them every card comes up.
  void drawWithTheGenerator() {
    QSet<int> seen;
    for (int i = 0; i < 300; ++i) {
      const auto cards = modNumerologySpread::DrawSpreadCards(14);
      QVERIFY(cards.has_value());
      QCOMPARE(cards->size(), 9);
      const QSet<int> distinct(cards->begin(), cards->end());
      QCOMPARE(distinct.size(), 9);
      for (int c : *cards) QVERIFY(NSCardTable::isCard(c));
      seen += distinct;
    }
    QCOMPARE(seen.size(), NSCardTable::kCardCount);
  }

  // Only the Numerology Spread is drawn; any other spread number draws
  // nothing and leaves the generator alone.
  void onlyTheNumerologySpread_data() {
    QTest::addColumn<int>("spread");
    for (int s : {0, 6, 13, 15, 17, 18, -1}) QTest::addRow("%d", s) << s;
  }
  void onlyTheNumerologySpread() {
    QFETCH(int, spread);
    QVERIFY(!modNumerologySpread::DrawSpreadCards(spread).has_value());
    QCOMPARE(fakes().randomizeCalls, 0);
  }
};

AURAVANE_MODEL_TEST_MAIN(TestNumerologySpread)
#include "test_numerology_spread.moc"

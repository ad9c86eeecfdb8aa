#include <QRegularExpression>
#include <QSet>
#include <QTest>

#include "testsupport_core.h"
#include <climits>

#include "numerology/NumberTextsOne.h"

using NumberTextsOne::Number;

Q_DECLARE_METATYPE(NumberTextsOne::Number)

namespace {

const QString kCrLf = QStringLiteral("\r\n");

QList<Number> allNumbers() {
  return {Number::LifePath,      Number::Birthday,        Number::Maturity,
          Number::Destiny,       Number::SoulUrge,        Number::InnerDreams,
          Number::HiddenPassion, Number::KarmicLessons,   Number::SubconsciousSelf,
          Number::Balance,       Number::RationalThought, Number::LEBridge,
          Number::HPBridge,      Number::KarmicDebt};
}

QList<int> range(int from, int to) {
  QList<int> keys;
  for (int k = from; k <= to; ++k) keys << k;
  return keys;
}

int sentenceCount(const QString& text) {
  static const QRegularExpression end(QStringLiteral("[.!?](\\s|$)"));
  return int(text.count(end));
}

QByteArray where(Number number, int key) {
  return QByteArray("number ") + QByteArray::number(int(number)) + " key " +
         QByteArray::number(key);
}

}  // namespace

class TestNumberTextsOne : public QObject {
  Q_OBJECT
 private slots:
  // Every text opens with exactly the words the report must show; for texts
  // of several lines, each line opens with its own words, and a text has
  // exactly as many lines as it has openings (Maturity's remarks aside).
  void textsOpenWithTheirWords() {
    QHash<QPair<int, int>, int> paragraphs;
    for (int i = 0; i < NumberTextsOne::openingCount(); ++i) {
      const NumberTextsOne::Opening& o = NumberTextsOne::openings()[i];
      const QString words = QString::fromUtf8(o.words);
      const QString text = o.key == NumberTextsOne::DescriptionKey
                               ? NumberTextsOne::description(o.number)
                               : NumberTextsOne::text(o.number, o.key);
      const QStringList pieces = text.split(kCrLf);
      QVERIFY2(o.paragraph < pieces.size(), where(o.number, o.key).constData());
      QVERIFY2(pieces.at(o.paragraph).startsWith(words),
               QByteArray(where(o.number, o.key) + ": " + pieces.at(o.paragraph).left(80).toUtf8())
                   .constData());
      paragraphs[{int(o.number), o.key}] =
          qMax(paragraphs.value({int(o.number), o.key}), o.paragraph + 1);
    }
    // No text goes unchecked: each description and row has its opening.
    for (Number number : allNumbers()) {
      QVERIFY(paragraphs.contains({int(number), NumberTextsOne::DescriptionKey}));
      for (int key = 0; key <= 31; ++key) {
        const QString text = NumberTextsOne::text(number, key);
        if (!text.isEmpty() && text != QLatin1String("Not Applicable"))
          QVERIFY2(paragraphs.contains({int(number), key}), where(number, key).constData());
      }
    }
    for (auto it = paragraphs.cbegin(); it != paragraphs.cend(); ++it) {
      if (it.key().second == NumberTextsOne::DescriptionKey) continue;
      const Number number = Number(it.key().first);
      if (number == Number::Maturity) continue;  // its remarks are checked whole below
      QCOMPARE(NumberTextsOne::text(number, it.key().second).split(kCrLf).size(), it.value());
    }
  }

  // Which values have a row. Every other value, however far out, gives an
  // empty interpretation (Karmic Debt its fixed "Not Applicable").
  void rowsExistOnlyForTheirValues_data() {
    QTest::addColumn<Number>("number");
    QTest::addColumn<QList<int>>("keys");
    const QList<int> oneToNine = range(1, 9);
    const QList<int> withMasters = oneToNine + QList<int>{11, 22};
    QTest::newRow("Life Path") << Number::LifePath << withMasters;
    QTest::newRow("Birthday") << Number::Birthday << range(1, 31);
    QTest::newRow("Maturity") << Number::Maturity << oneToNine + QList<int>{11};
    QTest::newRow("Destiny") << Number::Destiny << withMasters;
    QTest::newRow("Soul Urge") << Number::SoulUrge << withMasters;
    QTest::newRow("Inner Dreams") << Number::InnerDreams << withMasters;
    QTest::newRow("Hidden Passion") << Number::HiddenPassion << oneToNine;
    QTest::newRow("Karmic Lessons") << Number::KarmicLessons << oneToNine;
    QTest::newRow("Subconscious Self") << Number::SubconsciousSelf << range(0, 9);
    QTest::newRow("Balance") << Number::Balance << oneToNine;
    QTest::newRow("Rational Thought") << Number::RationalThought << withMasters;
    QTest::newRow("L/E Bridge") << Number::LEBridge << range(0, 8);
    QTest::newRow("H/P Bridge") << Number::HPBridge << range(0, 8);
  }
  void rowsExistOnlyForTheirValues() {
    QFETCH(Number, number);
    QFETCH(QList<int>, keys);
    const QSet<int> present(keys.cbegin(), keys.cend());
    QList<int> probes = range(-3, 40);
    probes << INT_MIN << INT_MAX << 99 << 100;
    for (int key : probes) {
      const QString text = NumberTextsOne::text(number, key);
      QVERIFY2(text.isEmpty() != present.contains(key), where(number, key).constData());
    }
  }

  // Each interpretation is a real paragraph (several sentences ending in
  // sentence punctuation), each general description has as many sentences
  // as its number's section calls for, and all of it is plain ASCII with
  // line breaks only as CR LF pairs.
  void textsAreWholeParagraphs_data() {
    QTest::addColumn<Number>("number");
    QTest::addColumn<int>("descriptionSentences");
    QTest::newRow("Life Path") << Number::LifePath << 4;
    QTest::newRow("Birthday") << Number::Birthday << 2;
    QTest::newRow("Maturity") << Number::Maturity << 2;
    QTest::newRow("Destiny") << Number::Destiny << 2;
    QTest::newRow("Soul Urge") << Number::SoulUrge << 2;
    QTest::newRow("Inner Dreams") << Number::InnerDreams << 2;
    QTest::newRow("Hidden Passion") << Number::HiddenPassion << 2;
    QTest::newRow("Karmic Lessons") << Number::KarmicLessons << 2;
    QTest::newRow("Subconscious Self") << Number::SubconsciousSelf << 2;
    QTest::newRow("Balance") << Number::Balance << 3;
    QTest::newRow("Rational Thought") << Number::RationalThought << 2;
    QTest::newRow("L/E Bridge") << Number::LEBridge << 3;
    QTest::newRow("H/P Bridge") << Number::HPBridge << 2;
    QTest::newRow("Karmic Debt") << Number::KarmicDebt << 2;
  }
  void textsAreWholeParagraphs() {
    QFETCH(Number, number);
    QFETCH(int, descriptionSentences);
    static const QRegularExpression plain(QStringLiteral("^[\\x20-\\x7e]+$"));

    const QString description = NumberTextsOne::description(number);
    QVERIFY(plain.match(description).hasMatch());
    QCOMPARE(sentenceCount(description), descriptionSentences);
    QVERIFY(description.endsWith(QLatin1Char('.')));

    int rows = 0;
    for (int key = 0; key <= 31; ++key) {
      const QString text = NumberTextsOne::text(number, key);
      if (text.isEmpty() || text == QLatin1String("Not Applicable") ||
          text == QLatin1String("This number is not valid for this name."))
        continue;
      ++rows;
      QVERIFY2(!text.endsWith(kCrLf), where(number, key).constData());
      const QStringList pieces = text.split(kCrLf);
      for (int p = 0; p < pieces.size(); ++p) {
        const QString& piece = pieces.at(p);
        QVERIFY2(plain.match(piece).hasMatch(), where(number, key).constData());
        QVERIFY2(piece.trimmed() == piece || (number == Number::Birthday && key == 13 &&
                                              piece == QLatin1Char(' ') + piece.trimmed()),
                 where(number, key).constData());
        QVERIFY2(QStringLiteral(".!?").contains(piece.back()), where(number, key).constData());
        // Maturity's one-line remarks follow its paragraph; every other
        // piece is a paragraph of its own.
        if (number != Number::Maturity || p == 0)
          QVERIFY2(sentenceCount(piece) >= 4, where(number, key).constData());
      }
    }
    QVERIFY(rows > 0);
  }

  // The texts whose wording is fixed whole.
  void fixedTexts() {
    QCOMPARE(NumberTextsOne::birthdayDescription(),
             QStringLiteral("This describes what may happen in your middle years. It also tells "
                            "you about the various talents you possess."));
    for (int count : {0, 1, 2})
      QCOMPARE(NumberTextsOne::subconsciousSelfText(count),
               QStringLiteral("This number is not valid for this name."));
    for (int value : {INT_MIN, -13, 0, 1, 9, 11, 12, 15, 17, 18, 20, 22, 28, INT_MAX})
      QCOMPARE(NumberTextsOne::karmicDebtText(value), QStringLiteral("Not Applicable"));
    for (int value : {13, 14, 16, 19})
      QVERIFY(NumberTextsOne::karmicDebtText(value).size() > 100);
    QVERIFY(NumberTextsOne::birthdayText(13).startsWith(QLatin1Char(' ')));
  }

  // A Maturity text is its paragraph, then each remark on a line of its
  // own, with nothing after the last remark.
  void maturityRemarks_data() {
    QTest::addColumn<int>("number");
    QTest::addColumn<QStringList>("remarks");
    QTest::newRow("1") << 1 << QStringList{
        QStringLiteral("Too many 1s among the core numbers signify a stubborn and domineering "
                       "attitude."),
        QStringLiteral("And on the other hand, if you don't have many 1s then you will lead an "
                       "exciting and adventurous life.")};
    QTest::newRow("2") << 2 << QStringList{
        QStringLiteral("Too many 2s will make you very sensitive."),
        QStringLiteral("Few 2s may signify a peaceful life and the ability to work with different "
                       "people will increase.")};
    QTest::newRow("3") << 3 << QStringList{
        QStringLiteral("Many 3s in your chart will make you irresponsible about your work."),
        QStringLiteral("Few 3s will signify a carefree and tension free life."),
        QStringLiteral("But as a whole 3 brings close friends, new relations and most importantly "
                       "happiness to your life.")};
    QTest::newRow("4") << 4 << QStringList{
        QStringLiteral("Many 4s can make you narrow-minded."),
        QStringLiteral("Few 4s will take you through to a new peak of success.")};
    QTest::newRow("5") << 5 << QStringList{
        QStringLiteral("Many 5s in your chart indicates lack of concentration."),
        QStringLiteral("And less 5s indicates that you will take up new challenges and may adapt "
                       "some positive changes in the later part of your life.")};
    QTest::newRow("6") << 6 << QStringList{};
    QTest::newRow("7") << 7 << QStringList{
        QStringLiteral("Several sevens may make you feel separated."),
        QStringLiteral("Less 7s will land you in a particular field study, which may be your "
                       "goal.")};
    QTest::newRow("8") << 8 << QStringList{
        QStringLiteral("Too many 8s may make you overconfident and greedy."),
        QStringLiteral("Few 8s in your chart will give you a stable and secure position.")};
    QTest::newRow("9") << 9 << QStringList{
        QStringLiteral("Several 9s indicate arrogance and isolation in your chart."),
        QStringLiteral("Less 9s in your signify that you will achieve your goal of leaving behind "
                       "something immortal for people to remember.")};
    QTest::newRow("11") << 11 << QStringList{};
  }
  void maturityRemarks() {
    QFETCH(int, number);
    QFETCH(QStringList, remarks);
    const QStringList pieces = NumberTextsOne::maturityText(number).split(kCrLf);
    QCOMPARE(pieces.mid(1), remarks);
    QVERIFY(sentenceCount(pieces.first()) >= 4);
  }

  // Texts the report uses in two places are the very same words.
  void sharedTexts() {
    QCOMPARE(NumberTextsOne::soulUrgeDescription(), NumberTextsOne::hpBridgeDescription());
    for (int n : {6, 7, 8})
      QCOMPARE(NumberTextsOne::leBridgeText(n), NumberTextsOne::hpBridgeText(n));
    for (int n = 0; n <= 5; ++n)
      QVERIFY(NumberTextsOne::leBridgeText(n) != NumberTextsOne::hpBridgeText(n));
  }

  // No two rows of different meaning carry the same paragraph by mistake.
  void paragraphsAreDistinct() {
    QHash<QString, QByteArray> seen;
    for (Number number : allNumbers()) {
      if (number == Number::LEBridge) continue;  // shares 6..8 with H/P by design
      for (int key = 0; key <= 31; ++key) {
        const QString text = NumberTextsOne::text(number, key);
        if (text.isEmpty() || text == QLatin1String("Not Applicable") ||
            text == QLatin1String("This number is not valid for this name."))
          continue;
        for (const QString& piece : text.split(kCrLf)) {
          QVERIFY2(!seen.contains(piece),
                   QByteArray(where(number, key) + " repeats " + seen.value(piece)).constData());
          seen.insert(piece, where(number, key));
        }
      }
    }
  }
};

AURAVANE_MODEL_TEST_MAIN(TestNumberTextsOne)
#include "test_number_texts_one.moc"

#include "platform/Cp1252.h"
#include "shell/modTextEncoding.h"
#include "testsupport_core.h"

class TestEncoding : public QObject {
  Q_OBJECT
 private slots:
  // Every byte value survives the trip through the code page table.
  void allBytesRoundTrip() {
    QByteArray all;
    for (int i = 0; i < 256; ++i) all.append(char(i));
    const QString text = platform::cp1252::fromBytes(all);
    QCOMPARE(text.size(), 256);
    QCOMPARE(platform::cp1252::toBytes(text), all);
    for (int i = 0; i < 256; ++i) QCOMPARE(platform::cp1252::toCode(text[i]), i);
  }

  // Encoding moves every code up by 85 and drops what would pass 255;
  // decoding moves down and drops what would fall below 0.
  void shiftOfEveryCode() {
    for (int c = 0; c < 256; ++c) {
      const QString one(platform::cp1252::fromCode(c));
      const QString enc = modTextEncoding::EncodeText(one);
      if (c <= 170) {
        QCOMPARE(enc.size(), 1);
        QCOMPARE(platform::cp1252::toCode(enc[0]), c + 85);
        QCOMPARE(modTextEncoding::DecodeText(enc), one);
      } else {
        QVERIFY(enc.isEmpty());
      }
      const QString dec = modTextEncoding::DecodeText(one);
      if (c >= 85) QCOMPARE(platform::cp1252::toCode(dec[0]), c - 85);
      else QVERIFY(dec.isEmpty());
    }
  }

  void knownTexts_data() {
    QTest::addColumn<QString>("plain");
    QTest::addColumn<QByteArray>("encoded");
    QTest::newRow("empty") << QString() << QByteArray();
    QTest::newRow("abc") << "abc" << QByteArray("\xB6\xB7\xB8");
    QTest::newRow("tilde") << "~" << QByteArray("\xD3");
    QTest::newRow("deck r") << "dr" << QByteArray("\xB9\xC7");
    QTest::newRow("card 12") << "c12" << QByteArray("\xB8\x86\x87");
    QTest::newRow("reversed 7") << "r7" << QByteArray("\xC7\x8C");
    QTest::newRow("above 170 dropped") << QString("a") + QChar(0xE9) + "b" << QByteArray("\xB6\xB7");
  }
  void knownTexts() {
    QFETCH(QString, plain);
    QFETCH(QByteArray, encoded);
    QCOMPARE(platform::cp1252::toBytes(modTextEncoding::EncodeText(plain)), encoded);
  }

  void decodeOfPlainText() {
    // Letters come out as control codes; digits and spaces vanish.
    QCOMPARE(platform::cp1252::toBytes(modTextEncoding::DecodeText("abc")), QByteArray("\x0C\x0D\x0E"));
    QCOMPARE(modTextEncoding::DecodeText("12 34"), QString());
    // Joining before or after encoding gives the same.
    QCOMPARE(modTextEncoding::EncodeText("s") + modTextEncoding::EncodeText("Celtic Cross"), modTextEncoding::EncodeText("sCeltic Cross"));
  }
};

AURAVANE_MODEL_TEST_MAIN(TestEncoding)
#include "test_encoding.moc"

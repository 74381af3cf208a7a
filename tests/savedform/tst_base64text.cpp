#include "Base64Text.h"
#include "ExpectedError.h"

#include <QTest>

class TestBase64Text : public QObject
{
    Q_OBJECT
private slots:
    // RFC 4648 section 10.
    void rfcVectors_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("empty") << QByteArray() << QByteArray();
        QTest::newRow("f") << QByteArray("f") << QByteArray("Zg==");
        QTest::newRow("fo") << QByteArray("fo") << QByteArray("Zm8=");
        QTest::newRow("foo") << QByteArray("foo") << QByteArray("Zm9v");
        QTest::newRow("foob") << QByteArray("foob") << QByteArray("Zm9vYg==");
        QTest::newRow("fooba") << QByteArray("fooba") << QByteArray("Zm9vYmE=");
        QTest::newRow("foobar") << QByteArray("foobar") << QByteArray("Zm9vYmFy");
        QTest::newRow("high bytes") << QByteArray("\xff\xfe\xfd") << QByteArray("//79");
    }
    void rfcVectors()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QByteArray, text);
        QCOMPARE(Base64Text::encode(bytes), text);
        QCOMPARE(Base64Text::decode(text), bytes);
    }

    void allByteValuesRoundTrip()
    {
        QByteArray bytes;
        for (int i = 0; i < 256; ++i)
            bytes += char(i);
        const QByteArray text = Base64Text::encode(bytes);
        QCOMPARE(text, bytes.toBase64());
        QCOMPARE(Base64Text::decode(text), bytes);
    }

    // The decoder's leniency: characters of "+" .. "z" outside the alphabet count as 127, and
    // "=" only drops bytes of its own group.
    void lenientDecoding_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("bytes");
        // p=0, q=127: (0 << 2 | 127 >> 4) = 7; (127 << 4 | 0) mod 256 = 0xF0; (0 << 6 | 0) = 0.
        QTest::newRow("comma as 127") << QByteArray("A,AA") << QByteArray("\x07\xf0\x00", 3);
        // "=" first: p=127 gives (127 << 2) mod 256 = 0xFC, q=0; then bytes 2 and 3 follow.
        QTest::newRow("= first") << QByteArray("=AAA") << QByteArray("\xfc\x00\x00", 3);
        QTest::newRow("padding mid-text") << QByteArray("Zg==Zm8=") << QByteArray("ffo");
        // c3 "=" while c2 is not: two bytes.
        QTest::newRow("= fourth only") << QByteArray("Zm8=") << QByteArray("fo");
        // c2 "=": one byte, whatever c3 is.
        QTest::newRow("= third, letter fourth") << QByteArray("Zg=A") << QByteArray("f");
        // 127 and 51: (508 | 3) mod 256 = 0xFF; (816 | 12) mod 256 = 0x3C; (3264 | 51) mod 256 = 0xF3.
        QTest::newRow("grave accent and z") << QByteArray("`zzz") << QByteArray("\xff\x3c\xf3", 3);
    }
    void lenientDecoding()
    {
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, bytes);
        QCOMPARE(Base64Text::decode(text), bytes);
    }

    void invalidCharacters_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("CR LF") << QByteArray("Zm9v\r\n");
        QTest::newRow("LF in a group") << QByteArray("Zm9\n");
        QTest::newRow("blank") << QByteArray("Zm 9");
        QTest::newRow("asterisk below +") << QByteArray("Zm9*");
        QTest::newRow("brace above z") << QByteArray("Zm9{");
        QTest::newRow("accented") << QByteArray("Zm9\xe9");
        QTest::newRow("NUL") << QByteArray("Zm9\0", 4);
        QTest::newRow("incomplete group") << QByteArray("Zm9vZm");
        QTest::newRow("single character") << QByteArray("Z");
    }
    void invalidCharacters()
    {
        QFETCH(QByteArray, text);
        QCOMPARE(errorOf([&] { Base64Text::decode(text); }), QStringLiteral("Invalid Base64 Character"));
    }
};

QTEST_GUILESS_MAIN(TestBase64Text)
#include "tst_base64text.moc"

#include "AesEcb.h"
#include "ExpectedError.h"
#include "PasswordDigest.h"
#include "TRijndael.h"
#include "Windows1250.h"

#include <QTest>

namespace {

TRijndael::Key keyFromHex(const char *hex)
{
    const QByteArray bytes = QByteArray::fromHex(hex);
    TRijndael::Key key;
    std::copy(bytes.begin(), bytes.end(), key.begin());
    return key;
}

QByteArray keyBytes(const TRijndael &cipher)
{
    return QByteArray(reinterpret_cast<const char *>(cipher.key().data()), 16);
}

// A plaintext shaped like a saved form: the marker and 140 record lines.
QByteArray fullFormPlaintext()
{
    QByteArray text = QByteArrayLiteral("haj\xf3sk\xf6t\xf5\r\n");
    text += QByteArrayLiteral("Edit1_Kiss \xc1rp\xe1\x64\r\n");
    for (int i = 1; i <= 100; ++i)
        text += "PBNumEdit" + QByteArray::number(i) + '_' + QByteArray::number(i * 1234) + ",5\r\n";
    for (int c = 1; c <= 4; ++c) {
        for (int r = 1; r <= 10; ++r)
            text += "AdvStringGrid1_[" + QByteArray::number(c) + ',' + QByteArray::number(r) + "]cell\r\n";
    }
    return text;
}

} // namespace

class TestTRijndael : public QObject
{
    Q_OBJECT
private slots:
    // FIPS-197 Appendix C.1 (AES-128).
    void fipsC1Encipher()
    {
        TRijndael cipher;
        cipher.setKey(keyFromHex("000102030405060708090a0b0c0d0e0f"));
        const QByteArray out = cipher.encipherBytes(QByteArray::fromHex("00112233445566778899aabbccddeeff"));
        QCOMPARE(out.size(), 32);
        QCOMPARE(out.left(16).toHex(), QByteArray("69c4e0d86a7b0430d8cdb78070b4c55a"));
        // The final block is the encipherment of 16 zero bytes.
        QCOMPARE(out.mid(16), AesEcb::encipher(cipher.key(), QByteArray(16, '\0')));
    }
    void fipsC1Decipher()
    {
        TRijndael cipher;
        cipher.setKey(keyFromHex("000102030405060708090a0b0c0d0e0f"));
        const QByteArray block = QByteArray::fromHex("69c4e0d86a7b0430d8cdb78070b4c55a");
        // The block's last plaintext byte is 0xff, a count above 15: the whole block comes back.
        QCOMPARE(cipher.decipherBytes(block).toHex(), QByteArray("00112233445566778899aabbccddeeff"));
        const QByteArray withCountBlock = block + AesEcb::encipher(cipher.key(), QByteArray(16, '\0'));
        QCOMPARE(cipher.decipherBytes(withCountBlock).toHex(), QByteArray("00112233445566778899aabbccddeeff"));
    }

    void finalBlockCarriesCount_data()
    {
        QTest::addColumn<int>("length");
        for (int n : {0, 1, 15, 16, 17, 31, 32, 33})
            QTest::addRow("%d bytes", n) << n;
    }
    void finalBlockCarriesCount()
    {
        QFETCH(int, length);
        TRijndael cipher;
        cipher.SetKeyFromPassword("jelszo78");
        QByteArray plain;
        for (int i = 0; i < length; ++i)
            plain += char('A' + i % 26);
        const QByteArray blocks = AesEcb::decipher(cipher.key(), cipher.encipherBytes(plain));
        QCOMPARE(blocks.size(), TRijndael::cipherSize(length));
        const int rest = length % 16;
        const QByteArray last = blocks.right(16);
        QCOMPARE(int(last[15]), rest);
        QCOMPARE(last.left(rest), plain.right(rest));
        QCOMPARE(last.mid(rest, 15 - rest), QByteArray(15 - rest, '\0'));
        QCOMPARE(blocks.left(length - rest), plain.left(length - rest));
    }

    void roundTrip_data()
    {
        QTest::addColumn<QByteArray>("plain");
        QTest::addColumn<int>("cipherLength");
        QTest::addColumn<QByteArray>("ending");
        const QByteArray bytes = QByteArrayLiteral("0123456789abcdef0123456789ABCDEF");
        QTest::newRow("0 bytes") << QByteArray() << 24 << QByteArray("==");
        QTest::newRow("15 bytes") << bytes.left(15) << 24 << QByteArray("==");
        QTest::newRow("16 bytes") << bytes.left(16) << 44 << QByteArray("=");
        QTest::newRow("17 bytes") << bytes.left(17) << 44 << QByteArray("=");
        QTest::newRow("31 bytes") << bytes.left(31) << 44 << QByteArray("=");
        QTest::newRow("32 bytes") << bytes << 64 << QByteArray();
        const QByteArray form = fullFormPlaintext();
        const qsizetype formCipherBytes = TRijndael::cipherSize(form.size());
        QTest::newRow("saved form") << form << int((formCipherBytes + 2) / 3 * 4)
                                    << QByteArray((3 - formCipherBytes % 3) % 3, '=');
    }
    void roundTrip()
    {
        QFETCH(QByteArray, plain);
        QFETCH(int, cipherLength);
        QFETCH(QByteArray, ending);
        TRijndael cipher;
        cipher.SetKeyFromPassword(Windows1250::encode(QString::fromUtf8("titok")));
        const QByteArray text = cipher.EncryptText(plain);
        QCOMPARE(text.size(), cipherLength);
        if (!ending.isEmpty())
            QVERIFY(text.endsWith(ending) && !text.endsWith("=" + ending));
        else
            QVERIFY(!text.endsWith('='));
        for (char c : text)
            QVERIFY(std::isalnum(static_cast<unsigned char>(c)) || c == '+' || c == '/' || c == '=');
        QCOMPARE(cipher.DecryptText(text), plain);
    }

    // Keys and a cipher text from an independent implementation of the password digest.
    void passwordDigest_data()
    {
        QTest::addColumn<QByteArray>("password");
        QTest::addColumn<QByteArray>("key");
        QTest::newRow("empty") << QByteArray() << QByteArray("0bd132aa831c56ac1f92e61084a342d2");
        QTest::newRow("7 characters") << QByteArray("jelszo7") << QByteArray("857508d31e949c5187e479fd395dd92d");
        QTest::newRow("8 characters") << QByteArray("jelszo78") << QByteArray("c918f2013a3ce20ea027043f808c589f");
        QTest::newRow("capital") << QByteArray("Jelszo78") << QByteArray("8065cd9993e8227a52f884efceda92b7");
        QTest::newRow("accent") << Windows1250::encode(QString::fromUtf8("jelszó78"))
                                << QByteArray("b24b2da424316fbcccacf3bb87a1ad66");
        QTest::newRow("255 characters") << QByteArray(255, 'a') << QByteArray("013bb5719decb7d8bfabb6bd1e03b9a3");
    }
    void passwordDigest()
    {
        QFETCH(QByteArray, password);
        QFETCH(QByteArray, key);
        TRijndael cipher;
        cipher.SetKeyFromPassword(password);
        QCOMPARE(keyBytes(cipher).toHex(), key);
        cipher.SetKeyFromPassword(password);
        QCOMPARE(keyBytes(cipher).toHex(), key); // nothing random enters
    }
    void knownCipherText()
    {
        TRijndael cipher;
        cipher.SetKeyFromPassword("jelszo78");
        const QByteArray plain = Windows1250::encode(QString::fromUtf8("hajóskötő\r\nEdit1_Kiss Anna\r\n"));
        QCOMPARE(cipher.EncryptText(plain), QByteArray("5ETMEcMH011flx34VM+eBhTMOtsSMsb+McPw19B0OPw="));
    }
    void digestIsLonger()
    {
        const QByteArray digest = PasswordDigest::of("jelszo78", 256);
        QCOMPARE(digest.size(), 256);
        QCOMPARE(digest.left(16).toHex(), QByteArray("c918f2013a3ce20ea027043f808c589f"));
    }
    void keyIsZeroUntilAPassword()
    {
        TRijndael cipher;
        QCOMPARE(keyBytes(cipher), QByteArray(16, '\0'));
    }

    void wrongKeyGivesOtherBytes()
    {
        TRijndael cipher;
        cipher.SetKeyFromPassword("jo");
        const QByteArray plain = fullFormPlaintext();
        const QByteArray text = cipher.EncryptText(plain);
        cipher.SetKeyFromPassword("rossz");
        const QByteArray wrong = cipher.DecryptText(text);
        QVERIFY(wrong != plain);
        QVERIFY(!wrong.startsWith("haj"));
        // At most the whole last block: never longer than the cipher text's blocks.
        QVERIFY(wrong.size() <= TRijndael::cipherSize(plain.size()));
        QVERIFY(wrong.size() >= TRijndael::cipherSize(plain.size()) - 16);
    }

    void decryptFailures_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("message");
        TRijndael cipher;
        cipher.SetKeyFromPassword("jelszo");
        const QByteArray valid = cipher.EncryptText("hello world");
        QTest::newRow("CR LF appended") << valid + "\r\n" << QStringLiteral("Invalid Base64 Character");
        QTest::newRow("blank") << QByteArray("AAAA AAA") << QStringLiteral("Invalid Base64 Character");
        QTest::newRow("accented letter") << QByteArray("AAA\xe1") << QStringLiteral("Invalid Base64 Character");
        QTest::newRow("empty") << QByteArray() << QStringLiteral("Invalid file format");
        QTest::newRow("12 bytes") << QByteArray("AAAAAAAAAAAAAAAA") << QStringLiteral("Invalid file format");
    }
    void decryptFailures()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, message);
        TRijndael cipher;
        cipher.SetKeyFromPassword("jelszo");
        QCOMPARE(errorOf([&] { cipher.DecryptText(text); }), message);
    }

    void bytesAfterTheLastBlockAreIgnored()
    {
        TRijndael cipher;
        cipher.SetKeyFromPassword("x");
        const QByteArray blocks = cipher.encipherBytes("abc");
        QCOMPARE(cipher.decipherBytes(blocks + "tail"), QByteArray("abc"));
    }
};

QTEST_GUILESS_MAIN(TestTRijndael)
#include "tst_trijndael.moc"

#include "Windows1250.h"

#include <QTest>

class TestWindows1250 : public QObject
{
    Q_OBJECT
private slots:
    void roundTrip_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("ascii") << QStringLiteral("Edit1_x") << QByteArray("Edit1_x");
        QTest::newRow("marker") << QString::fromUtf8("hajóskötő") << QByteArray("haj\xf3sk\xf6t\xf5");
        QTest::newRow("capital double acute") << QString::fromUtf8("ŐŰőű") << QByteArray("\xd5\xdb\xf5\xfb");
        QTest::newRow("no-break space") << QString(QChar(0xA0)) << QByteArray("\xa0");
        QTest::newRow("euro") << QString(QChar(0x20AC)) << QByteArray("\x80");
    }
    void roundTrip()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QCOMPARE(Windows1250::encode(text), bytes);
        QCOMPARE(Windows1250::decode(bytes), text);
        QVERIFY(Windows1250::canEncode(text));
    }

    // ASCII comes through as it is, alone (which skips the converter) and beside a letter that
    // needs the converter.
    void keepsAscii()
    {
        for (int byte = 0; byte < 0x80; ++byte) {
            const QChar c(byte);
            QCOMPARE(Windows1250::decode(QByteArray(1, char(byte))), QString(c));
            QCOMPARE(Windows1250::encode(QString(c)), QByteArray(1, char(byte)));
            QCOMPARE(Windows1250::decode(QByteArray("\xe9") + char(byte)), QString::fromUtf8("é") + c);
            QCOMPARE(Windows1250::encode(QString::fromUtf8("é") + c), QByteArray("\xe9") + char(byte));
        }
    }

    void refusesCharactersOutsideTheCodePage_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("cyrillic") << QString::fromUtf8("Жuk");
        QTest::newRow("o tilde") << QString::fromUtf8("õ");
        QTest::newRow("emoji") << QString::fromUtf8("a😀");
        QTest::newRow("cjk") << QString::fromUtf8("漢");
    }
    void refusesCharactersOutsideTheCodePage()
    {
        QFETCH(QString, text);
        QVERIFY(!Windows1250::canEncode(text));
    }
};

QTEST_GUILESS_MAIN(TestWindows1250)
#include "tst_windows1250.moc"

#include "AmountText.h"
#include "ExpectedError.h"
#include "GroupTotal.h"

#include <QTest>
#include <array>

using Inputs = std::array<QString, 8>;
Q_DECLARE_METATYPE(Inputs)

class TestGroupTotal : public QObject
{
    Q_OBJECT
private slots:
    void total_data()
    {
        QTest::addColumn<Inputs>("inputs"); // Hungarian texts
        QTest::addColumn<QString>("shown");

        const QString z = "0";
        QTest::newRow("all zero") << Inputs{z, z, z, z, z, z, z, z} << "0";
        QTest::newRow("100 and 50") << Inputs{"100", z, z, "50", z, z, z, z} << "150";
        QTest::newRow("0,1 + 0,2") << Inputs{"0,1", "0,2", z, z, z, z, z, z} << "0,3";
        QTest::newRow("negative input") << Inputs{"1000", "-500", z, z, z, z, z, z} << "500";
        QTest::newRow("2^53 + 1 plus 1") << Inputs{"9007199254740993", "1", z, z, z, z, z, z} << "9007199254740994";
        const QString p = "200000000000000000";
        QTest::newRow("eight times 2e17") << Inputs{p, p, p, p, p, p, p, p} << "1,6E18";
        QTest::newRow("empty and minus count as zero") << Inputs{"", "-", "7", z, z, z, z, z} << "7";
        QTest::newRow("thousand separator ignored")
            << Inputs{QString("1" + QString(QChar(0xA0)) + "000"), "1", z, z, z, z, z, z} << "1001";
        // Left to right: 2^64 - 2^64 + 1 gives 1; adding the 1 to 2^64 first would lose it.
        QTest::newRow("row order") << Inputs{"18446744073709551616", "-18446744073709551616", "1", z, z, z, z, z}
                                   << "1";
        QTest::newRow("overflowing sum") << Inputs{"1E4932", "1E4932", z, z, z, z, z, z} << "INF";
    }
    void total()
    {
        QFETCH(Inputs, inputs);
        QFETCH(QString, shown);
        const long double sum = groupTotal(inputs, RegionalSettings::hungarian());
        QCOMPARE(formatAmount(sum, RegionalSettings::hungarian()), shown);
    }

    void englishSettings()
    {
        const Inputs inputs{"0.1", "0.2", "1,000", "0", "0", "0", "0", "0"};
        QCOMPARE(formatAmount(groupTotal(inputs, RegionalSettings::english()), RegionalSettings::english()),
                 QString("1000.3"));
    }

    void firstBadInputIsReported()
    {
        const Inputs inputs{"1", "E", "x", "0", "0", "0", "0", "0"};
        QCOMPARE(errorOf([&] { groupTotal(inputs, RegionalSettings::hungarian()); }),
                 QString("'E' is not a valid floating point value"));
    }
};

QTEST_GUILESS_MAIN(TestGroupTotal)
#include "tst_grouptotal.moc"

#include "GeneralFloatFormat.h"

#include <QTest>
#include <cmath>
#include <limits>

class TestGeneralFloatFormat : public QObject
{
    Q_OBJECT
private slots:
    void format_data();
    void format();
};

void TestGeneralFloatFormat::format_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("hungarian");
    QTest::addColumn<QString>("english");
    QTest::newRow("zero") << 0.0 << "0"
                          << "0";
    QTest::newRow("negative zero") << -0.0 << "0"
                                   << "0";
    QTest::newRow("integer") << 1234.0 << "1234"
                             << "1234";
    QTest::newRow("fraction") << 1234.5 << "1234,5"
                              << "1234.5";
    QTest::newRow("negative") << -1500.0 << "-1500"
                              << "-1500";
    QTest::newRow("0.1 + 0.2 rounds to 15 digits") << 0.1 + 0.2 << "0,3"
                                                   << "0.3";
    QTest::newRow("largest fixed") << 999999999999999.0 << "999999999999999"
                                   << "999999999999999";
    QTest::newRow("1E15") << 1e15 << "1E15"
                          << "1E15";
    QTest::newRow("1.5E20") << 1.5e20 << "1,5E20"
                            << "1.5E20";
    QTest::newRow("1E-6") << 1e-6 << "1E-6"
                          << "1E-6";
    QTest::newRow("0.00001 still fixed") << 0.00001 << "0,00001"
                                         << "0.00001";
    QTest::newRow("small fraction") << 0.000123 << "0,000123"
                                    << "0.000123";
    QTest::newRow("negative small") << -2.5e-7 << "-2,5E-7"
                                    << "-2.5E-7";
    QTest::newRow("rounds up into exponent form") << 999999999999999.9 << "1E15"
                                                  << "1E15";
    QTest::newRow("15 significant digits") << 123456.789012345678 << "123456,789012346"
                                           << "123456.789012346";
    QTest::newRow("trailing zeros of the fraction dropped") << 12.5000 << "12,5"
                                                            << "12.5";
    QTest::newRow("large integer with zeros") << 120000000.0 << "120000000"
                                              << "120000000";
    QTest::newRow("negative exponent form") << -1.25e300 << "-1,25E300"
                                            << "-1.25E300";
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << "INF"
                              << "INF";
    QTest::newRow("negative infinity") << -std::numeric_limits<double>::infinity() << "-INF"
                                       << "-INF";
}

void TestGeneralFloatFormat::format()
{
    QFETCH(double, value);
    QFETCH(QString, hungarian);
    QFETCH(QString, english);
    QCOMPARE(GeneralFloatFormat::format(value, u','), hungarian);
    QCOMPARE(GeneralFloatFormat::format(value, u'.'), english);
}

QTEST_GUILESS_MAIN(TestGeneralFloatFormat)
#include "tst_generalfloatformat.moc"

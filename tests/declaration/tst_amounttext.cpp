#include "AmountText.h"
#include "ExpectedError.h"
#include "NamedSettings.h"

#include <QTest>
#include <cfloat>
#include <cmath>

Q_DECLARE_METATYPE(long double)

namespace {
// The same number in both settings: the Hungarian text uses the comma, the English the period.
QString english(QString hungarian)
{
    return hungarian.replace(u',', u'.');
}
} // namespace

class TestAmountText : public QObject
{
    Q_OBJECT
private slots:
    void format_data()
    {
        QTest::addColumn<long double>("value");
        QTest::addColumn<QString>("text"); // Hungarian

        QTest::newRow("zero") << 0.0L << "0";
        QTest::newRow("integer") << 1234.0L << "1234";
        QTest::newRow("one decimal") << 1234.5L << "1234,5";
        QTest::newRow("negative") << -1234.5L << "-1234,5";
        QTest::newRow("half") << 0.5L << "0,5";
        QTest::newRow("one third") << 1.0L / 3.0L << "0,33333333333333";
        QTest::newRow("two thirds rounds up") << 2.0L / 3.0L << "0,66666666666667";
        QTest::newRow("negative zero") << -0.0L << "0";
        QTest::newRow("negative rounded to zero") << -1e-15L << "0";
        QTest::newRow("10^20") << 1e20L << "1E20";
        QTest::newRow("-10^20") << -1e20L << "-1E20";
        QTest::newRow("1.6e18") << 1.6e18L << "1,6E18";
        QTest::newRow("10^18") << 1e18L << "1E18";
        QTest::newRow("largest plain integer") << 999999999999999999.0L << "999999999999999999";
        QTest::newRow("carry into 10^18") << 999999999999999999.75L << "1E18";
        QTest::newRow("18 digits, half away") << 123456789012345678.5L << "123456789012345679";
        QTest::newRow("18 digits, negative half away") << -123456789012345678.5L << "-123456789012345679";
        QTest::newRow("17 digits keep one decimal") << 12345678901234567.5L << "12345678901234567,5";
        QTest::newRow("18 significant digits") << 1234567890.123456789L << "1234567890,12345679";
        QTest::newRow("2^53 + 1") << 9007199254740993.0L << "9007199254740993";
        QTest::newRow("2^53 + 2") << 9007199254740994.0L << "9007199254740994";
        QTest::newRow("double 0.3 cut at 14 decimals") << static_cast<long double>(0.3) << "0,3";
        QTest::newRow("extended 0.1") << 0.1L << "0,1";
        QTest::newRow("2^-47 rounds up to the 14th decimal") << std::ldexp(1.0L, -47) << "0,00000000000001";
        QTest::newRow("2^-48 rounds down to zero") << std::ldexp(1.0L, -48) << "0";
        QTest::newRow("trailing zeros dropped") << 12.5L << "12,5";
        QTest::newRow("15 significant digits in exponent form") << 1.234567890123456789e25L << "1,23456789012346E25";
        QTest::newRow("largest extended") << LDBL_MAX << "1,18973149535723E4932";
        QTest::newRow("smallest subnormal") << std::numeric_limits<long double>::denorm_min() << "0";
        QTest::newRow("infinity") << std::numeric_limits<long double>::infinity() << "INF";
        QTest::newRow("minus infinity") << -std::numeric_limits<long double>::infinity() << "-INF";
    }
    void format()
    {
        QFETCH(long double, value);
        QFETCH(QString, text);
        QCOMPARE(formatAmount(value, RegionalSettings::hungarian()), text);
        QCOMPARE(formatAmount(value, RegionalSettings::english()), english(text));
    }

    void parse_data()
    {
        QTest::addColumn<QString>("settings");
        QTest::addColumn<QString>("text");
        QTest::addColumn<long double>("value");

        const QString nbsp(QChar(0xA0));
        QTest::newRow("empty") << "hu"
                               << "" << 0.0L;
        QTest::newRow("lone separator") << "hu"
                                        << "," << 0.0L;
        QTest::newRow("lone separator en") << "en"
                                           << "." << 0.0L;
        QTest::newRow("exponent") << "hu"
                                  << "1,5E3" << 1500.0L;
        QTest::newRow("exponent en") << "en"
                                     << "1.5E3" << 1500.0L;
        QTest::newRow("small e") << "hu"
                                 << "1e2" << 100.0L;
        QTest::newRow("exponent plus") << "hu"
                                       << "1E+2" << 100.0L;
        QTest::newRow("exponent minus") << "hu"
                                        << "25E-1" << 2.5L;
        QTest::newRow("empty exponent") << "hu"
                                        << "1234E" << 1234.0L;
        QTest::newRow("empty signed exponent") << "hu"
                                               << "1E-" << 1.0L;
        QTest::newRow("thousand separator hu") << "hu" << QString("1" + nbsp + "234,5") << 1234.5L;
        QTest::newRow("thousand separator en") << "en"
                                               << "1,234.5" << 1234.5L;
        QTest::newRow("thousand separators anywhere") << "en"
                                                      << ",1,2,3," << 123.0L;
        QTest::newRow("comma under period settings is grouping") << "en"
                                                                 << "1,5" << 15.0L;
        QTest::newRow("spaces") << "hu"
                                << "  12  " << 12.0L;
        QTest::newRow("plus") << "hu"
                              << "+5" << 5.0L;
        QTest::newRow("minus") << "hu"
                               << "-5" << -5.0L;
        QTest::newRow("leading separator") << "hu"
                                           << ",5" << 0.5L;
        QTest::newRow("trailing separator") << "hu"
                                            << "5," << 5.0L;
        QTest::newRow("trailing zeros") << "hu"
                                        << "1,50" << 1.5L;
        QTest::newRow("0,1") << "hu"
                             << "0,1" << 0.1L;
        QTest::newRow("0,3") << "hu"
                             << "0,3" << 0.3L;
        QTest::newRow("14 decimals") << "hu"
                                     << "0,33333333333333" << 0.33333333333333L;
        QTest::newRow("2^53 + 1") << "hu"
                                  << "9007199254740993" << 9007199254740993.0L;
        QTest::newRow("30 digits") << "hu"
                                   << "1,23456789012345678901234567890" << 1.23456789012345678901234567890L;
        QTest::newRow("many leading zeros") << "hu"
                                            << "0,0000000000000000000000000000000000000012345" << 1.2345e-39L;
        QTest::newRow("2^64 + 1 ties to even") << "hu"
                                               << "18446744073709551617" << std::ldexp(1.0L, 64);
        QTest::newRow("2^64 + 3 ties to even") << "hu"
                                               << "18446744073709551619" << std::ldexp(1.0L, 64) + 4.0L;
        QTest::newRow("just above the tie")
            << "hu"
            << "18446744073709551617,0000000000000000000001" << std::ldexp(1.0L, 64) + 2.0L;
        QTest::newRow("just below the tie") << "hu"
                                            << "18446744073709551616,9999999999999999999999" << std::ldexp(1.0L, 64);
        QTest::newRow("largest extended") << "hu"
                                          << "1,18973149535723176502E4932" << LDBL_MAX;
        QTest::newRow("smallest normal") << "hu"
                                         << "3,36210314311209350626E-4932" << LDBL_MIN;
        QTest::newRow("smallest subnormal")
            << "hu"
            << "3,6451995318824746025E-4951" << std::numeric_limits<long double>::denorm_min();
        QTest::newRow("above half the smallest subnormal")
            << "hu"
            << "1,9E-4951" << std::numeric_limits<long double>::denorm_min();
        QTest::newRow("below half the smallest subnormal") << "hu"
                                                           << "1,8E-4951" << 0.0L;
        QTest::newRow("far below the range") << "hu"
                                             << "1E-4999" << 0.0L;
        QTest::newRow("exponent reaching 500") << "hu"
                                               << "1E500" << 1e500L;
        QTest::newRow("exponent with leading zeros") << "hu"
                                                     << "1E0000000001" << 10.0L;
        QTest::newRow("zero with a huge exponent") << "hu"
                                                   << "0E4999" << 0.0L;
        QTest::newRow("1E4932") << "hu"
                                << "1E4932" << 1e4932L;
        QTest::newRow("mantissa scaled by the exponent") << "hu"
                                                         << "0,000001E4938" << 1e4932L;
    }
    void parse()
    {
        QFETCH(QString, settings);
        QFETCH(QString, text);
        QFETCH(long double, value);
        const long double parsed = parseAmount(text, settingsNamed(settings));
        QVERIFY2(parsed == value, qPrintable(formatAmount(parsed, RegionalSettings::english())));
    }

    void parseKeepsTheSignOfZero_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("negative");
        QTest::newRow("lone minus") << "-" << true;
        QTest::newRow("minus zero") << "-0" << true;
        QTest::newRow("zero") << "0" << false;
        QTest::newRow("minus underflow") << "-1E-4999" << true;
    }
    void parseKeepsTheSignOfZero()
    {
        QFETCH(QString, text);
        QFETCH(bool, negative);
        const long double value = parseAmount(text, RegionalSettings::hungarian());
        QCOMPARE(value, 0.0L);
        QCOMPARE(std::signbit(value), negative);
    }

    void parseLongTexts()
    {
        // Far more digits than any halfway point needs: the cut digits still count as "more".
        const QString ones = "1," + QString(20000, u'0') + "1";
        QCOMPARE(parseAmount(ones, RegionalSettings::hungarian()), 1.0L);
        const QString tie = "18446744073709551617," + QString(20000, u'0') + "1";
        QCOMPARE(parseAmount(tie, RegionalSettings::hungarian()), std::ldexp(1.0L, 64) + 2.0L);
        const QString tiny = "0," + QString(100000, u'0') + "5";
        QCOMPARE(parseAmount(tiny, RegionalSettings::hungarian()), 0.0L);
    }

    void parseErrors_data()
    {
        QTest::addColumn<QString>("settings");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("named"); // the text the message names

        const QString nbsp(QChar(0xA0));
        QTest::newRow("E") << "hu"
                           << "E"
                           << "E";
        QTest::newRow("period under comma settings") << "hu"
                                                     << "1.5"
                                                     << "1.5";
        QTest::newRow("two separators") << "hu"
                                        << "1,2,3"
                                        << "1,2,3";
        QTest::newRow("letters") << "hu"
                                 << "abc"
                                 << "abc";
        QTest::newRow("spaces only") << "hu"
                                     << "   "
                                     << "   ";
        QTest::newRow("sign only") << "hu"
                                   << "+"
                                   << "+";
        QTest::newRow("two signs") << "hu"
                                   << "--1"
                                   << "--1";
        QTest::newRow("trailing minus") << "hu"
                                        << "1-"
                                        << "1-";
        QTest::newRow("two exponents") << "hu"
                                       << "1E5E"
                                       << "1E5E";
        QTest::newRow("space inside") << "hu"
                                      << "1 000"
                                      << "1 000";
        QTest::newRow("non-ASCII digit") << "hu" << QString::fromUtf8("١") << QString::fromUtf8("١");
        QTest::newRow("exponent digit after 500") << "hu"
                                                  << "1E5000"
                                                  << "1E5000";
        QTest::newRow("negative exponent digit after 500") << "hu"
                                                           << "1E-5000"
                                                           << "1E-5000";
        QTest::newRow("zero with digit after 500") << "hu"
                                                   << "0E5000"
                                                   << "0E5000";
        QTest::newRow("overflow") << "hu"
                                  << "1,2E4932"
                                  << "1,2E4932";
        QTest::newRow("overflow below 500") << "hu"
                                            << "1E4999"
                                            << "1E4999";
        QTest::newRow("overflow by digits")
            << "hu" << QString("1" + QString(5000, u'0')) << QString("1" + QString(5000, u'0'));
        QTest::newRow("named without thousand separator") << "hu" << QString("1" + nbsp + "234.5") << "1234.5";
        QTest::newRow("exponent only sign") << "hu"
                                            << "E-"
                                            << "E-";
    }
    void parseErrors()
    {
        QFETCH(QString, settings);
        QFETCH(QString, text);
        QFETCH(QString, named);
        QCOMPARE(errorOf([&] { parseAmount(text, settingsNamed(settings)); }),
                 QStringLiteral("'%1' is not a valid floating point value").arg(named));
    }

    void normalized_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("normalized");
        QTest::newRow("empty") << ""
                               << "0";
        QTest::newRow("minus") << "-"
                               << "-0";
        QTest::newRow("grouped") << QString("1" + QString(QChar(0xA0)) + "234") << "1234";
        QTest::newRow("only separators") << QString(2, QChar(0xA0)) << "0";
        QTest::newRow("unchanged") << "12,5"
                                   << "12,5";
    }
    void normalized()
    {
        QFETCH(QString, text);
        QFETCH(QString, normalized);
        QCOMPARE(normalizedAmountText(text, RegionalSettings::hungarian()), normalized);
    }

    // The display form parses back to a value whose display form is the same text.
    void displayFormIsStable_data()
    {
        QTest::addColumn<long double>("value");
        QTest::newRow("one third") << 1.0L / 3.0L;
        QTest::newRow("large") << 123456789.987654321L;
        QTest::newRow("exponent form") << 1.234567890123456789e300L;
        QTest::newRow("negative tiny") << -0.00000000001234L;
    }
    void displayFormIsStable()
    {
        QFETCH(long double, value);
        for (const RegionalSettings &settings : {RegionalSettings::hungarian(), RegionalSettings::english()}) {
            const QString text = formatAmount(value, settings);
            QCOMPARE(formatAmount(parseAmount(text, settings), settings), text);
        }
    }
};

QTEST_GUILESS_MAIN(TestAmountText)
#include "tst_amounttext.moc"

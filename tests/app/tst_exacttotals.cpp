// The random user's check of the group totals, which stands apart from the program's arithmetic:
// it must take every total the program rightly shows and catch a wrong one.
#include "ExactTotals.h"

#include <QTest>

class TestExactTotals : public QObject
{
    Q_OBJECT
private slots:
    void totalMismatch_data()
    {
        QTest::addColumn<QStringList>("inputs");
        QTest::addColumn<QString>("total");
        QTest::addColumn<bool>("mismatch");
        const QString nbsp(QChar(0xA0));
        const auto row = [](const char *name, QStringList inputs, const QString &total, bool mismatch) {
            while (inputs.size() < 8)
                inputs << QStringLiteral("0");
            QTest::newRow(name) << inputs << total << mismatch;
        };
        row("0,1 and 0,2", {"0,1", "0,2"}, "0,3", false);
        row("2^53 + 1 and 1 in extended precision", {"9007199254740993", "1"}, "9007199254740994", false);
        row("2^53 + 1 and 1 in double precision", {"9007199254740993", "1"}, "9007199254740992", true);
        row("a negative input", {"1000", "-500"}, "500", false);
        row("an input left out", {"1", "2", "3", "4", "5", "6", "7", "8"}, "28", true);
        row("1/3 at 14 decimals", {"0,333333333333333333333"}, "0,33333333333333", false);
        row("1/3 at 15 decimals", {"0,333333333333333333333"}, "0,333333333333333", true);
        row("8 times 2*10^17 in the exponent form",
            {"200000000000000000", "200000000000000000", "200000000000000000", "200000000000000000",
             "200000000000000000", "200000000000000000", "200000000000000000", "200000000000000000"},
            "1,6E18", false);
        row("10^18 in full digits", {"1E18"}, "1000000000000000000", true);
        row("thousand separators in an input", {"1" + nbsp + "000", "-", ""}, "1000", false);
        row("thousand separators in the total", {"1000"}, "1" + nbsp + "000", true);
        row("trailing zero of the decimals", {"1,50"}, "1,50", true);
        row("negative zero", {"-0"}, "-0", true);
        row("an input that does not parse: not checked", {"E", "5"}, "123", false);
        row("beyond the range: not checked", {"9E4932", "9E4932"}, "0", false);
    }
    void totalMismatch()
    {
        QFETCH(QStringList, inputs);
        QFETCH(QString, total);
        QFETCH(bool, mismatch);
        const std::optional<QString> found = ::totalMismatch(inputs, total, u',', QChar(0xA0));
        QVERIFY2(found.has_value() == mismatch, qPrintable(found.value_or(QStringLiteral("no mismatch"))));
    }
};

QTEST_GUILESS_MAIN(TestExactTotals)
#include "tst_exacttotals.moc"

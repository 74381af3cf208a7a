#include "AmountText.h"
#include "Error.h"
#include "ExpectedError.h"
#include "FieldCatalogue.h"
#include "GeneralFloatFormat.h"
#include "InMemoryDeclaration.h"
#include "PrintValueProvider.h"
#include "RegionalSettings.h"

#include <QSet>
#include <QTest>

namespace {
int indexOf(const char *name)
{
    return *FieldCatalogue::find(QString::fromLatin1(name));
}
} // namespace

// The print values of a declaration: each family of names against the fields it reads.
class TestPrintValues : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void hasTheTemplatesNames();
    void textFields_data();
    void textFields();
    void numberOfPeopleAsShown();
    void householdCellsColumnByColumn_data();
    void householdCellsColumnByColumn();
    void singleAmounts_data();
    void singleAmounts();
    void columnSumsAddTheIncomeGroupsOnly();
    void columnSumsInExtendedPrecision();
    void netValuesSubtractTheDeductions();
    void netValueReadsTheCachedSum();
    void cacheOutlivesAPrint();
    void perHeadIncome_data();
    void perHeadIncome();
    void perHeadIncomeBeyond32Bits();
    void freshDeclaration();
    void date_data();
    void date();
    void identifier();
    void otherNamesStayUnanswered_data();
    void otherNamesStayUnanswered();
    void conversionErrorIsNotCaught();

private:
    PrintValue ask(const QString &name);
    QString askText(const QString &name);
    double askNumber(const QString &name);
    // An amount written in the amount fields' display form, as the fields would show it.
    void setAmount(int group, int position, long double value);
    void setPeople(long double value);

    const RegionalSettings::PinForTesting m_hungarian{RegionalSettings::hungarian()};
    InMemoryDeclaration m_declaration;
    QString m_identifier;
    QDate m_today;
    std::unique_ptr<PrintValueProvider> m_provider;
};

void TestPrintValues::init()
{
    m_declaration = InMemoryDeclaration();
    m_identifier.clear();
    m_today = QDate(2024, 3, 5);
    m_provider = std::make_unique<PrintValueProvider>(m_declaration, m_identifier, [this] { return m_today; });
}

PrintValue TestPrintValues::ask(const QString &name)
{
    PrintValue value;
    m_provider->Report1GetValue(name, value);
    return value;
}

QString TestPrintValues::askText(const QString &name)
{
    const PrintValue value = ask(name);
    if (!std::holds_alternative<QString>(value))
        qWarning() << name << "is not a text value";
    return std::holds_alternative<QString>(value) ? std::get<QString>(value) : QStringLiteral("<not a text>");
}

double TestPrintValues::askNumber(const QString &name)
{
    const PrintValue value = ask(name);
    if (!std::holds_alternative<double>(value))
        qWarning() << name << "is not a floating value";
    return std::holds_alternative<double>(value) ? std::get<double>(value) : -424242.0;
}

void TestPrintValues::setAmount(int group, int position, long double value)
{
    m_declaration.setText(FieldCatalogue::amountIndex(group, position), formatAmount(value, RegionalSettings::current()));
}

void TestPrintValues::setPeople(long double value)
{
    m_declaration.setText(indexOf("PBNumEdit1"), formatAmount(value, RegionalSettings::current()));
}

void TestPrintValues::hasTheTemplatesNames()
{
    const QStringList names = PrintValueProvider::variableNames();
    QCOMPARE(names.size(), 167 + 2);
    QCOMPARE(QSet<QString>(names.begin(), names.end()).size(), 169);
    QCOMPARE(names.mid(167), QStringList({"kepvnev", "kepvcim"}));
    // Every name is answered, with the kind its family has.
    for (const QString &name : names) {
        const PrintValue value = ask(name);
        QVERIFY2(!std::holds_alternative<std::monostate>(value), qPrintable(name));
        const int number = name.mid(1).toInt();
        const bool floating = name.startsWith(u'm') && number >= 101;
        QCOMPARE(std::holds_alternative<double>(value), floating);
    }
}

void TestPrintValues::textFields_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("field");
    for (int n = 1; n <= 6; ++n)
        QTest::addRow("m%d", n) << QStringLiteral("m%1").arg(n) << QStringLiteral("Edit%1").arg(n);
    QTest::newRow("representative's name") << "kepvnev"
                                           << "Edit7";
    QTest::newRow("representative's address") << "kepvcim"
                                              << "Edit8";
}

void TestPrintValues::textFields()
{
    QFETCH(QString, name);
    QFETCH(QString, field);
    for (int n = 1; n <= 8; ++n)
        m_declaration.setText(indexOf(qPrintable(QStringLiteral("Edit%1").arg(n))), QString::fromUtf8("Szöveg %1").arg(n));
    QCOMPARE(askText(name), QString::fromUtf8("Szöveg %1").arg(field.mid(4)));
}

void TestPrintValues::numberOfPeopleAsShown()
{
    // The text as typed, not the display form of its value ("2,5").
    m_declaration.setText(indexOf("PBNumEdit1"), QStringLiteral("2,50"));
    QCOMPARE(askText(QStringLiteral("m7")), QStringLiteral("2,50"));
}

void TestPrintValues::householdCellsColumnByColumn_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("row");
    QTest::newRow("m9 name of row 1") << "m9" << 1 << 1;
    QTest::newRow("m10 name of row 2") << "m10" << 1 << 2;
    QTest::newRow("m18 name of row 10") << "m18" << 1 << 10;
    QTest::newRow("m19 place of birth row 1") << "m19" << 2 << 1;
    QTest::newRow("m28 place of birth row 10") << "m28" << 2 << 10;
    QTest::newRow("m29 date of birth row 1") << "m29" << 3 << 1;
    QTest::newRow("m35 date of birth row 7") << "m35" << 3 << 7;
    QTest::newRow("m39 mother's name row 1") << "m39" << 4 << 1;
    QTest::newRow("m48 mother's name row 10") << "m48" << 4 << 10;
}

void TestPrintValues::householdCellsColumnByColumn()
{
    QFETCH(QString, name);
    QFETCH(int, column);
    QFETCH(int, row);
    for (int c = 1; c <= 4; ++c) {
        for (int r = 1; r <= 10; ++r)
            m_declaration.setCell(c, r, QStringLiteral("c%1r%2").arg(c).arg(r));
    }
    // The legal representative's fields never reach the table's names.
    m_declaration.setText(indexOf("Edit7"), QStringLiteral("representative"));
    QCOMPARE(askText(name), QStringLiteral("c%1r%2").arg(column).arg(row));
    m_declaration.setCell(column, row, QString());
    QCOMPARE(askText(name), QString());
}

void TestPrintValues::singleAmounts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("group");
    QTest::addColumn<int>("position");
    QTest::newRow("m101 group 1 applicant") << "m101" << 1 << 1;
    QTest::newRow("m109 group 1 total") << "m109" << 1 << 9;
    QTest::newRow("m135 group 4 member d") << "m135" << 4 << 5;
    QTest::newRow("m171 group 8 applicant") << "m171" << 8 << 1;
    QTest::newRow("m179 group 8 total") << "m179" << 8 << 9;
    QTest::newRow("m191 deduction group 9") << "m191" << 9 << 1;
    QTest::newRow("m205 deduction group 10") << "m205" << 10 << 5;
    QTest::newRow("m219 deduction group 11 total") << "m219" << 11 << 9;
}

void TestPrintValues::singleAmounts()
{
    QFETCH(QString, name);
    QFETCH(int, group);
    QFETCH(int, position);
    for (int g = 1; g <= 11; ++g) {
        for (int p = 1; p <= 9; ++p)
            setAmount(g, p, g * 1000 + p + 0.25L);
    }
    QCOMPARE(askNumber(name), group * 1000 + position + 0.25);
}

void TestPrintValues::columnSumsAddTheIncomeGroupsOnly()
{
    for (int g = 1; g <= 11; ++g) {
        for (int p = 1; p <= 9; ++p)
            setAmount(g, p, g <= 8 ? 10.0L * g + p : 1e6L); // deductions must not enter
    }
    for (int p = 1; p <= 9; ++p) {
        double expected = 0;
        for (int g = 1; g <= 8; ++g)
            expected += 10.0 * g + p;
        QCOMPARE(askNumber(QStringLiteral("m18%1").arg(p)), expected);
        QCOMPARE(double(m_provider->columnSumCache()[p - 1]), expected);
    }
}

void TestPrintValues::columnSumsInExtendedPrecision()
{
    // 2^53 + 1 + 1: in double each addition rounds back to 2^53; in extended precision the ones add up.
    setAmount(1, 1, 9007199254740992.0L);
    setAmount(2, 1, 1);
    setAmount(3, 1, 1);
    QCOMPARE(askNumber(QStringLiteral("m181")), 9007199254740994.0);
    setAmount(1, 2, 0.1L);
    setAmount(2, 2, 0.2L);
    QCOMPARE(GeneralFloatFormat::format(askNumber(QStringLiteral("m182")), u','), QStringLiteral("0,3"));
}

void TestPrintValues::netValuesSubtractTheDeductions()
{
    for (int p = 1; p <= 9; ++p) {
        setAmount(1, p, 100000 + p);
        setAmount(2, p, 50000);
        setAmount(9, p, 1000);
        setAmount(10, p, 200);
        setAmount(11, p, 30 + p);
    }
    for (int p = 1; p <= 9; ++p)
        askNumber(QStringLiteral("m18%1").arg(p));
    // (150000 + p) - ((1000 + 200) + (30 + p))
    for (int p = 1; p <= 9; ++p)
        QCOMPARE(askNumber(QStringLiteral("m22%1").arg(p)), 148770.0);
    QCOMPARE(double(m_provider->columnSumCache()[9]), 148770.0);
}

void TestPrintValues::netValueReadsTheCachedSum()
{
    setAmount(1, 3, 5000);
    setAmount(9, 3, 800);
    // Asked before its column sum, the net value reads the (zero) cache.
    QCOMPARE(askNumber(QStringLiteral("m223")), -800.0);
    QCOMPARE(askNumber(QStringLiteral("m183")), 5000.0);
    QCOMPARE(askNumber(QStringLiteral("m223")), 4200.0);
    // The sum is not computed again: a changed field reaches the net value only through m183.
    setAmount(1, 3, 9000);
    QCOMPARE(askNumber(QStringLiteral("m223")), 4200.0);
    // m8 reads the net value of the totals column only once m229 stored it.
    setPeople(2);
    setAmount(1, 9, 6000);
    QCOMPARE(askText(QStringLiteral("m8")), QStringLiteral("-"));
    askNumber(QStringLiteral("m189"));
    QCOMPARE(askText(QStringLiteral("m8")), QStringLiteral("-"));
    askNumber(QStringLiteral("m229"));
    // (6000 - 800, the total of group 9 that its input 800 gave) / 2
    QCOMPARE(askText(QStringLiteral("m8")), QStringLiteral("2600 Ft."));
}

void TestPrintValues::cacheOutlivesAPrint()
{
    setAmount(1, 9, 8000);
    setPeople(4);
    askNumber(QStringLiteral("m189"));
    askNumber(QStringLiteral("m229"));
    QCOMPARE(askText(QStringLiteral("m8")), QStringLiteral("2000 Ft."));
    // A later print that asked for m8 first would still see the earlier net value.
    setAmount(1, 9, 0);
    QCOMPARE(askText(QStringLiteral("m8")), QStringLiteral("2000 Ft."));
    QCOMPARE(askNumber(QStringLiteral("m229")), 8000.0);
}

void TestPrintValues::perHeadIncome_data()
{
    QTest::addColumn<double>("net");
    QTest::addColumn<double>("people");
    QTest::addColumn<QString>("text");
    QTest::newRow("150000 for 4") << 150000.0 << 4.0 << "37500 Ft.";
    QTest::newRow("100000 for 3") << 100000.0 << 3.0 << "33333 Ft.";
    QTest::newRow("2.5 rounds to even 2") << 10.0 << 4.0 << "2 Ft.";
    QTest::newRow("3.5 rounds to even 4") << 14.0 << 4.0 << "4 Ft.";
    QTest::newRow("-2.5 rounds to even -2") << -10.0 << 4.0 << "-2 Ft.";
    QTest::newRow("negative net value") << -6000.0 << 4.0 << "-1500 Ft.";
    QTest::newRow("small negative rounds to 0, never -0") << -1.0 << 4.0 << "0 Ft.";
    QTest::newRow("fractional people") << 1000.0 << 2.5 << "400 Ft.";
    QTest::newRow("no people") << 150000.0 << 0.0 << "-";
    QTest::newRow("no net value") << 0.0 << 4.0 << "-";
    QTest::newRow("32-bit limit") << 2147483647.0 << 1.0 << "2147483647 Ft.";
}

void TestPrintValues::perHeadIncome()
{
    QFETCH(double, net);
    QFETCH(double, people);
    QFETCH(QString, text);
    setAmount(1, 9, net);
    setPeople(people);
    askNumber(QStringLiteral("m189"));
    askNumber(QStringLiteral("m229"));
    QCOMPARE(askText(QStringLiteral("m8")), text);
}

void TestPrintValues::perHeadIncomeBeyond32Bits()
{
    setAmount(1, 9, 12345678901234.0L);
    setPeople(2);
    askNumber(QStringLiteral("m189"));
    askNumber(QStringLiteral("m229"));
    QCOMPARE(askText(QStringLiteral("m8")), QStringLiteral("6172839450617 Ft."));
    setAmount(1, 9, -5e12L);
    askNumber(QStringLiteral("m189"));
    askNumber(QStringLiteral("m229"));
    QCOMPARE(askText(QStringLiteral("m8")), QStringLiteral("-2500000000000 Ft."));
    setAmount(1, 9, 999999999999999999.0L);
    setPeople(1);
    askNumber(QStringLiteral("m189"));
    askNumber(QStringLiteral("m229"));
    QCOMPARE(askText(QStringLiteral("m8")), QStringLiteral("999999999999999999 Ft."));
    // Beyond, in the exponent form the amount fields show, not thousands of digits.
    setAmount(1, 9, 4.6e4000L);
    askNumber(QStringLiteral("m189"));
    askNumber(QStringLiteral("m229"));
    QCOMPARE(askText(QStringLiteral("m8")), QString::fromUtf8("4,6E4000 Ft."));
}

void TestPrintValues::freshDeclaration()
{
    for (const QString &name : PrintValueProvider::variableNames()) {
        const PrintValue value = ask(name);
        if (const double *number = std::get_if<double>(&value))
            QCOMPARE(GeneralFloatFormat::format(*number, u','), QStringLiteral("0"));
    }
    QCOMPARE(askText(QStringLiteral("m8")), QStringLiteral("-"));
    QCOMPARE(askText(QStringLiteral("m7")), QStringLiteral("0"));
    QCOMPARE(askText(QStringLiteral("m1")), QString());
    QCOMPARE(askText(QStringLiteral("azon")), QString());
}

void TestPrintValues::date_data()
{
    QTest::addColumn<bool>("hungarian");
    QTest::addColumn<QString>("text");
    QTest::newRow("Hungarian") << true << "2024. 03. 05.";
    QTest::newRow("English") << false << "3/5/2024";
}

void TestPrintValues::date()
{
    QFETCH(bool, hungarian);
    QFETCH(QString, text);
    const RegionalSettings::PinForTesting settings(hungarian ? RegionalSettings::hungarian()
                                                             : RegionalSettings::english());
    QCOMPARE(askText(QStringLiteral("datum")), text);
    m_today = QDate(2025, 12, 31);
    QCOMPARE(askText(QStringLiteral("datum")),
             QDate(2025, 12, 31).toString(RegionalSettings::current().shortDateFormat));
}

void TestPrintValues::identifier()
{
    QCOMPARE(askText(QStringLiteral("azon")), QString());
    m_identifier = QStringLiteral("19833982");
    QCOMPARE(askText(QStringLiteral("azon")), QStringLiteral("19833982"));
}

void TestPrintValues::otherNamesStayUnanswered_data()
{
    QTest::addColumn<QString>("name");
    for (const char *name :
         {"M1", "m0", "m01", "m49", "m100", "m110", "m180", "m190", "m220", "m230", "Datum", "azon ", "", "Kepvnev"})
        QTest::newRow(*name ? name : "empty") << QString::fromLatin1(name);
}

void TestPrintValues::otherNamesStayUnanswered()
{
    QFETCH(QString, name);
    QVERIFY(std::holds_alternative<std::monostate>(ask(name)));
}

void TestPrintValues::conversionErrorIsNotCaught()
{
    // Writing an input that does not parse fails its group's total, which keeps its text.
    const int input = FieldCatalogue::amountIndex(3, 2);
    QCOMPARE(errorOf([&] { m_declaration.setText(input, QStringLiteral("12a")); }),
             QStringLiteral("'12a' is not a valid floating point value"));
    QVERIFY_THROWS_EXCEPTION(Error, ask(QStringLiteral("m122")));
    QCOMPARE(errorOf([this] { ask(QStringLiteral("m182")); }),
             QStringLiteral("'12a' is not a valid floating point value"));
    // A deduction that does not parse fails its net value; the people field fails m8.
    QVERIFY(!errorOf([&] { m_declaration.setText(FieldCatalogue::amountIndex(10, 2), QStringLiteral("x")); }).isEmpty());
    QVERIFY_THROWS_EXCEPTION(Error, ask(QStringLiteral("m222")));
    setAmount(1, 9, 100);
    askNumber(QStringLiteral("m189"));
    askNumber(QStringLiteral("m229"));
    m_declaration.setText(indexOf("PBNumEdit1"), QStringLiteral("2x"));
    QVERIFY_THROWS_EXCEPTION(Error, ask(QStringLiteral("m8")));
    QCOMPARE(askText(QStringLiteral("m7")), QStringLiteral("2x"));
}

QTEST_GUILESS_MAIN(TestPrintValues)
#include "tst_printvalues.moc"

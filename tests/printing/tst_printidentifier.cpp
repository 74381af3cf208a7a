#include "PrintIdentifier.h"
#include "ProcessorDigits.h"
#include "Windows1250.h"

#include <QTest>

class TestPrintIdentifier : public QObject
{
    Q_OBJECT
private slots:
    void processorDigitsConcatenateEcxEbxEdxEax();
    void processorDigitsOfThisMachine();
    void checksum_data();
    void checksum();
    void identifier_data();
    void identifier();
    void sameNameSameIdentifier();
};

namespace {
const ProcessorWords WorkedExample{198339, 1050624, 2147154879u, 3219913727u}; // EAX, EBX, ECX, EDX
}

void TestPrintIdentifier::processorDigitsConcatenateEcxEbxEdxEax()
{
    QCOMPARE(ProcessorDigits(WorkedExample), QStringLiteral("214715487910506243219913727198339"));
    QCOMPARE(ProcessorDigits(ProcessorWords{0, 0, 0, 0}), QStringLiteral("0000"));
    QCOMPARE(ProcessorDigits(ProcessorWords{4294967295u, 1, 2, 3}), QStringLiteral("21"
                                                                                   "3"
                                                                                   "4294967295"));
}

void TestPrintIdentifier::processorDigitsOfThisMachine()
{
    const QString digits = ProcessorDigits(readProcessorWords());
    QVERIFY(digits.size() >= 4 && digits.size() <= 40);
    for (const QChar c : digits)
        QVERIFY(c.isDigit());
    // EAX (the processor signature) ends the string and does not change between reads.
    QCOMPARE(ProcessorDigits(readProcessorWords()).right(6), digits.right(6));
}

void TestPrintIdentifier::checksum_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<uint>("checksum");
    QTest::newRow("one letter counts twice") << QStringLiteral("A") << 130u;
    QTest::newRow("first letter twice, second once") << QStringLiteral("AB") << 196u;
    QTest::newRow("one blank") << QStringLiteral(" ") << 64u;
    QTest::newRow("accented letter by its Windows-1250 byte") << QString::fromUtf8("Á") << 386u;
    QTest::newRow("o double acute is 0xF5") << QString::fromUtf8("aő") << 2u * 97 + 0xF5;
    QTest::newRow("empty") << QString() << 0u;
}

void TestPrintIdentifier::checksum()
{
    QFETCH(QString, name);
    QFETCH(uint, checksum);
    QCOMPARE(PrintIdentifier::nameChecksum(Windows1250::encode(name)), checksum);
}

void TestPrintIdentifier::identifier_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("processorDigits");
    QTest::addColumn<QString>("identifier");
    const QString worked = ProcessorDigits(WorkedExample);
    QTest::newRow("worked example") << QStringLiteral("A") << worked << QStringLiteral("19833982");
    QTest::newRow("AB gives C4, upper case") << QStringLiteral("AB") << worked << QStringLiteral("198339C4");
    QTest::newRow("blanks count as a name") << QStringLiteral(" ") << worked << QStringLiteral("19833940");
    QTest::newRow("short processor string is taken whole")
        << QStringLiteral("A") << QStringLiteral("0000") << QStringLiteral("000082");
    QTest::newRow("long name")
        << QStringLiteral("Kiss Anna") << worked
        << QStringLiteral("198339") +
               QString::number(2 * 75 + 105 + 115 + 115 + 32 + 65 + 110 + 110 + 97, 16).toUpper();
}

void TestPrintIdentifier::identifier()
{
    QFETCH(QString, name);
    QFETCH(QString, processorDigits);
    QFETCH(QString, identifier);
    QCOMPARE(PrintIdentifier::form(name, processorDigits), identifier);
}

void TestPrintIdentifier::sameNameSameIdentifier()
{
    const QString digits = ProcessorDigits(readProcessorWords());
    QCOMPARE(PrintIdentifier::form(QStringLiteral("Kiss Anna"), digits),
             PrintIdentifier::form(QStringLiteral("Kiss Anna"), ProcessorDigits(readProcessorWords())));
    const QString changed = PrintIdentifier::form(QStringLiteral("Kiss Anne"), digits);
    QCOMPARE(changed.left(6), digits.right(6));
    QVERIFY(changed != PrintIdentifier::form(QStringLiteral("Kiss Anna"), digits));
}

QTEST_GUILESS_MAIN(TestPrintIdentifier)
#include "tst_printidentifier.moc"

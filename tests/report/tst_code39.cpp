#include "Code39.h"

#include <QSet>
#include <QTest>

class TestCode39 : public QObject
{
    Q_OBJECT
private slots:
    void everyCharacterHasThreeWideElements();
    void knownPatterns_data();
    void knownPatterns();
    void lowerCaseEncodesAsUpperCase();
    void symbolIsFramedByStartAndStop();
};

namespace {
const QString Alphabet = QStringLiteral("0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. *$/+%");

QString bits(const std::vector<bool> &elements)
{
    QString text;
    for (const bool wide : elements)
        text += wide ? u'1' : u'0';
    return text;
}
} // namespace

void TestCode39::everyCharacterHasThreeWideElements()
{
    QSet<QString> seen;
    for (const QChar c : Alphabet) {
        const std::vector<bool> elements = Code39::pattern(c);
        QCOMPARE(elements.size(), size_t(9));
        QCOMPARE(bits(elements).count(u'1'), 3);
        int wideSpaces = 0;
        for (size_t i = 1; i < elements.size(); i += 2)
            wideSpaces += elements[i];
        // Letters, digits and "-. *" have one wide space; "$/+%" three and no wide bar.
        QCOMPARE(wideSpaces, QStringLiteral("$/+%").contains(c) ? 3 : 1);
        seen.insert(bits(elements));
    }
    QCOMPARE(seen.size(), Alphabet.size());
}

void TestCode39::knownPatterns_data()
{
    QTest::addColumn<QChar>("character");
    QTest::addColumn<QString>("pattern");
    QTest::newRow("start/stop") << QChar(u'*') << "010010100";
    QTest::newRow("0") << QChar(u'0') << "000110100";
    QTest::newRow("1") << QChar(u'1') << "100100001";
    QTest::newRow("A") << QChar(u'A') << "100001001";
    QTest::newRow("Z") << QChar(u'Z') << "011010000";
    QTest::newRow("not encodable") << QChar(u'#') << "";
    QTest::newRow("accented not encodable") << QChar(0xC1) << "";
}

void TestCode39::knownPatterns()
{
    QFETCH(QChar, character);
    QFETCH(QString, pattern);
    QCOMPARE(bits(Code39::pattern(character)), pattern);
}

void TestCode39::lowerCaseEncodesAsUpperCase()
{
    QCOMPARE(bits(Code39::pattern(u'c')), bits(Code39::pattern(u'C')));
}

void TestCode39::symbolIsFramedByStartAndStop()
{
    // Each character: 6 narrow + 3 wide elements, then one narrow gap; five bars per character.
    const double wide = 3;
    const std::vector<Code39::Bar> bars = Code39::bars(QStringLiteral("12"), wide);
    QCOMPARE(bars.size(), size_t(4 * 5));
    const double characterWidth = 6 + 3 * wide + 1;
    QCOMPARE(bars.front().left, 0.0);
    QCOMPARE(bars.front().width, 1.0); // "*" starts with a narrow bar
    QCOMPARE(bars[1].left, 1 + wide);  // after a wide space
    QCOMPARE(bars[1].width, 1.0);
    QCOMPARE(bars[5].left, characterWidth); // "1" starts with a wide bar
    QCOMPARE(bars[5].width, wide);
    QCOMPARE(bars.back().left + bars.back().width, 4 * characterWidth - 1);
    // Characters outside the symbology are left out.
    QCOMPARE(Code39::bars(QStringLiteral("1#2"), wide).size(), bars.size());
}

QTEST_GUILESS_MAIN(TestCode39)
#include "tst_code39.moc"

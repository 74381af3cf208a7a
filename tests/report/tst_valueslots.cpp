#include "ValueSlots.h"

#include <QTest>

class TestValueSlots : public QObject
{
    Q_OBJECT
private slots:
    void expand_data();
    void expand();
    void slotsResolvedInTextOrder();
    void otherDelimiters();
};

namespace {
QString upper(const QString &name)
{
    return name.toUpper();
}
} // namespace

void TestValueSlots::expand_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expanded");
    QTest::newRow("whole text a slot") << "[m1]"
                                       << "M1";
    QTest::newRow("text around the slot stays") << "([azon])"
                                                << "(AZON)";
    QTest::newRow("no slot") << "Oldal: 3/1"
                             << "Oldal: 3/1";
    QTest::newRow("two slots") << "[a] und [b]!"
                               << "A und B!";
    QTest::newRow("slot ends at the next bracket") << "[a]b]"
                                                   << "Ab]";
    QTest::newRow("empty name") << "x[]y"
                                << "xy";
    QTest::newRow("unclosed bracket stays") << "ab[cd"
                                            << "ab[cd";
    QTest::newRow("closed then unclosed") << "[a] [b"
                                          << "A [b";
    QTest::newRow("bracket inside the name") << "[a[b]"
                                             << "A[B";
    QTest::newRow("slot over two lines") << "[a\nb]"
                                         << "A\nB";
}

void TestValueSlots::expand()
{
    QFETCH(QString, text);
    QFETCH(QString, expanded);
    QCOMPARE(ValueSlots::expand(text, upper), expanded);
}

void TestValueSlots::slotsResolvedInTextOrder()
{
    QStringList asked;
    const QString result = ValueSlots::expand(QStringLiteral("[m3] [m1] [m2] [m1]"), [&](const QString &name) {
        asked << name;
        return QString::number(asked.size());
    });
    QCOMPARE(asked, QStringList({"m3", "m1", "m2", "m1"}));
    QCOMPARE(result, QStringLiteral("1 2 3 4"));
}

void TestValueSlots::otherDelimiters()
{
    QCOMPARE(ValueSlots::expand(QStringLiteral("<a> [b]"), upper, u'<', u'>'), QStringLiteral("A [b]"));
}

QTEST_GUILESS_MAIN(TestValueSlots)
#include "tst_valueslots.moc"

#include "DialogUnits.h"
#include "MessageBoxLayout.h"

#include <QTest>

class TestDialogUnits : public QObject
{
    Q_OBJECT
private slots:
    void mulDiv_data()
    {
        QTest::addColumn<int>("a");
        QTest::addColumn<int>("b");
        QTest::addColumn<int>("c");
        QTest::addColumn<int>("result");
        QTest::newRow("exact") << 180 << 7 << 4 << 315;
        QTest::newRow("below a half") << 5 << 1 << 4 << 1;
        QTest::newRow("half rounds up") << 6 << 1 << 4 << 2;
        QTest::newRow("above a half") << 7 << 1 << 4 << 2;
        QTest::newRow("vertical 63") << 63 << 15 << 8 << 118;
        QTest::newRow("vertical 10") << 10 << 13 << 8 << 16;
        QTest::newRow("vertical 14") << 14 << 13 << 8 << 23;
        QTest::newRow("negative half away from zero") << -5 << 3 << 2 << -8;
        QTest::newRow("negative divisor") << 2 << 3 << -4 << -2;
        QTest::newRow("no overflow in between") << 1000000000 << 3 << 2 << 1500000000;
    }
    void mulDiv()
    {
        QFETCH(int, a);
        QFETCH(int, b);
        QFETCH(int, c);
        QFETCH(int, result);
        QCOMPARE(MulDiv(a, b, c), result);
    }

    void units()
    {
        const DialogUnits units{6, 13};
        QCOMPARE(units.horizontal(50), 75);
        QCOMPARE(units.vertical(14), 23);
        QCOMPARE(units.horizontal(4), 6);
    }

    void layout_data()
    {
        QTest::addColumn<QSize>("text");
        QTest::addColumn<bool>("icon");
        QTest::addColumn<int>("buttons");
        QTest::addColumn<QSize>("client");
        QTest::addColumn<QRect>("iconRect");
        QTest::addColumn<QRect>("message");
        QTest::addColumn<int>("firstButtonLeft");
        QTest::addColumn<int>("buttonTop");
        // Units 6 x 13: margins 12 and 13, spacings 15 and 16, buttons 75 x 23, 6 apart.
        QTest::newRow("icon, one button") << QSize(200, 13) << true << 1 << QSize(271, 97) << QRect(12, 13, 32, 32)
                                          << QRect(59, 13, 200, 26) << 98 << 61;
        QTest::newRow("no icon, three buttons")
            << QSize(100, 40) << false << 3 << QSize(261, 105) << QRect() << QRect(12, 13, 100, 80) << 12 << 69;
        QTest::newRow("icon taller than the text") << QSize(50, 20) << true << 2 << QSize(180, 97)
                                                   << QRect(12, 13, 32, 32) << QRect(59, 13, 50, 40) << 12 << 61;
        QTest::newRow("no buttons") << QSize(40, 13) << false << 0 << QSize(64, 78) << QRect() << QRect(12, 13, 40, 26)
                                    << 32 << 42;
    }
    void layout()
    {
        QFETCH(QSize, text);
        QFETCH(bool, icon);
        QFETCH(int, buttons);
        const MessageBoxLayout layout = MessageBoxLayout::compute(DialogUnits{6, 13}, text, icon, buttons);
        QTEST(layout.client, "client");
        QTEST(layout.icon, "iconRect");
        QTEST(layout.message, "message");
        QTEST(layout.firstButtonLeft, "firstButtonLeft");
        QTEST(layout.buttonTop, "buttonTop");
        QCOMPARE(layout.button, QSize(75, 23));
        QCOMPARE(layout.buttonStep, 81);
    }
};

QTEST_GUILESS_MAIN(TestDialogUnits)
#include "tst_dialogunits.moc"

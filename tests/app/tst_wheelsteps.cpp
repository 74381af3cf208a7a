#include "WheelSteps.h"

#include <QTest>

class TestWheelSteps : public QObject
{
    Q_OBJECT
private slots:
    void steps_data()
    {
        QTest::addColumn<QList<int>>("deltas");
        QTest::addColumn<QList<int>>("steps");
        QTest::newRow("notch") << QList<int>{120, -120} << QList<int>{1, -1};
        QTest::newRow("fine wheel") << QList<int>{40, 40, 40, 40} << QList<int>{0, 0, 1, 0};
        QTest::newRow("sign kept") << QList<int>{-100, -100, 100} << QList<int>{0, -1, 0};
        QTest::newRow("several at once") << QList<int>{-370, -110} << QList<int>{-3, -1};
    }
    void steps()
    {
        QFETCH(QList<int>, deltas);
        QFETCH(QList<int>, steps);
        WheelSteps wheel;
        for (qsizetype i = 0; i < deltas.size(); ++i)
            QCOMPARE(wheel.add(deltas[i]), steps[i]);
    }
};

QTEST_GUILESS_MAIN(TestWheelSteps)
#include "tst_wheelsteps.moc"

// The program started on a Wayland compositor: its window comes up filling the work area, which
// only the compositor knows there, and the program ends cleanly.
#include "Startup.h"
#include "TForm1.h"

#include <QApplication>
#include <QScreen>
#include <QTest>

class TestWayland : public QObject
{
    Q_OBJECT

private slots:
    void windowFillsTheWorkAreaAndTheProgramEnds()
    {
        QCOMPARE(QGuiApplication::platformName(), QStringLiteral("wayland"));
        const Startup windows;
        TForm1 &window = windows.form1();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(window.isMaximized());
        // The compositor leaves out its own panel from the screen the program is told of.
        const QRect screen = window.screen()->availableGeometry();
        QTRY_COMPARE(window.frameGeometry().width(), screen.width());
        QVERIFY(window.frameGeometry().height() > screen.height() * 9 / 10);
        QCOMPARE(window.grab().toImage().pixelColor(5, window.height() - 5), QColor(0xC5, 0xB6, 0x98));
        QMetaObject::invokeMethod(&window, &TForm1::Kilps1Click, Qt::QueuedConnection); // "Kilépés"
        QCOMPARE(QCoreApplication::exec(), 0);
    }
};

QTEST_MAIN(TestWayland)
#include "tst_wayland.moc"

#include "Error.h"
#include "LineBuffer.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestLineBuffer : public QObject
{
    Q_OBJECT
private slots:
    void addEndsEveryLineWithCrLf()
    {
        LineBuffer buffer;
        buffer.add("one");
        buffer.add("");
        buffer.add("three");
        QCOMPARE(buffer.text(), QByteArray("one\r\n\r\nthree\r\n"));
        QCOMPARE(buffer.count(), 3);
        QCOMPARE(buffer.line(0), QByteArray("one"));
        QCOMPARE(buffer.line(1), QByteArray());
        QCOMPARE(buffer.line(2), QByteArray("three"));
    }

    void addingLineBreaksMakesSeveralLines()
    {
        LineBuffer buffer;
        buffer.add("Edit3_first\nsecond");
        buffer.add("a\r\nb\rc");
        QCOMPARE(buffer.count(), 5);
        QCOMPARE(buffer.line(1), QByteArray("second"));
        QCOMPARE(buffer.line(2), QByteArray("a"));
        QCOMPARE(buffer.line(3), QByteArray("b"));
        QCOMPARE(buffer.line(4), QByteArray("c"));
    }

    void count_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("count");
        QTest::newRow("empty") << QByteArray() << 0;
        QTest::newRow("no break") << QByteArray("a") << 1;
        QTest::newRow("final break") << QByteArray("a\r\n") << 1;
        QTest::newRow("two final breaks") << QByteArray("a\r\n\r\n") << 2;
        QTest::newRow("only a break") << QByteArray("\r\n") << 1;
        QTest::newRow("lone LF and CR") << QByteArray("a\nb\rc") << 3;
        QTest::newRow("LF CR is two breaks") << QByteArray("a\n\rb") << 3;
    }
    void count()
    {
        QFETCH(QByteArray, text);
        QFETCH(int, count);
        LineBuffer buffer;
        buffer.setText(text);
        QCOMPARE(buffer.count(), count);
        QCOMPARE(buffer.text(), text);
    }

    void lineOutsideIsEmpty()
    {
        LineBuffer buffer;
        QCOMPARE(buffer.line(0), QByteArray());
        buffer.setText("x");
        QCOMPARE(buffer.line(1), QByteArray());
        QCOMPARE(buffer.line(-1), QByteArray());
    }

    void clearEmpties()
    {
        LineBuffer buffer;
        buffer.add("x");
        QCOMPARE(buffer.count(), 1);
        buffer.clear();
        QCOMPARE(buffer.text(), QByteArray());
        QCOMPARE(buffer.count(), 0);
    }

    void fileRoundTripIsExact()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("f.txt");
        LineBuffer buffer;
        buffer.setText(QByteArray("AB+/==\xff\0z", 9));
        buffer.saveToFile(path);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), buffer.text());
        LineBuffer read;
        read.loadFromFile(path);
        QCOMPARE(read.text(), buffer.text());
    }

    void saveReplacesTheFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("f.txt");
        LineBuffer buffer;
        buffer.setText("a much longer first content");
        buffer.saveToFile(path);
        buffer.setText("short");
        buffer.saveToFile(path);
        LineBuffer read;
        read.loadFromFile(path);
        QCOMPARE(read.text(), QByteArray("short"));
    }

    void cannotCreate()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("missing/f.txt");
        LineBuffer buffer;
        buffer.setText("x");
        try {
            buffer.saveToFile(path);
            QFAIL("no error");
        } catch (const Error &error) {
            QVERIFY2(error.message().startsWith(QStringLiteral("Cannot create file \"%1\". ").arg(path)),
                     qPrintable(error.message()));
            QVERIFY(!error.message().endsWith(QStringLiteral("\". ")));
        }
    }

    void cannotOpen()
    {
        QTemporaryDir dir;
        LineBuffer buffer;
        buffer.setText("kept");
        try {
            buffer.loadFromFile(dir.path()); // a directory
            QFAIL("no error");
        } catch (const Error &error) {
            QVERIFY2(error.message().startsWith(QStringLiteral("Cannot open file \"%1\". ").arg(dir.path())),
                     qPrintable(error.message()));
        }
        QCOMPARE(buffer.text(), QByteArray("kept"));
    }
};

QTEST_GUILESS_MAIN(TestLineBuffer)
#include "tst_linebuffer.moc"

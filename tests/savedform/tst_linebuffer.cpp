#include "ExpectedError.h"
#include "LineBuffer.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

// Saves the text in a child process, which the parent kills with SIGKILL after the given delay
// unless it has finished by then. Returns whether the kill ended the child.
bool saveKilledAfter(const LineBuffer &buffer, const QString &path, qint64 delayMicroseconds)
{
    const pid_t child = fork();
    if (child == 0) {
        try {
            buffer.saveToFile(path);
        } catch (...) {
            _exit(2);
        }
        _exit(0);
    }
    if (delayMicroseconds >= 0) {
        QThread::usleep(quint64(delayMicroseconds));
        kill(child, SIGKILL);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFSIGNALED(status);
}

} // namespace

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
        read.loadFromFile(path, buffer.text().size());
        QCOMPARE(read.text(), buffer.text());
    }

    // A file of more bytes than the largest allowed is refused, the text kept.
    void largerFileIsRefused()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("f.txt");
        LineBuffer buffer;
        buffer.setText("0123456789");
        buffer.saveToFile(path);
        LineBuffer read;
        read.setText("kept");
        QCOMPARE(errorOf([&] { read.loadFromFile(path, 9); }), QStringLiteral("Invalid file format"));
        QCOMPARE(read.text(), QByteArray("kept"));
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
        read.loadFromFile(path, 5);
        QCOMPARE(read.text(), QByteArray("short"));
    }

    // A save killed at any moment, before, during or after writing the temporary file or while
    // it replaces the old one, leaves the old file or the new one, never a cut or mixed one.
    void killedSaveLeavesTheOldOrTheNewFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("KTV3815.txt");
        LineBuffer oldText, newText;
        oldText.setText(QByteArray(3 << 20, 'o'));
        newText.setText(QByteArray(5 << 20, 'n'));

        QElapsedTimer timer;
        timer.start();
        QVERIFY(!saveKilledAfter(newText, path, -1));
        const qint64 saveMicroseconds = timer.nsecsElapsed() / 1000;
        QCOMPARE(readAll(path), newText.text());

        const int steps = 40;
        int killedWhileSaving = 0;
        for (int step = 0; step <= steps; ++step) {
            oldText.saveToFile(path);
            killedWhileSaving += saveKilledAfter(newText, path, saveMicroseconds * step / steps);
            const QByteArray found = readAll(path);
            QVERIFY2(found == oldText.text() || found == newText.text(),
                     qPrintable(QStringLiteral("step %1: %2 bytes").arg(step).arg(found.size())));
            for (const QString &leftover : QDir(dir.path()).entryList({"KTV3815.txt.*"}, QDir::Files))
                QVERIFY(QFile::remove(dir.filePath(leftover)));
        }
        QVERIFY2(killedWhileSaving > 1, "no kill landed while the save was running");
    }

    void cannotCreate()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("missing/f.txt");
        LineBuffer buffer;
        buffer.setText("x");
        const QString message = errorOf([&] { buffer.saveToFile(path); });
        QVERIFY2(message.startsWith(QStringLiteral("Cannot create file \"%1\". ").arg(path)), qPrintable(message));
        QVERIFY(!message.endsWith(QStringLiteral("\". ")));
    }

    void cannotOpen()
    {
        QTemporaryDir dir;
        LineBuffer buffer;
        buffer.setText("kept");
        const QString message = errorOf([&] { buffer.loadFromFile(dir.path(), 100); }); // a directory
        QVERIFY2(message.startsWith(QStringLiteral("Cannot open file \"%1\". ").arg(dir.path())), qPrintable(message));
        QCOMPARE(buffer.text(), QByteArray("kept"));
    }
};

QTEST_GUILESS_MAIN(TestLineBuffer)
#include "tst_linebuffer.moc"

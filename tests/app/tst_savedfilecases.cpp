// The saved-form file as a user may find it when something else stands in its place: a pipe, a
// link to a device or to nothing, a folder, a file far too large, one the user may not read; and
// a save into a read-only file or folder or onto a full disk. Each case ends at once in its
// message, through the real window and its menu, with the form as it was; once the obstacle is
// gone a save goes through and loads back.
//
// Tests run as root, who may read and write every file, so the cases about permissions run in
// the ctest entry savedfilecases_unprivileged, which starts this program as the user nobody;
// under root they are skipped here. The full disk is a small tmpfs, which only root may mount.
#include "DialogScript.h"
#include "ErrorBox.h"
#include "Fonts.h"
#include "MsgDlg.h"
#include "RegionalSettings.h"
#include "WindowTesting.h"

#include <QDir>
#include <QFile>

#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace WindowTesting;

namespace {

enum Obstacle {
    Pipe,
    LinkToZero,
    LinkToNothing,
    Folder,
    FarTooLarge,
    Unreadable,
    ReadOnlyFile,
    ReadOnlyFolder,
    FullDisk
};

const QString Password = QStringLiteral("titok");
const QString NoSavedForm = QString::fromUtf8("Nincs mentés!") + QString(11, QLatin1Char(' ')) + QLatin1Char('.');

bool needsOtherUserThanRoot(Obstacle obstacle)
{
    return obstacle == Unreadable || obstacle == ReadOnlyFile || obstacle == ReadOnlyFolder;
}

QByteArray contentOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

} // namespace

class TestSavedFileCases : public QObject
{
    Q_OBJECT

    const RegionalSettings::PinForTesting m_hungarian{RegionalSettings::hungarian()};
    AnsweredErrorBoxes m_errorBoxes;
    std::unique_ptr<RunningProgram> m_program;
    bool m_mounted = false;
    QString m_message;

    QString path() const { return m_program->savedFile(); }
    QString folder() const { return QFileInfo(path()).absolutePath(); }
    QString filler() const { return folder() + QStringLiteral("/filler"); }

    // Runs the menu command (1 save, 2 load) with the password; the information message shown
    // after the password dialog, if any, is left in m_message.
    void choose(int item)
    {
        DialogScript script;
        script.answerNext(mrOk, Password);
        script.answerNext(mrOk); // the message, if one follows
        m_program->choose(item);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(QTest::qWaitForWindowActive(&m_program->window()));
        m_message = script.shown().size() > 1 ? script.shown()[1].text : QString();
    }

    void place(Obstacle obstacle)
    {
        switch (obstacle) {
        case Pipe:
            QCOMPARE(mkfifo(QFile::encodeName(path()).constData(), 0600), 0);
            break;
        case LinkToZero:
            QVERIFY(QFile::link(QStringLiteral("/dev/zero"), path()));
            break;
        case LinkToNothing:
            QVERIFY(QFile::link(folder() + QStringLiteral("/nowhere"), path()));
            break;
        case Folder:
            QVERIFY(QDir(folder()).mkdir(QStringLiteral("KTV3815.txt")));
            break;
        case FarTooLarge: {
            // 300 MB without writing them: a file with a hole reads as zeros.
            QFile file(path());
            QVERIFY(file.open(QIODevice::WriteOnly));
            QVERIFY(file.resize(300 << 20));
            break;
        }
        case Unreadable:
            choose(1); // a saved form of this very window
            QVERIFY(QFile::setPermissions(path(), {}));
            break;
        case ReadOnlyFile:
            write(path(), "previous");
            QVERIFY(QFile::setPermissions(path(), QFile::ReadOwner));
            break;
        case ReadOnlyFolder:
            write(path(), "previous");
            QVERIFY(QFile::setPermissions(folder(), QFile::ReadOwner | QFile::ExeOwner));
            break;
        case FullDisk:
            if (mount("tmpfs", QFile::encodeName(folder()).constData(), "tmpfs", 0, "size=16k") != 0)
                QSKIP("mounting a tmpfs takes root");
            m_mounted = true;
            write(path(), "previous");
            // Filled up to its last block.
            QFile file(filler());
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
            while (file.write(QByteArray(4096, 'x')) > 0) {
            }
            break;
        }
    }

    // Takes away whatever stands in the file's place, so that a save can go through.
    void clear()
    {
        QVERIFY(QFile::setPermissions(folder(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        QFile::remove(filler());
        QFile::remove(path());
        QDir(folder()).rmdir(QStringLiteral("KTV3815.txt"));
        QVERIFY(!QFileInfo(path()).isSymLink() && !QFileInfo::exists(path()));
    }

private slots:
    void initTestCase() { Fonts::installLookAlikes(); }

    void init()
    {
        m_errorBoxes.messages.clear();
        m_program = std::make_unique<RunningProgram>();
    }

    void cleanup()
    {
        if (m_mounted)
            QCOMPARE(umount2(QFile::encodeName(folder()).constData(), MNT_DETACH), 0);
        m_mounted = false;
        m_program.reset();
    }

    void fileCase_data()
    {
        QTest::addColumn<int>("obstacle");
        QTest::addColumn<int>("command");       // the menu item: 1 save, 2 load
        QTest::addColumn<QString>("error");     // the error box's message, %1 the file's path, %2 the reason
        QTest::addColumn<QByteArray>("reason"); // in Qt's words, translated as the program shows it
        QTest::addColumn<QString>("message");

        const QString cannotOpen = QStringLiteral("Cannot open file \"%1\". %2");
        const QString cannotCreate = QStringLiteral("Cannot create file \"%1\". %2");
        const QString notRegular = QStringLiteral("Cannot open file \"%1\". Not a regular file");
        QTest::newRow("pipe") << int(Pipe) << 2 << notRegular << QByteArray() << QString();
        QTest::newRow("link to /dev/zero") << int(LinkToZero) << 2 << notRegular << QByteArray() << QString();
        QTest::newRow("link to nothing") << int(LinkToNothing) << 2 << QString() << QByteArray() << NoSavedForm;
        QTest::newRow("folder") << int(Folder) << 2 << cannotOpen << QByteArray("file to open is a directory")
                                << QString();
        QTest::newRow("far too large") << int(FarTooLarge) << 2 << QStringLiteral("Invalid file format") << QByteArray()
                                       << QString();
        QTest::newRow("unreadable") << int(Unreadable) << 2 << cannotOpen << QByteArray("Permission denied")
                                    << QString();
        QTest::newRow("read-only file on save")
            << int(ReadOnlyFile) << 1 << cannotCreate << QByteArray("Existing file %1 is not writable") << QString();
        QTest::newRow("read-only folder on save")
            << int(ReadOnlyFolder) << 1 << cannotCreate << QByteArray("Permission denied") << QString();
        QTest::newRow("full disk on save")
            << int(FullDisk) << 1 << cannotCreate << QByteArray("No space left on device") << QString();
    }
    void fileCase()
    {
        QFETCH(int, obstacle);
        QFETCH(int, command);
        QFETCH(QString, error);
        QFETCH(QByteArray, reason);
        QFETCH(QString, message);
        if (needsOtherUserThanRoot(Obstacle(obstacle)) && geteuid() == 0)
            QSKIP("root may read and write every file: the ctest entry savedfilecases_unprivileged runs this");
        m_program->form().setText(*FieldCatalogue::find(u"Edit1"), QString::fromUtf8("Kiss Anna"));
        m_program->form().setText(*FieldCatalogue::find(u"PBNumEdit2"), QStringLiteral("150000"));
        place(Obstacle(obstacle));
        const QStringList fields = snapshot(m_program->form());
        const QByteArray file = command == 1 ? contentOf(path()) : QByteArray();
        m_errorBoxes.messages.clear();

        choose(command);
        QCOMPARE(m_message, message);
        // The reason is the system's, as Qt words it in the program's language.
        const char *context = reason.startsWith("Existing") ? "QSaveFile" : "QIODevice";
        error.replace(QLatin1String("%2"), QCoreApplication::translate(context, reason.constData()));
        QCOMPARE(m_errorBoxes.messages,
                 error.isEmpty() ? QStringList() : QStringList{error.replace(QLatin1String("%1"), path())});
        QCOMPARE(snapshot(m_program->form()), fields);
        if (command == 1) {
            // The old file is kept whole, and no temporary file is left beside it.
            QCOMPARE(contentOf(path()), file);
            QStringList left = QDir(folder()).entryList(QDir::Files | QDir::System);
            left.removeOne(QStringLiteral("filler"));
            QCOMPARE(left, QStringList{QStringLiteral("KTV3815.txt")});
        }

        // The window goes on: once the obstacle is gone, a save goes through and loads back.
        clear();
        m_errorBoxes.messages.clear();
        choose(1);
        QCOMPARE(m_errorBoxes.messages, QStringList());
        const std::optional<QStringList> saved = m_program->savedFields(Password);
        QVERIFY(saved);
        QCOMPARE(*saved, fields);
    }
};

QTEST_MAIN(TestSavedFileCases)
#include "tst_savedfilecases.moc"

#include "DeclarationSnapshot.h"
#include "DialogScript.h"
#include "ErrorBox.h"
#include "FieldCatalogue.h"
#include "InMemoryDeclaration.h"
#include "IntlDialogs.h"
#include "RecordFormat.h"
#include "RegionalSettings.h"
#include "SavedFormCommands.h"
#include "TForm3.h"
#include "TRijndael.h"
#include "Windows1250.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

namespace {

const QString WrongPassword = QString::fromUtf8("Hibás jelszó!") + QString(11, QLatin1Char(' ')) + QLatin1Char('.');
const QString NoSavedForm = QString::fromUtf8("Nincs mentés!") + QString(11, QLatin1Char(' ')) + QLatin1Char('.');

int indexOf(const char *name)
{
    return *FieldCatalogue::find(QString::fromLatin1(name));
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray encipher(const QByteArray &plaintext, const QByteArray &password)
{
    TRijndael cipher;
    cipher.SetKeyFromPassword(password);
    return cipher.EncryptText(plaintext);
}

// Lowers the largest file this process may write, so that writing the saved form fails as on a
// full or failing device; the signal that would end the process is ignored meanwhile.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_old);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_old;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }

private:
    rlimit m_old{};
    void (*m_oldHandler)(int) = nullptr;
};

} // namespace

class TestSavedFormCommands : public QObject
{
    Q_OBJECT
private:
    // One program: the declaration, the buffer window and the cipher, saving into a fresh folder.
    struct Program
    {
        explicit Program(const QString &directory) : folder(directory) {}
        const SavedFormCommands::FolderForTesting folder;
        InMemoryDeclaration declaration;
        TForm3 form3;
        TRijndael cipher;
        SavedFormCommands commands{declaration, form3, cipher};
        DeclarationData &form() { return declaration; }
    };

    std::unique_ptr<QTemporaryDir> m_dir;
    std::optional<DialogScript> m_script; // answers the dialogs of one test
    QStringList m_errors;
    const ErrorSinkForTesting m_errorSink{[this](const QString &message) { m_errors << message; }};

    QString path() const { return m_dir->filePath(QStringLiteral("KTV3815.txt")); }

    void save(Program &program, const std::optional<QString> &password, int button = mrOk)
    {
        m_script->answerNext(button, password);
        guarded([&] { program.commands.save(); });
    }
    void load(Program &program, const std::optional<QString> &password, int button = mrOk)
    {
        m_script->answerNext(button, password);
        guarded([&] { program.commands.load(); });
    }

    // The messages the load showed after its password dialog.
    QStringList messagesAfterPassword() const
    {
        QStringList texts;
        const auto &shown = m_script->shown();
        for (size_t i = 1; i < shown.size(); ++i)
            texts << shown[i].text;
        return texts;
    }

    void fill(DeclarationData &form)
    {
        form.setText(indexOf("Edit1"), QString::fromUtf8("Kiss Anna"));
        form.setText(indexOf("Edit3"), QString::fromUtf8("  Kökényvára, Fő utca 1_a"));
        form.setText(indexOf("PBNumEdit1"), QStringLiteral("2"));
        form.setText(indexOf("PBNumEdit2"), QStringLiteral("150000"));
        form.setText(indexOf("PBNumEdit10"), QStringLiteral("150000"));
        form.setCell(1, 1, QString::fromUtf8("Kiss Béla"));
        form.setCell(4, 10, QStringLiteral("$ _ ]"));
    }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_script.emplace();
        m_errors.clear();
        DialogLanguage = 0;
    }
    void cleanup()
    {
        const int pendingAnswers = m_script->pendingAnswers();
        m_script.reset();
        QCOMPARE(pendingAnswers, 0);
        m_dir.reset();
    }

    void saveThenLoad()
    {
        Program saver(m_dir->path());
        fill(saver.form());
        save(saver, QStringLiteral("titok"));
        QCOMPARE(m_errors, QStringList());
        QCOMPARE(DialogLanguage, 10);
        QCOMPARE(m_script->shown().size(), size_t(1));
        const DialogScript::ShownDialog &asked = m_script->shown()[0];
        QCOMPARE(asked.title, QString::fromUtf8("Kérek egy jelszót!"));
        QCOMPARE(asked.text, QString::fromUtf8("A jelszó a későbbi visszatöltésnél kell majd:"));
        QCOMPARE(asked.buttons, QStringList({QStringLiteral("OK"), QString::fromUtf8("Mégsem")}));
        QCOMPARE(asked.inputText, QStringLiteral("titok"));

        // One Base64 line: no line end, no byte order mark; the output buffer holds it too.
        const QByteArray file = readFile(path());
        QVERIFY(!file.isEmpty());
        QVERIFY(!file.contains('\n') && !file.contains('\r') && !file.startsWith("\xef\xbb\xbf"));
        QCOMPARE(QByteArray::fromBase64(file, QByteArray::AbortOnBase64DecodingErrors).toBase64(), file);
        QCOMPARE(saver.form3.RichEdit4.text(), file);
        QCOMPARE(saver.form3.RichEdit3.count(), 8 + 100 + 40);

        m_script.emplace(); // a fresh log for the loading program
        Program loader(m_dir->path());
        loader.form().setText(indexOf("Edit2"), QStringLiteral("not in the file"));
        load(loader, QStringLiteral("titok"));
        QCOMPARE(m_errors, QStringList());
        QCOMPARE(m_script->shown().size(), size_t(1));
        QCOMPARE(m_script->shown()[0].title, QString::fromUtf8("Jelszóellenőrzés"));
        QCOMPARE(m_script->shown()[0].text, QString::fromUtf8("Kérem a jelszót"));
        QCOMPARE(loader.form().text(indexOf("Edit2")), QStringLiteral("not in the file"));
        loader.form().setText(indexOf("Edit2"), QString());
        QCOMPARE(snapshot(loader.form()), snapshot(saver.form()));
        QCOMPARE(loader.form3.RichEdit4.line(0), RecordFormat::marker());
    }

    void saveWithoutPassword_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<QString>("typed");
        QTest::newRow("Cancel") << int(mrCancel) << QStringLiteral("typed");
        QTest::newRow("OK on an empty line") << int(mrOk) << QString();
    }
    void saveWithoutPassword()
    {
        QFETCH(int, button);
        QFETCH(QString, typed);
        writeFile(path(), "previous");
        Program program(m_dir->path());
        fill(program.form());
        save(program, typed, button);
        QCOMPARE(readFile(path()), QByteArray("previous"));
        QCOMPARE(m_errors, QStringList());
        QCOMPARE(m_script->shown().size(), size_t(1)); // the password dialog only
    }

    void secondSaveReplacesTheFirst()
    {
        Program program(m_dir->path());
        program.form().setText(indexOf("Edit1"), QStringLiteral("first"));
        save(program, QStringLiteral("egy"));
        program.form().setText(indexOf("Edit1"), QStringLiteral("second"));
        save(program, QStringLiteral("ketto"));
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList{QStringLiteral("KTV3815.txt")});

        m_script.emplace(); // a fresh log for the loading program

        Program loader(m_dir->path());
        load(loader, QStringLiteral("egy"));
        QCOMPARE(loader.form().text(indexOf("Edit1")), QString());
        QCOMPARE(messagesAfterPassword(), QStringList{WrongPassword});
        load(loader, QStringLiteral("ketto"));
        QCOMPARE(loader.form().text(indexOf("Edit1")), QStringLiteral("second"));
        QCOMPARE(m_script->shown().size(), size_t(3));
    }

    void loadWithoutSavedForm()
    {
        Program program(m_dir->path());
        fill(program.form());
        const QStringList before = snapshot(program.form());
        m_script->answerNext(mrOk, QStringLiteral("titok"));
        m_script->answerNext(mrOk);
        guarded([&] { program.commands.load(); });
        QCOMPARE(m_script->shown().size(), size_t(2));
        QCOMPARE(m_script->shown()[0].title, QString::fromUtf8("Jelszóellenőrzés"));
        const DialogScript::ShownDialog &message = m_script->shown()[1];
        QCOMPARE(message.title, QString::fromUtf8("Információ"));
        QCOMPARE(message.text, NoSavedForm);
        QCOMPARE(message.buttons, QStringList{QStringLiteral("OK")});
        QCOMPARE(snapshot(program.form()), before);
        QCOMPARE(m_errors, QStringList());
    }

    void wrongOrCancelledPassword_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<QString>("typed");
        QTest::newRow("wrong password") << int(mrOk) << QStringLiteral("Titok");
        QTest::newRow("cancelled") << int(mrCancel) << QStringLiteral("titok");
        QTest::newRow("empty") << int(mrOk) << QString();
    }
    void wrongOrCancelledPassword()
    {
        QFETCH(int, button);
        QFETCH(QString, typed);
        Program saver(m_dir->path());
        fill(saver.form());
        save(saver, QStringLiteral("titok"));
        m_script.emplace(); // a fresh log for the loading program

        Program loader(m_dir->path());
        loader.form().setText(indexOf("Edit5"), QStringLiteral("mine"));
        const QStringList before = snapshot(loader.form());
        m_script->answerNext(button, typed);
        m_script->answerNext(mrOk); // the message box
        guarded([&] { loader.commands.load(); });
        QCOMPARE(messagesAfterPassword(), QStringList{WrongPassword});
        QCOMPARE(m_script->shown()[1].title, QString::fromUtf8("Információ"));
        QCOMPARE(snapshot(loader.form()), before);
        QCOMPARE(m_errors, QStringList());
    }

    // Damaged files: each ends in one message, the fields as they were.
    void damagedFile_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("error");
        QTest::addColumn<QString>("message");

        LineBuffer plain;
        plain.add(RecordFormat::marker());
        for (int i = 1; i <= 100; ++i)
            plain.add("PBNumEdit" + QByteArray::number(i) + "_" + QByteArray::number(i));
        const QByteArray valid = encipher(plain.text(), "titok");
        const QByteArray bytes = QByteArray::fromBase64(valid);

        QTest::newRow("empty") << QByteArray() << QStringLiteral("Invalid file format") << QString();
        QTest::newRow("CR LF appended") << valid + "\r\n" << QStringLiteral("Invalid Base64 Character") << QString();
        QTest::newRow("LF appended") << valid + "\n" << QStringLiteral("Invalid Base64 Character") << QString();
        QTest::newRow("BOM in front") << "\xef\xbb\xbf" + valid << QStringLiteral("Invalid Base64 Character")
                                      << QString();
        QTest::newRow("cut inside a Base64 group")
            << valid.left(valid.size() - 3) << QStringLiteral("Invalid Base64 Character") << QString();
        QTest::newRow("less than a block")
            << bytes.left(15).toBase64() << QStringLiteral("Invalid file format") << QString();
        QTest::newRow("cut at a block boundary")
            << bytes.left(bytes.size() - 32).toBase64() << QStringLiteral("Invalid file format") << QString();
        QTest::newRow("cut off a block boundary")
            << bytes.left(bytes.size() - 21).toBase64() << QStringLiteral("Invalid file format") << QString();
        QTest::newRow("first block only")
            << bytes.left(16).toBase64() << QStringLiteral("Invalid file format") << QString();

        QRandomGenerator random(3815);
        QByteArray noise(4096, '\0');
        for (char &c : noise)
            c = char(random.bounded(256));
        QTest::newRow("random bytes") << noise << QStringLiteral("Invalid Base64 Character") << QString();
        QByteArray randomBytes(4095, '\0');
        for (char &c : randomBytes)
            c = char(random.bounded(256));
        QTest::newRow("random Base64") << randomBytes.toBase64() << QString() << WrongPassword;
        QTest::newRow("6 MB of Base64") << randomBytes.toBase64().repeated(6 * 1024 * 1024 / 5460) << QString()
                                        << WrongPassword;
        // Larger than any saved form (a form filled to the brim, below, is 6.5 MB).
        QTest::newRow("20 MB of Base64") << randomBytes.toBase64().repeated(20 * 1024 * 1024 / 5460)
                                         << QStringLiteral("Invalid file format") << QString();
    }
    void damagedFile()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, error);
        QFETCH(QString, message);
        writeFile(path(), content);
        Program program(m_dir->path());
        fill(program.form());
        const QStringList before = snapshot(program.form());
        load(program, QStringLiteral("titok"));
        QCOMPARE(m_errors, error.isEmpty() ? QStringList() : QStringList{error});
        QCOMPARE(messagesAfterPassword(), message.isEmpty() ? QStringList() : QStringList{message});
        QCOMPARE(snapshot(program.form()), before);
    }

    // Every field holding all it can: the largest saved form there is saves and loads back.
    void fullestFormLoadsBack()
    {
        Program saver(m_dir->path());
        const QString text(FieldCatalogue::FieldCapacity, QChar(u'ő'));
        const QString amount = "0," + QString(FieldCatalogue::FieldCapacity - 3, u'0') + "1";
        for (int i = 0; i < int(FieldCatalogue::fields().size()); ++i)
            saver.form().setText(i, FieldCatalogue::fields()[i].kind == FieldKind::Text ? text : amount);
        for (int c = 1; c < FieldCatalogue::TableColumns; ++c) {
            for (int r = 1; r < FieldCatalogue::TableRows; ++r)
                saver.form().setCell(c, r, text);
        }
        save(saver, QStringLiteral("titok"));
        QVERIFY(QFileInfo(path()).size() > 6'400'000);

        Program loader(m_dir->path());
        load(loader, QStringLiteral("titok"));
        QCOMPARE(m_errors, QStringList());
        QCOMPARE(snapshot(loader.form()), snapshot(saver.form()));
    }

    void unreadableFile()
    {
        QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("KTV3815.txt")));
        Program program(m_dir->path());
        const QStringList before = snapshot(program.form());
        load(program, QStringLiteral("titok"));
        QCOMPARE(m_errors.size(), 1);
        QVERIFY2(m_errors[0].startsWith(QStringLiteral("Cannot open file \"%1\". ").arg(path())),
                 qPrintable(m_errors[0]));
        QCOMPARE(snapshot(program.form()), before);
    }

    // Plaintexts that no save writes, under the right password.
    void foreignPlaintext_data()
    {
        QTest::addColumn<QByteArrayList>("lines");
        QTest::addColumn<QString>("error");
        QTest::addColumn<QString>("edit1");
        QTest::addColumn<QString>("cell");
        QTest::newRow("foreign names") << QByteArrayList{"Nev_x", "Edit99_y", "Edit1_ok", "Other_z", "tail"}
                                       << QString() << QStringLiteral("ok") << QString();
        QTest::newRow("line 1 without _")
            << QByteArrayList{"no separator", "Edit1_ok"} << QString() << QStringLiteral("ok") << QString();
        QTest::newRow("position x,1") << QByteArrayList{"Edit1_ok", "AdvStringGrid1_[x,1]t", "Edit1_later"}
                                      << QStringLiteral("'x' is not a valid integer value") << QStringLiteral("ok")
                                      << QString();
        QTest::newRow("position 9,99") << QByteArrayList{"AdvStringGrid1_[9,99]t", "AdvStringGrid1_[2,3]in", "Edit1_ok"}
                                       << QString() << QStringLiteral("ok") << QStringLiteral("in");
    }
    void foreignPlaintext()
    {
        QFETCH(QByteArrayList, lines);
        QFETCH(QString, error);
        QFETCH(QString, edit1);
        QFETCH(QString, cell);
        LineBuffer plain;
        plain.add(RecordFormat::marker());
        for (const QByteArray &line : lines)
            plain.add(line);
        writeFile(path(), encipher(plain.text(), "titok"));

        Program program(m_dir->path());
        program.form().setText(indexOf("Edit2"), QStringLiteral("kept"));
        load(program, QStringLiteral("titok"));
        QCOMPARE(m_errors, error.isEmpty() ? QStringList() : QStringList{error});
        QCOMPARE(program.form().text(indexOf("Edit1")), edit1);
        QCOMPARE(program.form().text(indexOf("Edit2")), QStringLiteral("kept"));
        QCOMPARE(program.form().cell(2, 3), cell);
    }

    void groupTotalTakesTheFileValue()
    {
        LineBuffer plain;
        plain.add(RecordFormat::marker());
        plain.add("PBNumEdit2_5");
        plain.add("PBNumEdit10_999");
        writeFile(path(), encipher(plain.text(), "titok"));
        Program program(m_dir->path());
        load(program, QStringLiteral("titok"));
        QCOMPARE(m_errors, QStringList());
        QCOMPARE(program.form().text(indexOf("PBNumEdit2")), QStringLiteral("5"));
        QCOMPARE(program.form().text(indexOf("PBNumEdit10")), QStringLiteral("999"));
    }

    // A file saved under other regional settings: the load stops at the amount that does not
    // parse, which keeps its text.
    void amountThatDoesNotParse()
    {
        const RegionalSettings::PinForTesting hungarian(RegionalSettings::hungarian());
        LineBuffer plain;
        plain.add(RecordFormat::marker());
        for (const char *line : {"Edit2_before", "PBNumEdit2_1.5", "PBNumEdit3_7", "Edit1_after"})
            plain.add(line);
        writeFile(path(), encipher(plain.text(), "titok"));
        Program program(m_dir->path());
        load(program, QStringLiteral("titok"));
        QCOMPARE(program.form().text(indexOf("Edit2")), QStringLiteral("before"));
        QCOMPARE(program.form().text(indexOf("PBNumEdit2")), QStringLiteral("1.5"));
        QCOMPARE(m_errors.value(0), QStringLiteral("'1.5' is not a valid floating point value"));
        // The load stops at the line whose amount does not parse: later lines are not restored.
        QCOMPARE(m_errors.size(), 1);
        QCOMPARE(program.form().text(indexOf("PBNumEdit3")), QStringLiteral("0"));
        QCOMPARE(program.form().text(indexOf("Edit1")), QString());
    }

    void specialValuesThroughTheFile()
    {
        Program saver(m_dir->path());
        saver.form().setText(indexOf("Edit1"), QStringLiteral("A_B"));
        saver.form().setText(indexOf("Edit2"), QString::fromUtf8("Ár: 5$"));
        saver.form().setText(indexOf("Edit3"), QStringLiteral("   leading"));
        saver.form().setText(indexOf("Edit4"), QStringLiteral("first\r\nsecond"));
        saver.form().setCell(1, 1, QStringLiteral("$_[2,2]"));
        save(saver, QString::fromUtf8("ÁrvíztűrőTükörfúrógép"));

        Program loader(m_dir->path());
        load(loader, QString::fromUtf8("ÁrvíztűrőTükörfúrógép"));
        QCOMPARE(m_errors, QStringList());
        QCOMPARE(loader.form().text(indexOf("Edit1")), QStringLiteral("A_B"));
        QCOMPARE(loader.form().text(indexOf("Edit2")), QString::fromUtf8("Ár: 5$"));
        QCOMPARE(loader.form().text(indexOf("Edit3")), QStringLiteral("   leading"));
        QCOMPARE(loader.form().text(indexOf("Edit4")), QStringLiteral("second"));
        QCOMPARE(loader.form().cell(1, 1), QStringLiteral("$_[2,2]"));
        QCOMPARE(loader.form().cell(2, 2), QString());
    }

    void saveFailureKeepsTheOldFile_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("target is a folder") << QStringLiteral("folder");
        QTest::newRow("folder missing") << QStringLiteral("missing");
        QTest::newRow("write fails") << QStringLiteral("write");
    }
    void saveFailureKeepsTheOldFile()
    {
        QFETCH(QString, how);
        QString directory = m_dir->path();
        std::unique_ptr<FileSizeLimit> limit;
        if (how == QLatin1String("folder"))
            QVERIFY(QDir(directory).mkdir(QStringLiteral("KTV3815.txt")));
        else if (how == QLatin1String("missing"))
            directory += QStringLiteral("/missing");
        else
            writeFile(path(), "previous");

        Program program(directory);
        fill(program.form());
        if (how == QLatin1String("write"))
            limit = std::make_unique<FileSizeLimit>(64);
        save(program, QStringLiteral("titok"));
        limit.reset();

        const QString target = SavedFormCommands::filePath();
        QCOMPARE(m_errors.size(), 1);
        QVERIFY2(m_errors[0].startsWith(QStringLiteral("Cannot create file \"%1\". ").arg(target)),
                 qPrintable(m_errors[0]));
        QVERIFY(m_errors[0].size() > QStringLiteral("Cannot create file \"%1\". ").arg(target).size());
        if (how == QLatin1String("write"))
            QCOMPARE(readFile(path()), QByteArray("previous"));
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files),
                 how == QLatin1String("write") ? QStringList{QStringLiteral("KTV3815.txt")} : QStringList());
    }

    void fileLivesBesideTheProgram()
    {
        InMemoryDeclaration declaration;
        TForm3 form3;
        TRijndael cipher;
        SavedFormCommands commands(declaration, form3, cipher);
        const QString expected = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("KTV3815.txt"));
        QCOMPARE(SavedFormCommands::filePath(), expected);
        const QString working = QDir::currentPath();
        QVERIFY(QDir::setCurrent(m_dir->path()));
        QCOMPARE(SavedFormCommands::filePath(), expected);
        QDir::setCurrent(working);
    }

    void form3IsAHiddenWindow()
    {
        TForm3 form3;
        QCOMPARE(form3.windowTitle(), QStringLiteral("Form3"));
        QCOMPARE(form3.objectName(), QStringLiteral("Form3"));
        QVERIFY(form3.isWindow());
        QVERIFY(!form3.isVisible());
    }
};

QTEST_MAIN(TestSavedFormCommands)
#include "tst_savedformcommands.moc"

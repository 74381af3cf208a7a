#include "SavedFormCommands.h"
#include "FieldCatalogue.h"
#include "IntlDialogs.h"
#include "RecordFormat.h"
#include "TForm3.h"
#include "TInternationalRec.h"
#include "TRijndael.h"
#include "Windows1250.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

const char FileName[] = "KTV3815.txt";

QString folderForTesting;

QString askPassword(const char *caption, const char *prompt)
{
    DialogLanguage = LanguageTable::Hungarian;
    QString password;
    IntlInputQuery(QString::fromUtf8(caption), QString::fromUtf8(prompt), QString(), password);
    return password;
}

// The largest file a save writes: every field holds one line of at most FieldCapacity
// characters of one Windows-1250 byte each, so the plaintext is the marker line (9 bytes and
// CR LF) and at most 148 record lines (8 text fields, 100 amount fields, 40 cells) of at most the
// longest name part ("AdvStringGrid1_[1,10]", 21 bytes), the value and CR LF. Enciphering adds
// at most 16 bytes and Base64 makes four characters of three bytes: 6 470 596 bytes.
constexpr qsizetype LargestFile = (9 + 2 + 148 * (21 + FieldCatalogue::FieldCapacity + 2) + 16 + 2) / 3 * 4;

} // namespace

SavedFormCommands::SavedFormCommands(DeclarationData &form, TForm3 &form3, TRijndael &cipher)
    : m_form(form), m_form3(form3), m_cipher(cipher)
{
}

QString SavedFormCommands::filePath()
{
    return QDir(folderForTesting.isEmpty() ? QCoreApplication::applicationDirPath() : folderForTesting)
        .absoluteFilePath(QLatin1String(FileName));
}

SavedFormCommands::FolderForTesting::FolderForTesting(const QString &folder) : m_folder(folderForTesting, folder) {}

void SavedFormCommands::save()
{
    collectPlaintext();
    const QString password = askPassword("Kérek egy jelszót!", "A jelszó a későbbi visszatöltésnél kell majd:");
    if (password.isEmpty())
        return;
    encipherAndWrite(password);
}

void SavedFormCommands::load()
{
    readAndRestore(askPassword("Jelszóellenőrzés", "Kérem a jelszót"));
}

void SavedFormCommands::collectPlaintext()
{
    RecordFormat::collect(m_form, m_form3.RichEdit3, m_form3.RichEdit4);
    RecordFormat::filter(m_form3.RichEdit3, m_form3.RichEdit4);
}

void SavedFormCommands::encipherAndWrite(const QString &password)
{
    LineBuffer &output = m_form3.RichEdit4;
    m_cipher.SetKeyFromPassword(Windows1250::encode(password));
    output.setText(m_cipher.EncryptText(output.text()));
    output.saveToFile(filePath());
}

void SavedFormCommands::readAndRestore(const QString &password)
{
    const QString path = filePath();
    if (!QFileInfo::exists(path)) {
        IntlShowMessage(QString::fromUtf8("Nincs mentés!           ."));
        return;
    }
    LineBuffer &output = m_form3.RichEdit4;
    output.loadFromFile(path, LargestFile);
    m_cipher.SetKeyFromPassword(Windows1250::encode(password));
    output.setText(m_cipher.DecryptText(output.text()));
    if (!RecordFormat::checkAndRestore(output, m_form))
        IntlShowMessage(QString::fromUtf8("Hibás jelszó!           ."));
}

#pragma once
#include "ScopedValue.h"

#include <QString>

class DeclarationData;
class TForm3;
class TRijndael;

// The menu commands "Űrlap mentése" and "Kitöltött űrlap betöltése": the declaration's fields
// saved under a password to one file, KTV3815.txt beside the program, and loaded back. Errors
// are raised for the caller's error guard; what the user must act on is shown as a message.
class SavedFormCommands
{
public:
    SavedFormCommands(DeclarationData &form, TForm3 &form3, TRijndael &cipher);

    // Where the file lives: KTV3815.txt in the program's own folder.
    static QString filePath();

    // Tests and the bench keep the file in a folder of their own, for as long as this object lives.
    class FolderForTesting
    {
    public:
        explicit FolderForTesting(const QString &folder);

    private:
        ScopedValue<QString> m_folder;
    };

    // Collects the fields, asks for a password and writes the file. An empty password writes
    // nothing and shows nothing.
    void save();
    // Asks for the password, then reads, deciphers and checks the file and restores the fields.
    void load();

    // The steps behind the dialogs.
    void collectPlaintext();
    void encipherAndWrite(const QString &password);
    void readAndRestore(const QString &password);

private:
    DeclarationData &m_form;
    TForm3 &m_form3;
    TRijndael &m_cipher;
};

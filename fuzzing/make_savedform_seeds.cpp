// Writes the saved-form seeds of the load target into the folder given: a declaration filled
// in and saved through the record format and cipher of the save command under the fuzz
// password, its plaintext, and damaged copies of the file. Run by hand when the record format
// changes; the seeds are committed.
#include "FieldCatalogue.h"
#include "InMemoryDeclaration.h"
#include "LineBuffer.h"
#include "RecordFormat.h"
#include "RegionalSettings.h"
#include "SavedFormFuzzing.h"
#include "TRijndael.h"

#include <QDir>
#include <QFile>
#include <cstdio>

namespace {

void fill(DeclarationData &form)
{
    const auto set = [&form](const char *name, const char *text) {
        form.setText(*FieldCatalogue::find(QString::fromLatin1(name)), QString::fromUtf8(text));
    };
    set("Edit1", "Kiss Anna");
    set("Edit2", "Pécs, Fő utca 1.");
    set("Edit5", "123456789");
    set("PBNumEdit1", "2");
    set("PBNumEdit2", "150000");
    set("PBNumEdit3", "1234,5");
    set("PBNumEdit12", "-1E3");
    form.setCell(1, 1, QString::fromUtf8("Kiss Béla"));
    form.setCell(2, 1, QString::fromUtf8("Ár: 5$ [x]_y"));
}

void write(const QDir &folder, const char *name, const QByteArray &bytes)
{
    QFile file(folder.filePath(QString::fromLatin1(name)));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        std::fprintf(stderr, "cannot write %s\n", name);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <corpus folder>\n", argv[0]);
        return 2;
    }
    const RegionalSettings::PinForTesting hungarian(RegionalSettings::hungarian());
    const QDir folder(QString::fromLocal8Bit(argv[1]));

    InMemoryDeclaration declaration;
    fill(declaration);
    LineBuffer collection, output;
    RecordFormat::collect(declaration, collection, output);
    RecordFormat::filter(collection, output);
    const QByteArray plaintext = output.text();
    TRijndael cipher;
    cipher.SetKeyFromPassword(SavedFormFuzzing::Password);
    const QByteArray file = cipher.EncryptText(plaintext);

    write(folder, "saved-form.txt", file);
    write(folder, "plaintext.txt", plaintext);
    write(folder, "damaged-crlf-added.txt", file + "\r\n");
    write(folder, "damaged-cut-at-block.txt", file.left(file.size() - 24)); // 18 bytes: one block
    write(folder, "damaged-cut-mid-group.txt", file.left(file.size() - 3));
    QByteArray flipped = file;
    flipped[flipped.size() / 2] = flipped[flipped.size() / 2] == 'A' ? 'B' : 'A';
    write(folder, "damaged-one-character.txt", flipped);
    cipher.SetKeyFromPassword("other");
    write(folder, "other-password.txt", cipher.EncryptText(plaintext));
    write(folder, "empty.txt", QByteArray());
    return 0;
}

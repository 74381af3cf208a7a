// The load command: the bytes are a saved-form file, read, deciphered under a fixed password,
// checked for the marker line and the closing line break and restored into the declaration.
// The same bytes are then taken as the plaintext such a file holds: enciphered, they must
// decipher to themselves and are loaded the same way, so that the record format is fuzzed behind
// the cipher as well. Error is the expected outcome of a bad file; anything else thrown is a
// finding. A load that succeeds must be a fixed point of save and load: saving the fields and
// loading the result again changes no field.
//
// The declaration is held in memory: the record format and the group totals are the same as the
// window's (one contract test holds both to it), and no widget slows the runs down.
#include "DeclarationSnapshot.h"
#include "Error.h"
#include "FuzzCheck.h"
#include "InMemoryDeclaration.h"
#include "LineBuffer.h"
#include "RecordFormat.h"
#include "RegionalSettings.h"
#include "SavedFormFuzzing.h"
#include "TRijndael.h"

#include <QStringList>
#include <cstdint>

namespace {

class LoadHarness
{
public:
    LoadHarness() { m_cipher.SetKeyFromPassword(SavedFormFuzzing::Password); }

    // The bytes as the file: the load command's steps after the password dialog.
    void loadFile(const QByteArray &fileBytes) const
    {
        LineBuffer output;
        output.setText(fileBytes);
        try {
            output.setText(m_cipher.DecryptText(output.text()));
        } catch (const Error &) {
            return;
        }
        restoreAndCheck(output);
    }

    // The bytes as the plaintext of a file enciphered here, which must decipher to them.
    void loadEnciphered(const QByteArray &plaintext) const
    {
        LineBuffer output;
        output.setText(m_cipher.EncryptText(plaintext));
        output.setText(m_cipher.DecryptText(output.text()));
        FUZZ_CHECK(output.text() == plaintext, QString::fromLatin1(plaintext.left(64).toHex()));
        restoreAndCheck(output);
    }

private:
    // Every input is restored into a new declaration, so that a finding replays alone. Nothing of
    // it outlives the call: libFuzzer runs an input again in search of a leak whenever it
    // allocated more than it freed.
    void restoreAndCheck(const LineBuffer &plaintext) const
    {
        InMemoryDeclaration declaration = m_newDeclaration;
        bool restored = false;
        try {
            restored = RecordFormat::checkAndRestore(plaintext, declaration);
        } catch (const Error &) {
            restored = false;
        }
        if (restored)
            checkSaveAndLoadAgain(declaration);
    }

    static void checkSaveAndLoadAgain(InMemoryDeclaration &declaration)
    {
        const InMemoryDeclaration loaded = declaration;
        LineBuffer collection, output;
        RecordFormat::collect(declaration, collection, output);
        RecordFormat::filter(collection, output);
        try {
            RecordFormat::restore(output, declaration);
        } catch (const Error &error) {
            FUZZ_CHECK(false, error.message());
        }
        if (declaration == loaded)
            return;
        const QStringList before = snapshot(loaded), after = snapshot(declaration);
        for (qsizetype i = 0; i < before.size(); ++i)
            FUZZ_CHECK(after[i] == before[i], before[i] + QStringLiteral(" came back as ") + after[i]);
    }

    const RegionalSettings::PinForTesting m_hungarian{RegionalSettings::hungarian()};
    const InMemoryDeclaration m_newDeclaration; // copied for each input: cheaper than building one
    TRijndael m_cipher;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const LoadHarness load;
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    load.loadFile(bytes);
    load.loadEnciphered(bytes);
    return 0;
}

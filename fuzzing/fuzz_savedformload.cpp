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

    const TRijndael &cipher() const { return m_cipher; }

    void loadAndCheck(const QByteArray &fileBytes)
    {
        // Every input is loaded into a new declaration, so that a finding replays alone.
        m_declaration = InMemoryDeclaration();
        bool restored = false;
        try {
            restored = load(fileBytes);
        } catch (const Error &) {
            restored = false;
        }
        if (restored)
            checkSaveAndLoadAgain();
    }

private:
    // The steps of the load command after the password dialog, the file's bytes given directly.
    bool load(const QByteArray &fileBytes)
    {
        m_output.setText(fileBytes);
        m_output.setText(m_cipher.DecryptText(m_output.text()));
        return RecordFormat::checkAndRestore(m_output, m_declaration);
    }

    void checkSaveAndLoadAgain()
    {
        const QStringList loaded = snapshot(m_declaration);
        RecordFormat::collect(m_declaration, m_collection, m_output);
        RecordFormat::filter(m_collection, m_output);
        try {
            RecordFormat::restore(m_output, m_declaration);
        } catch (const Error &error) {
            FUZZ_CHECK(false, error.message());
        }
        const QStringList reloaded = snapshot(m_declaration);
        for (qsizetype i = 0; i < loaded.size(); ++i)
            FUZZ_CHECK(reloaded[i] == loaded[i], loaded[i] + QStringLiteral(" came back as ") + reloaded[i]);
    }

    const RegionalSettings::PinForTesting m_hungarian{RegionalSettings::hungarian()};
    InMemoryDeclaration m_declaration;
    TRijndael m_cipher;
    LineBuffer m_collection;
    LineBuffer m_output;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static LoadHarness load;
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    load.loadAndCheck(bytes);

    const QByteArray cipherText = load.cipher().EncryptText(bytes);
    FUZZ_CHECK(load.cipher().DecryptText(cipherText) == bytes, QString::fromLatin1(bytes.left(64).toHex()));
    load.loadAndCheck(cipherText);
    return 0;
}

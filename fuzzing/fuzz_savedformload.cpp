// The load command: the bytes are a saved-form file, read, deciphered under a fixed password,
// checked for the marker line and the closing line break and restored into the declaration's
// fields. The same bytes are then taken as the plaintext such a file holds: enciphered, they
// must decipher to themselves and are loaded the same way, so that the record format is fuzzed
// behind the cipher as well. Error is the expected outcome of a bad file; anything else thrown
// is a finding. A load that succeeds must be a fixed point of save and load: saving the fields
// and loading the result again changes no field.
#include "Error.h"
#include "ErrorBox.h"
#include "FieldCatalogue.h"
#include "FormFixture.h"
#include "FuzzCheck.h"
#include "LineBuffer.h"
#include "RecordFormat.h"
#include "RegionalSettings.h"
#include "SavedFormFuzzing.h"
#include "TEdit.h"
#include "TNumEdit.h"
#include "TRijndael.h"
#include "TStringGrid.h"

#include <QSignalBlocker>
#include <QStringList>
#include <cstdint>

namespace {

class LoadHarness
{
public:
    LoadHarness()
    {
        m_cipher.SetKeyFromPassword(SavedFormFuzzing::Password);
        m_initial = snapshot();
    }

    const TRijndael &cipher() const { return m_cipher; }

    void loadAndCheck(const QByteArray &fileBytes)
    {
        bool restored = false;
        try {
            restored = load(fileBytes);
        } catch (const Error &) {
            restored = false;
        }
        if (restored)
            checkSaveAndLoadAgain();
        if (m_touched)
            resetFields();
    }

private:
    // The steps of the load command after the password dialog, the file's bytes given directly.
    bool load(const QByteArray &fileBytes)
    {
        m_output.setText(fileBytes);
        m_output.setText(m_cipher.DecryptText(m_output.text()));
        m_touched = true; // a restore stopped by an error has still written earlier fields
        return RecordFormat::checkAndRestore(m_output, m_fields.form);
    }

    void checkSaveAndLoadAgain()
    {
        const QStringList loaded = snapshot();
        RecordFormat::collect(m_fields.form, m_collection, m_output);
        RecordFormat::filter(m_collection, m_output);
        try {
            RecordFormat::restore(m_output, m_fields.form);
        } catch (const Error &error) {
            FUZZ_CHECK(false, error.message());
        }
        const QStringList reloaded = snapshot();
        for (qsizetype i = 0; i < loaded.size(); ++i)
            FUZZ_CHECK(reloaded[i] == loaded[i], loaded[i] + QStringLiteral(" came back as ") + reloaded[i]);
    }

    QStringList snapshot() const
    {
        QStringList values;
        for (int i = 0; i < int(FieldCatalogue::fields().size()); ++i)
            values << m_fields.form.text(i);
        for (int c = 1; c < TStringGrid::ColCount; ++c) {
            for (int r = 1; r < TStringGrid::RowCount; ++r)
                values << m_fields.form.cell(c, r);
        }
        return values;
    }

    // Back to the fields of a new window, without running the group handlers, so that every
    // input is loaded into the same fields and a finding replays alone.
    void resetFields()
    {
        DeclarationForm &form = m_fields.form;
        int next = 0;
        for (int i = 0; i < int(FieldCatalogue::fields().size()); ++i, ++next) {
            if (TEdit *edit = form.edit(i)) {
                edit->setText(m_initial[next]);
            } else if (TNumEdit *amount = form.numEdit(i)) {
                const QSignalBlocker quiet(amount);
                amount->setText(m_initial[next]);
            }
        }
        for (int c = 1; c < TStringGrid::ColCount; ++c) {
            for (int r = 1; r < TStringGrid::RowCount; ++r)
                form.setCell(c, r, m_initial[next++]);
        }
        m_touched = false;
    }

    FormFixture m_fields;
    TRijndael m_cipher;
    LineBuffer m_collection;
    LineBuffer m_output;
    const RegionalSettings::PinForTesting m_hungarian{RegionalSettings::hungarian()};
    // Restoring runs no guarded handler; should one show an error, no box may wait for a click.
    const ErrorSinkForTesting m_noErrorBox{[](const QString &) {}};
    QStringList m_initial;
    bool m_touched = false;
};

LoadHarness &harness()
{
    SavedFormFuzzing::ensureApplication();
    static LoadHarness instance;
    return instance;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    LoadHarness &load = harness();
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    load.loadAndCheck(bytes);

    const QByteArray cipherText = load.cipher().EncryptText(bytes);
    FUZZ_CHECK(load.cipher().DecryptText(cipherText) == bytes, QString::fromLatin1(bytes.left(64).toHex()));
    load.loadAndCheck(cipherText);
    return 0;
}

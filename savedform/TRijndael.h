#pragma once
#include "AesEcb.h"

#include <QByteArray>

// The saved form's cipher (Rijndael1): AES-128, every block on its own (ECB), keyed by the
// password digest. Texts are 8-bit Windows-1250 bytes. There is no integrity check: a wrong
// key deciphers to other bytes, and only the plaintext's marker line tells.
class TRijndael
{
public:
    using Key = AesEcb::Key;

    // The key becomes the first 16 bytes of the password digest of the password's bytes.
    void SetKeyFromPassword(const QByteArray &password);

    // Base64 of the block encryption of the plaintext, on one line.
    QByteArray EncryptText(const QByteArray &plaintext) const;
    // Base64-decodes, then deciphers. Raises Error::invalidBase64 for a character outside
    // "+" .. "z" and Error::invalidFileFormat when fewer than 16 bytes result.
    QByteArray DecryptText(const QByteArray &cipherText) const;

    // The block scheme under the key: the full blocks, then a final block of the r remaining
    // bytes, zeros and the count r in its last byte, so n bytes become 16 * (n / 16 + 1).
    QByteArray encipherBytes(const QByteArray &bytes) const;
    // Deciphers whole blocks and keeps as many bytes of the last one as its count byte says;
    // a count above 15 (a wrong key or a damaged file) keeps the whole block. Bytes after the
    // last whole block are ignored. Raises Error::invalidFileFormat below 16 bytes.
    QByteArray decipherBytes(const QByteArray &bytes) const;

    static qsizetype cipherSize(qsizetype n) { return 16 * (n / 16 + 1); }

    // 16 zero bytes until the first password.
    const Key &key() const { return m_key; }
    void setKey(const Key &key) { m_key = key; }

private:
    Key m_key{};
};

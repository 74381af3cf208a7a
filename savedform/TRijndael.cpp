#include "TRijndael.h"
#include "Base64Text.h"
#include "Error.h"
#include "PasswordDigest.h"

#include <algorithm>

namespace {
constexpr int BlockSize = 16;
constexpr int MaxCount = BlockSize - 1;
} // namespace

void TRijndael::SetKeyFromPassword(const QByteArray &password)
{
    const QByteArray digest = PasswordDigest::of(password, BlockSize);
    std::copy(digest.begin(), digest.end(), m_key.begin());
}

QByteArray TRijndael::EncryptText(const QByteArray &plaintext) const
{
    return Base64Text::encode(encipherBytes(plaintext));
}

QByteArray TRijndael::DecryptText(const QByteArray &cipherText) const
{
    return decipherBytes(Base64Text::decode(cipherText));
}

QByteArray TRijndael::encipherBytes(const QByteArray &bytes) const
{
    const qsizetype rest = bytes.size() % BlockSize;
    QByteArray blocks = bytes;
    blocks.append(MaxCount - rest, '\0');
    blocks.append(char(rest));
    return AesEcb::encipher(m_key, blocks);
}

QByteArray TRijndael::decipherBytes(const QByteArray &bytes) const
{
    const qsizetype blockCount = bytes.size() / BlockSize;
    if (blockCount == 0)
        throw Error::invalidFileFormat();
    QByteArray plain = AesEcb::decipher(m_key, bytes.left(blockCount * BlockSize));
    const int count = std::uint8_t(plain.back());
    plain.truncate((blockCount - 1) * BlockSize + (count <= MaxCount ? count : BlockSize));
    return plain;
}

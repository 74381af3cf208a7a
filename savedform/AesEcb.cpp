#include "AesEcb.h"

#include <openssl/evp.h>

#include <algorithm>
#include <memory>
#include <stdexcept>

namespace AesEcb {

namespace {

QByteArray run(const Key &key, const QByteArray &blocks, bool encipher)
{
    const std::unique_ptr<EVP_CIPHER_CTX, decltype(&EVP_CIPHER_CTX_free)> context(EVP_CIPHER_CTX_new(),
                                                                                  &EVP_CIPHER_CTX_free);
    if (!context || EVP_CipherInit_ex(context.get(), EVP_aes_128_ecb(), nullptr, key.data(), nullptr, encipher) != 1)
        throw std::runtime_error("AES-128 is not available");
    EVP_CIPHER_CTX_set_padding(context.get(), 0);

    QByteArray result(blocks.size(), Qt::Uninitialized);
    const auto *in = reinterpret_cast<const unsigned char *>(blocks.constData());
    auto *out = reinterpret_cast<unsigned char *>(result.data());
    // libcrypto counts in int: feed very long inputs in pieces of whole blocks.
    constexpr qsizetype Piece = qsizetype(1) << 24;
    for (qsizetype done = 0; done < blocks.size(); done += Piece) {
        const int length = int(std::min(Piece, blocks.size() - done));
        int written = 0;
        if (EVP_CipherUpdate(context.get(), out + done, &written, in + done, length) != 1 || written != length)
            throw std::runtime_error("AES-128 failed");
    }
    return result;
}

} // namespace

QByteArray encipher(const Key &key, const QByteArray &blocks)
{
    return run(key, blocks, true);
}

QByteArray decipher(const Key &key, const QByteArray &blocks)
{
    return run(key, blocks, false);
}

} // namespace AesEcb

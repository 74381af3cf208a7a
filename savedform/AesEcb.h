#pragma once
#include <QByteArray>
#include <array>
#include <cstdint>

// AES-128 (FIPS-197) on whole 16-byte blocks, each enciphered on its own (ECB), no padding.
// The block operation is libcrypto's.
namespace AesEcb {

using Key = std::array<std::uint8_t, 16>;

// The input's length must be a multiple of 16 bytes.
QByteArray encipher(const Key &key, const QByteArray &blocks);
QByteArray decipher(const Key &key, const QByteArray &blocks);

} // namespace AesEcb

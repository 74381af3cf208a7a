#pragma once
#include <array>
#include <cstdint>

// The block cipher behind the password digest: a Feistel network on 16-byte blocks whose
// round function is the four-word mix, keyed by subkeys from the eight-word (ISAAC) mix.
// Words are read from and written to bytes little-endian.
class DigestCipher
{
public:
    using Key = std::array<std::uint8_t, 16>;

    // The number of rounds is held between 4 and 16.
    DigestCipher(const Key &key, int rounds);

    void encipherBlock(std::uint8_t *block) const; // 16 bytes, in place

    // Mixes four words in eight add-add-shift steps; step 7 shifts d, not c.
    static void fourWordMix(std::uint32_t &a, std::uint32_t &b, std::uint32_t &c, std::uint32_t &d);

private:
    int m_rounds;
    std::array<std::uint32_t, 32> m_subkeys{}; // round j uses words 2j and 2j + 1
};

#include "DigestCipher.h"

#include <QtEndian>
#include <algorithm>
#include <utility>

namespace {

using Word = std::uint32_t;

void eightWordMix(Word (&w)[8])
{
    // clang-format off
    Word &a = w[0], &b = w[1], &c = w[2], &d = w[3], &e = w[4], &f = w[5], &g = w[6], &h = w[7];
    a ^= b << 11; d += a; b += c;
    b ^= c >> 2;  e += b; c += d;
    c ^= d << 8;  f += c; d += e;
    d ^= e >> 16; g += d; e += f;
    e ^= f << 10; h += e; f += g;
    f ^= g >> 4;  a += f; g += h;
    g ^= h << 8;  b += g; h += a;
    h ^= a >> 9;  c += h; a += b;
    // clang-format on
}

} // namespace

void DigestCipher::fourWordMix(Word &a, Word &b, Word &c, Word &d)
{
    // clang-format off
    a += d; d += a; a ^= a >> 7;
    b += a; a += b; b ^= b << 13;
    c += b; b += c; c ^= c >> 17;
    d += c; c += d; d ^= d << 9;
    a += d; d += a; a ^= a >> 3;
    b += a; a += b; b ^= b << 7;
    c += b; b += c; c ^= d >> 15;
    d += c; c += d; d ^= d << 11;
    // clang-format on
}

DigestCipher::DigestCipher(const Key &key, int rounds) : m_rounds(std::clamp(rounds, 4, 16))
{
    Word k[4];
    qFromLittleEndian<Word>(key.data(), 4, k);
    int next = 0;
    for (const Word constant : {0x55555555u, 0xAAAAAAAAu, 0x33333333u, 0xCCCCCCCCu}) {
        Word w[8] = {k[0], constant, k[1], constant, k[2], constant, k[3], constant};
        for (int i = 0; i < 8; ++i)
            eightWordMix(w);
        for (const Word word : w)
            m_subkeys[next++] = word;
    }
}

void DigestCipher::encipherBlock(std::uint8_t *block) const
{
    // The first eight bytes are the right half, the last eight the left half.
    Word words[4];
    qFromLittleEndian<Word>(block, 4, words);
    Word &r0 = words[0], &r1 = words[1], &l0 = words[2], &l1 = words[3];
    for (int j = 0; j < m_rounds; ++j) {
        Word a = r0, b = m_subkeys[2 * j], c = r1, d = m_subkeys[2 * j + 1];
        fourWordMix(a, b, c, d);
        std::swap(a, c);
        std::swap(b, d);
        fourWordMix(a, b, c, d);
        // The right half moves to the left, the mixed left half becomes the right.
        l0 = std::exchange(r0, l0 ^ a ^ b);
        l1 = std::exchange(r1, l1 ^ c ^ d);
    }
    const Word out[4] = {l0, l1, r0, r1};
    qToLittleEndian<Word>(out, 4, block);
}

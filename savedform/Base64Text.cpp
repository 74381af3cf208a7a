#include "Base64Text.h"
#include "Error.h"

#include <array>

namespace Base64Text {

namespace {

const char Alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
constexpr int Outside = -1; // outside "+" .. "z"
constexpr int NotInAlphabet = 127;

std::array<int, 256> valueTable()
{
    std::array<int, 256> table;
    table.fill(Outside);
    for (int c = '+'; c <= 'z'; ++c)
        table[c] = NotInAlphabet;
    for (int v = 0; v < 64; ++v)
        table[std::uint8_t(Alphabet[v])] = v;
    return table;
}

} // namespace

QByteArray encode(const QByteArray &bytes)
{
    QByteArray text;
    text.reserve((bytes.size() + 2) / 3 * 4);
    const auto *data = reinterpret_cast<const std::uint8_t *>(bytes.constData());
    const qsizetype size = bytes.size();
    for (qsizetype i = 0; i < size; i += 3) {
        const qsizetype left = size - i;
        const unsigned group = unsigned(data[i]) << 16 | (left > 1 ? unsigned(data[i + 1]) << 8 : 0) |
                               (left > 2 ? unsigned(data[i + 2]) : 0);
        text += Alphabet[group >> 18];
        text += Alphabet[(group >> 12) & 63];
        text += left > 1 ? Alphabet[(group >> 6) & 63] : '=';
        text += left > 2 ? Alphabet[group & 63] : '=';
    }
    return text;
}

QByteArray decode(const QByteArray &text)
{
    static const std::array<int, 256> values = valueTable();
    if (text.size() % 4 != 0)
        throw Error::invalidBase64();
    QByteArray bytes;
    bytes.reserve(text.size() / 4 * 3);
    const auto *chars = reinterpret_cast<const std::uint8_t *>(text.constData());
    for (qsizetype i = 0; i < text.size(); i += 4) {
        const int p = values[chars[i]], q = values[chars[i + 1]], s = values[chars[i + 2]], t = values[chars[i + 3]];
        if (p == Outside || q == Outside || s == Outside || t == Outside)
            throw Error::invalidBase64();
        bytes += char((p << 2 | q >> 4) & 0xFF);
        if (chars[i + 2] == '=')
            continue;
        bytes += char((q << 4 | s >> 2) & 0xFF);
        if (chars[i + 3] != '=')
            bytes += char((s << 6 | t) & 0xFF);
    }
    return bytes;
}

} // namespace Base64Text

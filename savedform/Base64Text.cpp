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
    return bytes.toBase64(); // the standard form exactly; only decoding has a leniency of its own
}

QByteArray decode(const QByteArray &text)
{
    // A text in the standard form, as every save writes it, reads the same either way, and Qt's
    // decoder reads it faster; any other text takes the lenient way below.
    if (QByteArray standard = QByteArray::fromBase64(text); standard.toBase64() == text)
        return standard;
    static const std::array<int, 256> values = valueTable();
    if (text.size() % 4 != 0)
        throw Error::invalidBase64();
    // Written through a pointer into bytes sized in advance: appending costs a call per byte.
    QByteArray bytes(text.size() / 4 * 3, Qt::Uninitialized);
    char *const begin = bytes.data();
    char *out = begin;
    const auto *chars = reinterpret_cast<const std::uint8_t *>(text.constData());
    for (qsizetype i = 0; i < text.size(); i += 4) {
        const int p = values[chars[i]], q = values[chars[i + 1]], s = values[chars[i + 2]], t = values[chars[i + 3]];
        if ((p | q | s | t) < 0) // one of them Outside, the only negative value
            throw Error::invalidBase64();
        *out++ = char((p << 2 | q >> 4) & 0xFF);
        if (chars[i + 2] == '=')
            continue;
        *out++ = char((q << 4 | s >> 2) & 0xFF);
        if (chars[i + 3] != '=')
            *out++ = char((s << 6 | t) & 0xFF);
    }
    bytes.truncate(out - begin);
    return bytes;
}

} // namespace Base64Text

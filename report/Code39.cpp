#include "Code39.h"

#include <string>

namespace Code39 {

namespace {

constexpr char Alphabet[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. *$/+%";

// Nine bits per character, most significant first: bar, space, bar, ..., bar; 1 = wide.
constexpr unsigned short Patterns[] = {
    0x034, 0x121, 0x061, 0x160, 0x031, 0x130, 0x070, 0x025, 0x124, 0x064, // 0-9
    0x109, 0x049, 0x148, 0x019, 0x118, 0x058, 0x00D, 0x10C, 0x04C, 0x01C, // A-J
    0x103, 0x043, 0x142, 0x013, 0x112, 0x052, 0x007, 0x106, 0x046, 0x016, // K-T
    0x181, 0x0C1, 0x1C0, 0x091, 0x190, 0x0D0,                             // U-Z
    0x085, 0x184, 0x0C4, 0x094, 0x0A8, 0x0A2, 0x08A, 0x02A,               // - . space * $ / + %
};
static_assert(sizeof Patterns / sizeof Patterns[0] == sizeof Alphabet - 1);

constexpr int Elements = 9;

} // namespace

std::vector<bool> pattern(QChar character)
{
    const QChar upper = character.toUpper();
    if (upper.unicode() > 0x7F)
        return {};
    const char *found = std::char_traits<char>::find(Alphabet, sizeof Alphabet - 1, char(upper.unicode()));
    if (!found)
        return {};
    const unsigned bits = Patterns[found - Alphabet];
    std::vector<bool> elements(Elements);
    for (int i = 0; i < Elements; ++i)
        elements[i] = bits & (1u << (Elements - 1 - i));
    return elements;
}

std::vector<Bar> bars(const QString &text, double wideRatio)
{
    std::vector<Bar> out;
    double x = 0;
    // "*" only frames the symbol; inside the text it would end the scan.
    const QString framed = u'*' + QString(text).remove(u'*') + u'*';
    for (const QChar c : framed) {
        const std::vector<bool> elements = pattern(c);
        if (elements.empty())
            continue;
        for (int i = 0; i < Elements; ++i) {
            const double width = elements[i] ? wideRatio : 1.0;
            if (i % 2 == 0)
                out.push_back({x, width});
            x += width;
        }
        x += 1.0; // the narrow gap between characters
    }
    return out;
}

} // namespace Code39

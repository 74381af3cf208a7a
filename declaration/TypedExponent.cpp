#include "TypedExponent.h"

#include <algorithm>

namespace {

// Appends the digits to value, which stops at limit; clears integer at any other character.
int appendDigits(int value, QStringView digits, int limit, bool &integer)
{
    for (QChar c : digits) {
        integer = integer && c >= u'0' && c <= u'9';
        value = std::min(value * 10 + (c.unicode() - u'0'), limit);
    }
    return value;
}

} // namespace

TypedExponent::TypedExponent(QStringView front, QStringView back) : m_backLength(back.size())
{
    if (front.startsWith(u'-') || front.startsWith(u'+'))
        front = front.mid(1);
    m_front = appendDigits(0, front, Largest + 1, m_integer);
    m_back = appendDigits(0, back, Largest + 1, m_integer);
}

QString TypedExponent::take(QStringView digits, int &refused)
{
    QString taken;
    for (QChar digit : digits) {
        const int front = std::min(m_front * 10 + (digit.unicode() - u'0'), Largest + 1);
        // front x 10^(length behind) + the value behind, or only that while the front is all zeros.
        int value = front;
        for (qsizetype i = 0; i < m_backLength && value > 0 && value <= Largest; ++i)
            value *= 10;
        if (m_integer && std::min(value + m_back, Largest + 1) > Largest) {
            ++refused;
            continue;
        }
        m_front = front;
        taken += digit;
    }
    return taken;
}

#include "DialogUnits.h"

#include <QFontMetrics>
#include <cstdint>
#include <cstdlib>

int MulDiv(int a, int b, int c)
{
    const std::int64_t product = std::int64_t(a) * b;
    std::int64_t quotient = product / c;
    const std::int64_t remainder = product % c;
    if (2 * std::llabs(remainder) >= std::llabs(c))
        quotient += (product < 0) != (c < 0) ? -1 : 1;
    return int(quotient);
}

DialogUnits DialogUnits::of(const QFont &font)
{
    static const QString alphabet = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    const QFontMetrics metrics(font);
    return {metrics.horizontalAdvance(alphabet) / 52, metrics.height()};
}

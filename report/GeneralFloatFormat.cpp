#include "GeneralFloatFormat.h"

#include <charconv>
#include <cmath>

namespace GeneralFloatFormat {

namespace {

constexpr int SignificantDigits = 15;
constexpr int SmallestFixedExponent = -5; // 0.00001 still prints without exponent

struct Decimal
{
    QString digits; // significant digits without trailing zeros, never empty
    int exponent;   // decimal exponent of the first digit: value = d.ddd x 10^exponent
};

// The magnitude rounded to 15 significant digits (round-half-even on the exact binary value).
Decimal toDecimal(double magnitude)
{
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific, SignificantDigits - 1);
    const std::string_view text(buffer, result.ptr);
    const size_t e = text.find('e');
    Decimal decimal{QString::fromLatin1(buffer, qsizetype(e)).remove(u'.'), 0};
    while (decimal.digits.size() > 1 && decimal.digits.endsWith(u'0'))
        decimal.digits.chop(1);
    // from_chars takes a minus sign but no plus sign.
    const size_t exponent = text[e + 1] == '+' ? e + 2 : e + 1;
    std::from_chars(buffer + exponent, result.ptr, decimal.exponent);
    return decimal;
}

QString exponentForm(const Decimal &decimal, QChar separator)
{
    QString text = decimal.digits.left(1);
    if (decimal.digits.size() > 1)
        text += separator + decimal.digits.mid(1);
    return text + u'E' + QString::number(decimal.exponent);
}

QString fixedForm(const Decimal &decimal, QChar separator)
{
    if (decimal.exponent < 0)
        return QStringLiteral("0") + separator + QString(-decimal.exponent - 1, u'0') + decimal.digits;
    const int integerDigits = decimal.exponent + 1;
    if (decimal.digits.size() <= integerDigits)
        return decimal.digits + QString(integerDigits - decimal.digits.size(), u'0');
    return decimal.digits.left(integerDigits) + separator + decimal.digits.mid(integerDigits);
}

} // namespace

QString format(double value, QChar decimalSeparator)
{
    if (std::isnan(value))
        return QStringLiteral("NAN");
    const QString sign = std::signbit(value) && value != 0 ? QStringLiteral("-") : QString();
    if (std::isinf(value))
        return sign + QStringLiteral("INF");
    if (value == 0)
        return QStringLiteral("0");
    const Decimal decimal = toDecimal(std::fabs(value));
    const bool exponent = decimal.exponent >= SignificantDigits || decimal.exponent < SmallestFixedExponent;
    return sign + (exponent ? exponentForm(decimal, decimalSeparator) : fixedForm(decimal, decimalSeparator));
}

} // namespace GeneralFloatFormat

#include "AmountText.h"
#include "Error.h"
#include "ExtendedDecimal.h"

#include <cmath>
#include <string>

namespace {

constexpr int MaxDecimals = 14;
constexpr int MaxSignificantDigits = 18;
constexpr int ExponentFormDigits = 15;
constexpr long double ExponentFormFrom = 1e18L;
constexpr int ExponentReadLimit = 500;

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Appends the run of ASCII digits at text[pos] to digits and moves pos behind it.
void readDigits(const QString &text, qsizetype &pos, std::string &digits)
{
    for (; pos < text.size() && isDigit(text[pos]); ++pos)
        digits += static_cast<char>(text[pos].unicode());
}

void skipSpaces(const QString &text, qsizetype &pos)
{
    while (pos < text.size() && text[pos] == u' ')
        ++pos;
}

// Rounds the decimal digit string half away from zero at its end, given the first digit cut
// off. Returns true when the carry ran out of the front (all nines became 1 and zeros).
bool roundUpOnFive(std::string &digits, char firstCut)
{
    if (firstCut < '5')
        return false;
    for (auto digit = digits.rbegin(); digit != digits.rend(); ++digit) {
        if (*digit != '9') {
            ++*digit;
            return false;
        }
        *digit = '0';
    }
    digits.insert(digits.begin(), '1');
    return true;
}

void dropTrailingZeros(std::string &digits)
{
    const std::size_t last = digits.find_last_not_of('0');
    digits.erase(last == std::string::npos ? 0 : last + 1);
}

QString latin(const std::string &digits)
{
    return QString::fromLatin1(digits.data(), static_cast<qsizetype>(digits.size()));
}

// integerDigits: the exact integer part of a magnitude of at least 10^17, no leading zeros.
QString exponentForm(bool negative, std::string integerDigits, const RegionalSettings &settings)
{
    int exponent = static_cast<int>(integerDigits.size()) - 1;
    const char firstCut = integerDigits[ExponentFormDigits];
    integerDigits.resize(ExponentFormDigits);
    if (roundUpOnFive(integerDigits, firstCut)) {
        integerDigits.pop_back();
        ++exponent;
    }
    dropTrailingZeros(integerDigits);
    QString text = negative ? QStringLiteral("-") : QString();
    text += QChar(integerDigits[0]);
    if (integerDigits.size() > 1)
        text += settings.decimalSeparator + latin(integerDigits.substr(1));
    return text + u'E' + QString::number(exponent);
}

} // namespace

QString normalizedAmountText(const QString &text, const RegionalSettings &settings)
{
    QString result = text;
    result.remove(settings.thousandSeparator);
    if (result.isEmpty())
        return QStringLiteral("0");
    if (result == u"-")
        return QStringLiteral("-0");
    return result;
}

long double parseAmount(const QString &text, const RegionalSettings &settings)
{
    const QString s = normalizedAmountText(text, settings);
    const auto invalid = [&] { return Error::invalidFloat(s); };

    qsizetype pos = 0;
    skipSpaces(s, pos);
    bool negative = false;
    if (pos < s.size() && (s[pos] == u'+' || s[pos] == u'-'))
        negative = s[pos++] == u'-';
    std::string digits;
    readDigits(s, pos, digits);
    const std::size_t integerDigits = digits.size();
    bool separator = false;
    if (pos < s.size() && s[pos] == settings.decimalSeparator) {
        separator = true;
        readDigits(s, ++pos, digits);
    }
    if (digits.empty() && !separator)
        throw invalid();
    long long exponent = 0;
    if (pos < s.size() && (s[pos] == u'E' || s[pos] == u'e')) {
        ++pos;
        bool negativeExponent = false;
        if (pos < s.size() && (s[pos] == u'+' || s[pos] == u'-'))
            negativeExponent = s[pos++] == u'-';
        for (; pos < s.size() && isDigit(s[pos]); ++pos) {
            if (exponent >= ExponentReadLimit)
                throw invalid();
            exponent = exponent * 10 + (s[pos].unicode() - u'0');
        }
        if (negativeExponent)
            exponent = -exponent;
    }
    skipSpaces(s, pos);
    if (pos != s.size())
        throw invalid();

    const auto fractionDigits = static_cast<long long>(digits.size() - integerDigits);
    const auto magnitude = ExtendedDecimal::fromDecimal(digits, exponent - fractionDigits);
    if (!magnitude)
        throw invalid();
    return negative ? -*magnitude : *magnitude;
}

QString formatAmount(long double value, const RegionalSettings &settings)
{
    if (std::isnan(value))
        return QStringLiteral("NAN");
    const bool negative = std::signbit(value);
    if (std::isinf(value))
        return negative ? QStringLiteral("-INF") : QStringLiteral("INF");
    const long double magnitude = std::fabs(value);
    if (magnitude >= ExponentFormFrom)
        return exponentForm(negative, ExtendedDecimal::toDecimal(magnitude, 0).integer, settings);

    // The integer part has at most 18 digits; it leaves room for 18 - its length decimals.
    const ExtendedDecimal::Digits exact = ExtendedDecimal::toDecimal(magnitude, MaxDecimals + 1);
    const int integerSignificant = exact.integer == "0" ? 0 : static_cast<int>(exact.integer.size());
    const int decimals = std::min(MaxDecimals, MaxSignificantDigits - integerSignificant);
    std::string digits = exact.integer + exact.fraction.substr(0, static_cast<std::size_t>(decimals));
    roundUpOnFive(digits, exact.fraction[static_cast<std::size_t>(decimals)]);

    std::string integer = digits.substr(0, digits.size() - static_cast<std::size_t>(decimals));
    if (integer.size() > static_cast<std::size_t>(MaxSignificantDigits)) // 999…9,5 carried to 10^18
        return exponentForm(negative, exact.integer, settings);
    std::string fraction = digits.substr(integer.size());
    dropTrailingZeros(fraction);

    const bool zero = integer == "0" && fraction.empty();
    QString text = negative && !zero ? QStringLiteral("-") : QString();
    text += latin(integer);
    if (!fraction.empty())
        text += settings.decimalSeparator + latin(fraction);
    return text;
}

#include "AmountText.h"
#include "Error.h"

#include <algorithm>
#include <bit>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <iterator>
#include <string>

namespace {

constexpr int MaxDecimals = 14;
constexpr int MaxSignificantDigits = 18;
constexpr int ExponentFormDigits = 15;
constexpr long double ExponentFormFrom = 1e18L;
constexpr int ExponentReadLimit = 500;
// Smaller magnitudes, zero among them, have only zeros in their first 15 decimals and show as 0.
constexpr long double ShownAsZeroBelow = 1e-15L;

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

// The shown number: its sign, its integer digits and, when it has decimals, the separator and them.
QString shown(bool negative, const std::string &integer, const std::string &fraction, const RegionalSettings &settings)
{
    QString text = (negative ? QStringLiteral("-") : QString()) + QString::fromStdString(integer);
    return fraction.empty() ? text : text + settings.decimalSeparator + QString::fromStdString(fraction);
}

// The exact decimal expansion of a positive finite value, "integer.fraction" ("0" in front of
// the point below 1), with at least the decimals the display form looks at. Each binary place of
// the 64-bit mantissa up to its last one bit takes one decimal place; the library prints that
// many without rounding anything away. The integer part has a digit per three bits, and one more.
std::string exactExpansion(long double magnitude)
{
    int exponent = 0;
    const auto mantissa = static_cast<std::uint64_t>(std::ldexp(std::frexp(magnitude, &exponent), 64));
    const int places = std::max(MaxDecimals + 1, 64 - exponent - std::countr_zero(mantissa));
    std::string text(static_cast<std::size_t>(std::max(exponent, 0) / 3 + 2 + places), '0');
    text.resize(std::to_chars(text.data(), text.data() + text.size(), magnitude, std::chars_format::fixed, places).ptr -
                text.data());
    return text;
}

// digits x 10^scale, a value below the smallest normal one, rounded to the subnormal grid, where
// the library does not round. Adding LDBL_MIN moves it into the lowest normal binade, whose
// spacing is the subnormal one, so the library's rounding of the sum less LDBL_MIN (an exact
// subtraction) is the rounding of the value itself, ties to even as well.
long double belowNormalRange(const std::string &digits, long long scale)
{
    static const std::string smallestNormal = exactExpansion(LDBL_MIN); // "0.000…"
    std::string sum = smallestNormal;
    sum.resize(std::max(sum.size(), static_cast<std::size_t>(2 - scale)), '0');
    // sum[i] is the (i - 1)th decimal; the value has digits[i + offset] there, zero outside them.
    const long long offset = static_cast<long long>(digits.size()) + scale - 2;
    int carry = 0;
    for (auto i = static_cast<long long>(sum.size()) - 1; i >= 2; --i) {
        const long long k = i + offset;
        const int digit = (sum[i] - '0') + (k >= 0 && k < std::ssize(digits) ? digits[k] - '0' : 0) + carry;
        carry = digit / 10;
        sum[i] = static_cast<char>('0' + digit % 10);
    }
    long double shifted = 0;
    std::from_chars(sum.data(), sum.data() + sum.size(), shifted);
    return shifted - LDBL_MIN;
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
    return shown(negative, integerDigits.substr(0, 1), integerDigits.substr(1), settings) + u'E' +
           QString::number(exponent);
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

    const std::size_t first = digits.find_first_not_of('0');
    if (first == std::string::npos)
        return negative ? -0.0L : 0.0L;
    // The value is digits x 10^scale, below 10^leading.
    const long long scale = exponent - static_cast<long long>(digits.size() - integerDigits);
    const long long leading = scale + static_cast<long long>(digits.size() - first);
    char exponentText[24];
    const std::string number =
        digits + 'e' + std::string(exponentText, std::to_chars(exponentText, std::end(exponentText), scale).ptr);
    long double magnitude = 0;
    if (std::from_chars(number.data(), number.data() + number.size(), magnitude).ec != std::errc()) {
        if (leading > 0)
            throw invalid(); // beyond the extended range
        magnitude = belowNormalRange(digits, scale);
    }
    return negative ? -magnitude : magnitude;
}

QString formatAmount(long double value, const RegionalSettings &settings)
{
    if (std::isnan(value))
        return QStringLiteral("NAN");
    const bool negative = std::signbit(value);
    if (std::isinf(value))
        return negative ? QStringLiteral("-INF") : QStringLiteral("INF");
    const long double magnitude = std::fabs(value);
    if (magnitude < ShownAsZeroBelow)
        return QStringLiteral("0");
    const std::string exact = exactExpansion(magnitude);
    const std::size_t point = exact.find('.');
    const std::string integerPart = exact.substr(0, point);
    if (magnitude >= ExponentFormFrom)
        return exponentForm(negative, integerPart, settings);

    // The integer part has at most 18 digits; it leaves room for 18 - its length decimals.
    const std::string exactFraction = exact.substr(point + 1);
    const int integerSignificant = integerPart == "0" ? 0 : static_cast<int>(integerPart.size());
    const int decimals = std::min(MaxDecimals, MaxSignificantDigits - integerSignificant);
    std::string digits = integerPart + exactFraction.substr(0, static_cast<std::size_t>(decimals));
    roundUpOnFive(digits, exactFraction[static_cast<std::size_t>(decimals)]);

    std::string integer = digits.substr(0, digits.size() - static_cast<std::size_t>(decimals));
    if (integer.size() > static_cast<std::size_t>(MaxSignificantDigits)) // 999…9,5 carried to 10^18
        return exponentForm(negative, integerPart, settings);
    std::string fraction = digits.substr(integer.size());
    dropTrailingZeros(fraction);

    const bool zero = integer == "0" && fraction.empty();
    return shown(negative && !zero, integer, fraction, settings);
}

#include "ExactTotals.h"

#include <QRegularExpression>
#include <algorithm>
#include <string>
#include <vector>

namespace {

// Sums at or beyond 10^4932 leave the 80-bit range (its largest value is about 1.19 * 10^4932).
constexpr int RangeExponent = 4932;

// A decimal number: its sign, its digits most significant first without leading zeros (none
// for zero), and the power of ten of its last digit.
struct Number
{
    bool negative = false;
    std::string digits;
    int exponent = 0;
};

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// Reads an amount text as the field's rules say: thousand separators dropped; an empty text,
// or "-" alone, is zero; blanks around, an optional sign, digits with an optional decimal
// separator (at least one of the two), an optional "E" or "e" with an optional sign and
// digits, which stop being read once the exponent has reached 500.
std::optional<Number> readAmount(QString text, QChar decimalSeparator, QChar thousandSeparator)
{
    text.remove(thousandSeparator);
    if (text.isEmpty() || text == QLatin1String("-"))
        return Number{};
    qsizetype at = 0;
    const auto next = [&] { return at < text.size() ? text[at] : QChar(); };
    const auto skipBlanks = [&] {
        while (next() == QLatin1Char(' '))
            ++at;
    };
    skipBlanks();
    Number number;
    if (next() == QLatin1Char('+') || next() == QLatin1Char('-'))
        number.negative = text[at++] == QLatin1Char('-');
    std::string digits;
    int decimals = 0;
    const auto readDigits = [&](int *counted) {
        for (; isDigit(next()); ++at) {
            digits += char(text[at].unicode());
            if (counted)
                ++*counted;
        }
    };
    readDigits(nullptr);
    const bool separator = next() == decimalSeparator;
    if (separator) {
        ++at;
        readDigits(&decimals);
    }
    if (digits.empty() && !separator)
        return std::nullopt;
    int exponent = 0;
    if (next() == QLatin1Char('E') || next() == QLatin1Char('e')) {
        ++at;
        bool negativeExponent = false;
        if (next() == QLatin1Char('+') || next() == QLatin1Char('-'))
            negativeExponent = text[at++] == QLatin1Char('-');
        for (; isDigit(next()); ++at) {
            if (exponent >= 500)
                return std::nullopt;
            exponent = exponent * 10 + (text[at].unicode() - '0');
        }
        exponent = negativeExponent ? -exponent : exponent;
    }
    skipBlanks();
    if (at != text.size())
        return std::nullopt;
    number.digits = digits.substr(std::min(digits.find_first_not_of('0'), digits.size()));
    number.exponent = exponent - decimals;
    return number;
}

// An exact sum: its sign and its digits, least significant first and without leading zeros,
// counted from the power of ten the sum was formed at.
struct Sum
{
    bool negative = false;
    std::vector<int> digits;

    // The power of ten of the first digit; nothing for zero.
    std::optional<int> leading(int base) const
    {
        return digits.empty() ? std::nullopt : std::optional(base + int(digits.size()) - 1);
    }
};

// Adds the numbers digit by digit at the power of ten base, no larger than any of their
// exponents. The columns are summed with their signs first and the carries run afterwards; a
// negative sum ends with a negative carry and is carried again with every column negated.
Sum exactSum(const std::vector<Number> &numbers, int base)
{
    std::vector<long long> columns;
    for (const Number &number : numbers) {
        const size_t shift = size_t(number.exponent - base);
        columns.resize(std::max(columns.size(), shift + number.digits.size()));
        for (size_t i = 0; i < number.digits.size(); ++i)
            columns[shift + i] += (number.negative ? -1 : 1) * (number.digits[number.digits.size() - 1 - i] - '0');
    }
    for (const bool negative : {false, true}) {
        Sum sum{negative, {}};
        long long carry = 0;
        for (const long long column : columns) {
            const long long value = (negative ? -column : column) + carry;
            const long long digit = (value % 10 + 10) % 10;
            sum.digits.push_back(int(digit));
            carry = (value - digit) / 10;
        }
        for (; carry > 0; carry /= 10)
            sum.digits.push_back(int(carry % 10));
        if (carry == 0) {
            while (!sum.digits.empty() && sum.digits.back() == 0)
                sum.digits.pop_back();
            return sum;
        }
    }
    return {}; // unreachable: one of the two signs carries out to nothing
}

QString written(const Sum &sum, int base)
{
    QString text = sum.negative ? QStringLiteral("-") : QString();
    for (auto digit = sum.digits.rbegin(); digit != sum.digits.rend(); ++digit)
        text += QChar(u'0' + *digit);
    return (text.isEmpty() || text == QLatin1String("-") ? QStringLiteral("0") : text) +
           QStringLiteral("E%1").arg(base);
}

// Why the text is not a display form, or nothing when it is.
std::optional<QString> displayFormFault(const QString &total, QChar decimalSeparator)
{
    // Built once for the separator of the checks (a run keeps its settings).
    static QChar builtFor;
    static QRegularExpression fixed, scientific;
    if (builtFor != decimalSeparator) {
        const QString separator = QRegularExpression::escape(QString(decimalSeparator));
        fixed.setPattern(QStringLiteral("^-?(0|[1-9]\\d*)(?:%1(\\d*[1-9]))?$").arg(separator));
        scientific.setPattern(QStringLiteral("^-?[1-9](?:%1(\\d*[1-9]))?E([1-9]\\d*)$").arg(separator));
        builtFor = decimalSeparator;
    }
    if (const QRegularExpressionMatch match = fixed.match(total); match.hasMatch()) {
        const QString digits = match.captured(1) + match.captured(2);
        qsizetype zeros = 0;
        while (zeros < digits.size() && digits[zeros] == u'0')
            ++zeros;
        if (match.captured(1).size() > 18 || match.captured(2).size() > 14 || digits.size() - zeros > 18)
            return QStringLiteral("more digits than the display form has");
        if (total == QLatin1String("-0"))
            return QStringLiteral("a negative zero");
        return std::nullopt;
    }
    if (const QRegularExpressionMatch match = scientific.match(total); match.hasMatch()) {
        if (1 + match.captured(1).size() > 15 || match.captured(2).toInt() < 18)
            return QStringLiteral("an exponent form below 10^18 or with more than 15 digits");
        return std::nullopt;
    }
    return QStringLiteral("not a display form");
}

} // namespace

std::optional<QString> totalMismatch(const QStringList &inputs, const QString &total, QChar decimalSeparator,
                                     QChar thousandSeparator)
{
    std::vector<Number> numbers;
    for (const QString &input : inputs) {
        const std::optional<Number> number = readAmount(input, decimalSeparator, thousandSeparator);
        if (!number)
            return std::nullopt;
        numbers.push_back(*number);
    }
    if (const std::optional<QString> fault = displayFormFault(total, decimalSeparator))
        return QStringLiteral("the total %1 of the inputs %2 is %3").arg(total, inputs.join(u'|'), *fault);
    const Number shown = *readAmount(total, decimalSeparator, QChar());

    int base = 0;
    for (const Number &number : numbers)
        base = std::min(base, number.exponent);
    base = std::min(base, shown.exponent);
    // The program adds left to right; a running sum out of range makes the total unreadable.
    for (size_t count = 1; count <= numbers.size(); ++count) {
        const std::vector<Number> running(numbers.begin(), numbers.begin() + qsizetype(count));
        const Number &added = numbers[count - 1];
        if ((!added.digits.empty() && added.exponent + int(added.digits.size()) - 1 >= RangeExponent) ||
            exactSum(running, base).leading(base).value_or(0) >= RangeExponent)
            return std::nullopt;
    }

    std::vector<Number> magnitudes = numbers;
    for (Number &number : magnitudes)
        number.negative = false;
    const std::optional<int> size = exactSum(magnitudes, base).leading(base);
    const bool exponentForm = total.contains(QLatin1Char('E'));
    const int allowed = !size ? -14 : exponentForm ? *size - 14 : std::max(*size - 16, -14);

    std::vector<Number> difference = numbers;
    for (Number &number : difference)
        number.negative = !number.negative;
    difference.push_back(shown);
    const std::optional<int> off = exactSum(difference, base).leading(base);
    if (!off || *off < allowed)
        return std::nullopt;
    return QStringLiteral("the total %1 is not the sum of the inputs %2, exactly %3, to within 10^%4")
        .arg(total, inputs.join(u'|'), written(exactSum(numbers, base), base))
        .arg(allowed);
}

// Amount texts: the bytes are a field text in Windows-1250, parsed, normalised and formatted
// under Hungarian and English settings. Only Error may be thrown, and only the conversion error
// naming the normalised text; a parsed value agrees with the C++ library's correctly rounded
// conversion; its display form has the documented shape and reads back to itself.
#include "AmountText.h"
#include "Error.h"
#include "FuzzCheck.h"
#include "RegionalSettings.h"
#include "Windows1250.h"

#include <QRegularExpression>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <optional>
#include <string>

namespace {

std::optional<long double> tryParse(const QString &text, const RegionalSettings &settings)
{
    try {
        return parseAmount(text, settings);
    } catch (const Error &error) {
        FUZZ_CHECK(error.message() == Error::invalidFloat(normalizedAmountText(text, settings)).message(), text);
        return std::nullopt;
    }
}

// A text that parsed, rewritten in the C++ library's syntax: no blanks or "+" sign, "." as the
// decimal point, a digit on both sides of it and at least one exponent digit.
std::string librarySyntax(const QString &normalized, const RegionalSettings &settings)
{
    std::string out;
    const QString trimmed = normalized.trimmed();
    for (qsizetype i = 0; i < trimmed.size(); ++i) {
        const QChar c = trimmed[i];
        const bool digitBefore = i > 0 && trimmed[i - 1].isDigit();
        const bool digitAfter = i + 1 < trimmed.size() && trimmed[i + 1].isDigit();
        if (c == u'+') {
            continue;
        } else if (c == settings.decimalSeparator) {
            out += digitBefore ? "." : "0.";
            if (!digitAfter)
                out += '0';
        } else {
            out += static_cast<char>(c.unicode());
        }
    }
    if (out.back() == 'E' || out.back() == 'e' || out.back() == '-')
        out += '0';
    return out;
}

void checkAgainstLibrary(long double value, const QString &normalized, const RegionalSettings &settings)
{
    const std::string text = librarySyntax(normalized, settings);
    long double expected = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), expected);
    FUZZ_CHECK(end == text.data() + text.size(), normalized);
    if (error == std::errc::result_out_of_range) {
        // Only an underflow: an overflow must have been refused by the parse.
        FUZZ_CHECK(std::fabs(value) < std::numeric_limits<long double>::min(), normalized);
        return;
    }
    FUZZ_CHECK(error == std::errc(), normalized);
    FUZZ_CHECK(std::memcmp(&value, &expected, 10) == 0, normalized);
}

// "-"? digits with no leading zero, then the separator and decimals without a trailing zero;
// or, from 10^18, a mantissa of at most 15 significant digits and "E" with the exponent.
bool isDisplayForm(const QString &text, const RegionalSettings &settings)
{
    const QString separator = QRegularExpression::escape(settings.decimalSeparator);
    const QRegularExpression plain(QStringLiteral("^-?(0|[1-9][0-9]*)(%1[0-9]*[1-9])?$").arg(separator));
    const QRegularExpression exponent(QStringLiteral("^-?[1-9](%1[0-9]*[1-9])?E([0-9]+)$").arg(separator));
    if (const QRegularExpressionMatch match = plain.match(text); match.hasMatch()) {
        QString digits = text;
        digits.remove(u'-').remove(settings.decimalSeparator);
        while (digits.startsWith(u'0'))
            digits.remove(0, 1);
        return text != u"-0" && match.captured(1).size() <= 18 && match.captured(2).size() <= 15 && digits.size() <= 18;
    }
    if (const QRegularExpressionMatch match = exponent.match(text); match.hasMatch())
        return match.captured(1).size() <= 15 && match.captured(2).toInt() >= 18;
    return false;
}

void checkDisplayForm(long double value, const RegionalSettings &settings)
{
    const QString display = formatAmount(value, settings);
    FUZZ_CHECK(isDisplayForm(display, settings), display);
    FUZZ_CHECK(display.startsWith(u'-') == (value < 0 && display != formatAmount(0, settings)), display);
    const std::optional<long double> reread = tryParse(display, settings);
    FUZZ_CHECK(reread.has_value(), display);
    FUZZ_CHECK(formatAmount(*reread, settings) == display, display);
    // At most 14 decimals below 10^18 and 15 significant digits above: the display form is off
    // by less than 10^-14 of the magnitude, or 10^-14 absolutely below 1.
    FUZZ_CHECK(std::fabs(*reread - value) <= std::max(std::fabs(value), 1.0L) * 1e-14L, display);
}

void checkText(const QString &text, const RegionalSettings &settings)
{
    const QString normalized = normalizedAmountText(text, settings);
    FUZZ_CHECK(normalizedAmountText(normalized, settings) == normalized, text);
    const std::optional<long double> value = tryParse(text, settings);
    if (!value)
        return;
    FUZZ_CHECK(std::isfinite(*value), text);
    checkAgainstLibrary(*value, normalized, settings);
    checkDisplayForm(*value, settings);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString text =
        Windows1250::decode(QByteArray(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size)));
    checkText(text, RegionalSettings::hungarian());
    checkText(text, RegionalSettings::english());
    return 0;
}

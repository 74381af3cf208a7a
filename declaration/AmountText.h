#pragma once
#include "RegionalSettings.h"

#include <QString>

// The text form of an amount: what the amount field shows and what it means as an 80-bit
// value. Separators come from the settings passed in, which callers read at each use.

// The digits an amount text holds: ASCII only, never another script's.
inline bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// The text as the parser sees it: every thousand separator removed, an empty text read as "0"
// and a lone "-" as "-0". Copy puts this on the clipboard and the conversion error names it.
QString normalizedAmountText(const QString &text, const RegionalSettings &settings);

// Reads an amount text: spaces, an optional sign, digits with an optional decimal separator
// (a lone separator is zero), an optional exponent after "E" or "e", spaces. The exponent is read
// until it reaches 500; a further digit makes the text invalid. The result is the written
// decimal number rounded correctly to the extended format.
// Throws Error::invalidFloat(normalized text) for any other shape and for overflow.
long double parseAmount(const QString &text, const RegionalSettings &settings);

// The display form: at most 14 decimals and 18 significant digits of the exact value, rounded
// half away from zero, trailing zeros dropped, no grouping, no "-" on a value shown as 0.
// From 10^18 in magnitude: at most 15 significant digits and the exponent ("1E20", "1,6E18").
// Only an overflowing sum produces the non-finite values; they show as "INF", "-INF", "NAN".
QString formatAmount(long double value, const RegionalSettings &settings);

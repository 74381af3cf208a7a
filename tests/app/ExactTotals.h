#pragma once
#include <QChar>
#include <QString>
#include <QStringList>
#include <optional>

// The check of a group total, written apart from the program's amount parser, arithmetic and
// display form, so that it catches their faults instead of repeating them: the eight input
// texts are read with a parser of its own and added exactly in decimal.
//
// Returns why the total shown is not the sum of the inputs, or nothing when it is. The total
// must have the display form (no grouping, at most 14 decimals and 18 significant digits; from
// 10^18 an exponent form of at most 15 significant digits) and, as a number, lie within what
// that rounding and the arithmetic's 64-bit mantissa allow of the exact sum: below 10^(E - 16),
// at least 10^-14, where 10^E is the size of the sum of the inputs' magnitudes, and below
// 10^(E - 14) in the exponent form. Nothing is checked when an input does not read as an
// amount or a running sum leaves the arithmetic's range, since the program then leaves the
// total as it was.
std::optional<QString> totalMismatch(const QStringList &inputs, const QString &total, QChar decimalSeparator,
                                     QChar thousandSeparator);

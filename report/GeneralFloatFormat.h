#pragma once
#include <QChar>
#include <QString>

// Floating print values in the general number format: rounded to 15 significant digits, the
// shortest form without trailing zeros, no digit grouping. Numbers whose integer part has more
// than 15 digits and non-zero magnitudes below 0.00001 take the exponent form ("1E15", "1,5E20",
// "1E-6").
namespace GeneralFloatFormat {

QString format(double value, QChar decimalSeparator);

} // namespace GeneralFloatFormat

#pragma once
#include <QString>

// The check-digit rules of the TAJ number and the tax number, for hints that refuse nothing: the
// Hungarian sentence to show for a text of digits, blanks and hyphens that is no right number, and
// an empty one for a right number, an empty text and any text with something else in it.
namespace CheckDigits {

// 9 digits, the last a check digit.
QString tajHint(const QString &text);

// A person's tax identification number (10 digits beginning with 8, the last a check digit, which
// a remainder of 10 never gives) or an enterprise's tax number (xxxxxxxx-y-zz, the 8th digit one).
QString taxNumberHint(const QString &text);

} // namespace CheckDigits

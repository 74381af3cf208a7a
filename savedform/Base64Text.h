#pragma once
#include <QByteArray>

// Base64 of the saved-form file (RFC 4648 alphabet, "=" padding, no line breaks) with the
// decoder's long-standing leniency, which files written elsewhere may rely on.
namespace Base64Text {

QByteArray encode(const QByteArray &bytes);

// Decodes groups of four characters from the start. Every character must lie between "+" and
// "z", else Error::invalidBase64; one of that range outside the alphabet ("=" included) counts
// as 127. An "=" third or fourth in a group drops the group's later bytes but does not end the
// text. An incomplete last group is damage and fails like a character outside the range.
QByteArray decode(const QByteArray &text);

} // namespace Base64Text

#pragma once
#include <QString>
#include <vector>

// Code 39: every character is five bars and four spaces, three of the nine wide; the text is
// framed by the start/stop character "*", and characters are separated by one narrow space.
namespace Code39 {

// The nine elements of a character, bar first, true for wide; empty for a character the symbology lacks.
std::vector<bool> pattern(QChar character);

struct Bar
{
    double left;  // from the symbol's left edge, in narrow widths
    double width; // in narrow widths
};

// The bars of the symbol for text with its start and stop characters. Lower-case letters encode
// as upper case; characters outside the symbology are left out.
std::vector<Bar> bars(const QString &text, double wideRatio);

} // namespace Code39

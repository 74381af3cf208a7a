#pragma once
#include <QString>

// What the print-out reads from the declaration window, addressed like the field catalogue:
// fields by catalogue index, household cells column first with the headers at 0.
class DeclarationReader
{
public:
    virtual ~DeclarationReader() = default;

    // The text of a text or amount field, as shown.
    virtual QString text(int index) const = 0;
    virtual QString cell(int column, int row) const = 0;
    // The Value of an amount field, parsed afresh; throws the conversion error when the text does not parse.
    virtual long double value(int index) const = 0;
};

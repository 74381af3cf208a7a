#pragma once
#include <QString>

// The declaration's data, whoever holds it: the window's fields (DeclarationForm) or plain memory
// (InMemoryDeclaration, for tests and fuzzers). The saved form and the print-out read and write
// only through it. Fields are addressed by catalogue index; household cells column first, the
// headers at 0, within FieldCatalogue::TableColumns x TableRows.
//
// The rule of the group totals lives here and only here: writing a different text into an input
// of an income group recomputes that group's total.
class DeclarationData
{
public:
    virtual ~DeclarationData() = default;

    // The text of a text or amount field, as shown; empty for the table.
    virtual QString text(int index) const = 0;
    // The amount of an amount field: its text parsed afresh, throwing the conversion error when
    // it does not parse.
    long double value(int index) const;
    // Writes a text or amount field's text, cut at FieldCatalogue::FieldCapacity characters like
    // a cell's; the table's index takes none. When a group input's text changes, its group's total
    // is recomputed, and a conversion error there is thrown to the caller, the new text staying (a
    // load stops at the line whose amount does not parse).
    void setText(int index, const QString &text);

    // Column first, headers at 0: row 0 reads the column headers, column 0 the row numbers.
    // Writing a header cell or a cell outside the table does nothing.
    virtual QString cell(int column, int row) const = 0;
    virtual void setCell(int column, int row, const QString &text) = 0;

    // The income group (1-11) that the field is an input of; 0 for its total and every other field.
    static int inputGroup(int index);

protected:
    // Writes the text of a text or amount field, and nothing follows from it here.
    virtual void storeText(int index, const QString &text) = 0;
    // Writes the sum of the group's inputs into its total, in the amount fields' display form.
    // The first input that does not parse stops it with its conversion error, leaving the total
    // as it was.
    void recomputeGroupTotal(int group);
};

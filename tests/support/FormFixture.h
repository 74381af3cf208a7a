#pragma once
#include "DeclarationForm.h"
#include "FieldCatalogue.h"
#include "TStringGrid.h"

#include <QStringList>
#include <QWidget>

// The declaration's fields on three plain section panels of one window, as the main window
// builds them.
struct FormFixture
{
    QWidget window;
    QWidget *panel2 = new QWidget(&window);
    QWidget *panel3 = new QWidget(&window);
    QWidget *panel4 = new QWidget(&window);
    DeclarationForm form{panel2, panel3, panel4};
};

// Every field's text in component order, then the table's data cells column by column.
inline QStringList snapshot(const DeclarationForm &form)
{
    QStringList values;
    for (int i = 0; i < int(FieldCatalogue::fields().size()); ++i)
        values << form.text(i);
    for (int c = 1; c < TStringGrid::ColCount; ++c) {
        for (int r = 1; r < TStringGrid::RowCount; ++r)
            values << form.cell(c, r);
    }
    return values;
}

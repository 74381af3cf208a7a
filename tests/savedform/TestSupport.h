#pragma once
#include "DeclarationForm.h"
#include "Error.h"
#include "FieldCatalogue.h"
#include "TStringGrid.h"

#include <QStringList>
#include <QWidget>
#include <functional>

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

// The message of the error the action raises; empty when it raises none.
inline QString errorOf(const std::function<void()> &action)
{
    try {
        action();
    } catch (const Error &error) {
        return error.message();
    }
    return QString();
}

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

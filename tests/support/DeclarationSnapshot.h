#pragma once
#include "DeclarationData.h"
#include "FieldCatalogue.h"

#include <QStringList>

// Every field's text in component order, then the table's data cells column by column.
inline QStringList snapshot(const DeclarationData &declaration)
{
    QStringList values;
    values.reserve(qsizetype(FieldCatalogue::fields().size()) + (FieldCatalogue::TableColumns - 1) * (FieldCatalogue::TableRows - 1));
    for (int i = 0; i < int(FieldCatalogue::fields().size()); ++i)
        values << declaration.text(i);
    for (int c = 1; c < FieldCatalogue::TableColumns; ++c) {
        for (int r = 1; r < FieldCatalogue::TableRows; ++r)
            values << declaration.cell(c, r);
    }
    return values;
}

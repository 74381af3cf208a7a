#include "InMemoryDeclaration.h"
#include "AmountText.h"
#include "RegionalSettings.h"

namespace {

bool isDataCell(int column, int row)
{
    return column >= 1 && column < FieldCatalogue::TableColumns && row >= 1 && row < FieldCatalogue::TableRows;
}

} // namespace

InMemoryDeclaration::InMemoryDeclaration() : m_texts(FieldCatalogue::fields().size())
{
    // An amount field shows the display form of 0 from the start.
    const QString zero = formatAmount(0.0L, RegionalSettings::current());
    const auto &fields = FieldCatalogue::fields();
    for (size_t i = 0; i < fields.size(); ++i) {
        if (fields[i].kind == FieldKind::Amount)
            m_texts[i] = zero;
    }
}

QString InMemoryDeclaration::text(int index) const
{
    return m_texts[index];
}

void InMemoryDeclaration::storeText(int index, const QString &text)
{
    if (FieldCatalogue::fields()[index].kind != FieldKind::Table)
        m_texts[index] = text;
}

QString InMemoryDeclaration::cell(int column, int row) const
{
    if (isDataCell(column, row))
        return m_cells[(column - 1) * DataRows + (row - 1)];
    return FieldCatalogue::tableHeader(column, row);
}

void InMemoryDeclaration::setCell(int column, int row, const QString &text)
{
    if (isDataCell(column, row))
        m_cells[(column - 1) * DataRows + (row - 1)] = text;
}

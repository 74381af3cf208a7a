#include "InMemoryDeclaration.h"
#include "AmountText.h"
#include "RegionalSettings.h"

#include <algorithm>

InMemoryDeclaration::InMemoryDeclaration() : m_texts(FieldCatalogue::fields().size())
{
    const QString zero = formatAmount(0.0L, RegionalSettings::current());
    std::ranges::transform(FieldCatalogue::fields(), m_texts.begin(),
                           [&](const FieldSpec &field) { return field.kind == FieldKind::Amount ? zero : QString(); });
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
    if (FieldCatalogue::isDataCell(column, row))
        return m_cells[(column - 1) * DataRows + (row - 1)];
    return FieldCatalogue::tableHeader(column, row);
}

void InMemoryDeclaration::setCell(int column, int row, const QString &text)
{
    if (FieldCatalogue::isDataCell(column, row))
        m_cells[(column - 1) * DataRows + (row - 1)] = text.left(FieldCatalogue::FieldCapacity);
}

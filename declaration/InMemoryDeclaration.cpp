#include "InMemoryDeclaration.h"

namespace {

bool isDataCell(int column, int row)
{
    return column >= 1 && column < FieldCatalogue::TableColumns && row >= 1 && row < FieldCatalogue::TableRows;
}

} // namespace

InMemoryDeclaration::InMemoryDeclaration() : m_texts(FieldCatalogue::fields().size())
{
    for (size_t i = 0; i < m_texts.size(); ++i)
        m_texts[i] = startingText(int(i));
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
        m_cells[(column - 1) * DataRows + (row - 1)] = text.left(FieldCatalogue::FieldCapacity);
}

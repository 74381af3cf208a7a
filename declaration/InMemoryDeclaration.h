#pragma once
#include "DeclarationData.h"
#include "FieldCatalogue.h"

#include <array>
#include <vector>

// The declaration held in plain memory, with no widget and no application object: what the
// tests and the fuzz targets fill, save, load and print. It starts as a new window does (every
// text field and data cell empty, every amount field "0"), and a fresh one is the way back there.
class InMemoryDeclaration final : public DeclarationData
{
public:
    InMemoryDeclaration();

    QString text(int index) const override;
    QString cell(int column, int row) const override;
    void setCell(int column, int row, const QString &text) override;

    // Every field's text and every cell the same.
    bool operator==(const InMemoryDeclaration &other) const
    {
        return m_texts == other.m_texts && m_cells == other.m_cells;
    }

protected:
    void storeText(int index, const QString &text) override;

private:
    static constexpr int DataRows = FieldCatalogue::TableDataRows;

    std::vector<QString> m_texts; // catalogue order; the table's stays empty
    std::array<QString, FieldCatalogue::TableDataColumns * DataRows> m_cells; // column by column
};

#pragma once
#include "FieldCatalogue.h"

#include <QTableWidget>

// The household members table: 5 columns x 11 rows, row 0 and column 0 fixed headers, the
// 40 data cells free text. The headers are the view's own header sections, so that a screen
// reader finds each cell's column header and row number; the item model holds only the data
// cells (model row r - 1, column c - 1 for cell (c, r)). A cell's stored text follows its open
// editor on every keystroke, so a command started mid-edit reads what is typed so far.
//
// A data cell's accessible name is its text, or its place ("Név – 3.") while it is empty; its
// accessible description and the accessible name of its in-place editor are always its place.
class TStringGrid : public QTableWidget
{
    Q_OBJECT
public:
    explicit TStringGrid(QWidget *parent = nullptr);

    // Columns and rows, headers included.
    static constexpr int ColCount = FieldCatalogue::TableColumns;
    static constexpr int RowCount = FieldCatalogue::TableRows;

    // Addressed as DeclarationData::cell and setCell address them.
    QString cell(int column, int row) const;
    void setCell(int column, int row, const QString &text);

    // The current cell, column first, data cells 1-4 x 1-10.
    int currentCellColumn() const { return currentColumn() + 1; }
    int currentCellRow() const { return currentRow() + 1; }
    void setCurrentCellAt(int column, int row) { setCurrentCell(row - 1, column - 1); }

    // A wheel step with the focus in the table moves the current row by one, within rows 1-10.
    void stepCurrentRow(int rows);

    // The colour of the lines between the cells, also drawn around the header cells.
    QColor gridLineColor() const;

protected:
    void closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
};

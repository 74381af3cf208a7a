#pragma once
#include <QTableWidget>

// The household members table: 5 columns x 11 rows, row 0 and column 0 fixed headers, the
// 40 data cells free text. A cell's stored text follows its open editor on every keystroke,
// so a command started mid-edit reads what is typed so far.
class TStringGrid : public QTableWidget
{
    Q_OBJECT
public:
    explicit TStringGrid(QWidget *parent = nullptr);

    static constexpr int ColCount = 5;
    static constexpr int RowCount = 11;

    // Column first, headers at 0.
    QString cell(int column, int row) const;
    void setCell(int column, int row, const QString &text);

    // A wheel step with the focus in the table moves the current row by one, within rows 1-10.
    void stepCurrentRow(int rows);

protected:
    void closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint) override;
};

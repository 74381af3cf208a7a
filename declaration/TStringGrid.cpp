#include "TStringGrid.h"
#include "AccessibleNames.h"
#include "Fonts.h"
#include "Windows1250Guard.h"

#include <QAbstractButton>
#include <QEvent>
#include <QFocusEvent>
#include <QHeaderView>
#include <QLineEdit>
#include <QPainter>
#include <QStyledItemDelegate>
#include <algorithm>

namespace {

// Widths in px at 96 dpi; column 0 is the row-number column.
const int ColumnWidths[TStringGrid::ColCount] = {20, 202, 129, 106, 186};
constexpr int HeaderRowHeight = 36;
constexpr int DataRowHeight = 21;

// A header cell drawn the way the grid draws its cells: the grid line on its right and bottom
// edge, inside them a button-face fill and the bold text 2 px from the left, not elided, so that
// "10." fits the 20 px row-number column.
void paintFixedCell(QPainter *painter, const QRect &rect, const QString &text, const TStringGrid &grid,
                    const QFont &font)
{
    painter->save();
    const QRect inner = rect.adjusted(0, 0, -1, -1);
    painter->fillRect(inner, grid.palette().color(QPalette::Button));
    painter->setPen(grid.gridLineColor());
    painter->drawLine(rect.topRight(), rect.bottomRight());
    painter->drawLine(rect.bottomLeft(), rect.bottomRight());
    painter->setFont(font);
    painter->setPen(grid.palette().color(QPalette::WindowText));
    painter->drawText(inner.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, text);
    painter->restore();
}

// The column headers and the row numbers: fixed sections in bold that cannot be clicked, moved or
// resized, of a fixed depth (the column headers' height, the row numbers' width).
class FixedCellHeader : public QHeaderView
{
public:
    FixedCellHeader(Qt::Orientation orientation, TStringGrid *grid) : QHeaderView(orientation, grid), m_grid(grid)
    {
        setFont(Fonts::byPixelHeight(QStringLiteral("Tahoma"), 11, Fonts::Bold));
        if (orientation == Qt::Horizontal)
            setFixedHeight(HeaderRowHeight);
        else
            setFixedWidth(ColumnWidths[0]);
        setSectionResizeMode(QHeaderView::Fixed);
        setMinimumSectionSize(1);
        setSectionsClickable(false);
        setHighlightSections(false);
    }

    // The depth being fixed, the hint needs no measuring of the header texts, which would load
    // their font at start-up.
    QSize sizeHint() const override
    {
        return orientation() == Qt::Horizontal ? QSize(length(), HeaderRowHeight) : QSize(ColumnWidths[0], length());
    }

protected:
    // Beyond the last section the table's own background shows, as it does beside the cells.
    void paintEvent(QPaintEvent *event) override
    {
        QHeaderView::paintEvent(event);
        QRect beyond = viewport()->rect();
        const int end = length() - offset();
        if (orientation() == Qt::Horizontal)
            beyond.setLeft(end);
        else
            beyond.setTop(end);
        if (!beyond.isEmpty())
            QPainter(viewport()).fillRect(beyond, m_grid->palette().color(QPalette::Base));
    }

    void paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const override
    {
        paintFixedCell(painter, rect, model()->headerData(logicalIndex, orientation()).toString(), *m_grid, font());
    }

private:
    const TStringGrid *m_grid;
};

// A data cell that tells a screen reader where it is.
class DataCell : public QTableWidgetItem
{
public:
    QVariant data(int role) const override
    {
        if (role != Qt::AccessibleTextRole && role != Qt::AccessibleDescriptionRole)
            return QTableWidgetItem::data(role);
        const QTableWidget *table = tableWidget();
        if (!table)
            return {};
        const QString place = AccessibleNames::place(table->horizontalHeaderItem(column())->text(),
                                                     table->verticalHeaderItem(row())->text());
        const QString shown = text();
        return role == Qt::AccessibleTextRole && !shown.isEmpty() ? shown : place;
    }
};

// The in-place editor writes each change straight into the cell and is named after the cell's place.
class LiveCellDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        auto *editor = qobject_cast<QLineEdit *>(QStyledItemDelegate::createEditor(parent, option, index));
        if (editor) {
            refuseNonWindows1250(editor);
            editor->setMaxLength(FieldCatalogue::FieldCapacity);
            editor->setAccessibleName(index.data(Qt::AccessibleDescriptionRole).toString());
            connect(editor, &QLineEdit::textEdited, this,
                    [this, editor] { emit const_cast<LiveCellDelegate *>(this)->commitData(editor); });
        }
        return editor;
    }

    // The cell changed under the editor. When that change is the editor's own keystroke coming
    // back, the editor keeps its text and caret; a write from elsewhere (a loaded form) is shown.
    void setEditorData(QWidget *editor, const QModelIndex &index) const override
    {
        const auto *line = qobject_cast<const QLineEdit *>(editor);
        if (!line || line->text() != index.data(Qt::EditRole).toString())
            QStyledItemDelegate::setEditorData(editor, index);
    }

protected:
    // A dialog or another program taking the focus does not end the edit: when the window is
    // active again, the focus and the caret are back in the cell being typed into.
    bool eventFilter(QObject *object, QEvent *event) override
    {
        if (event->type() == QEvent::FocusOut &&
            static_cast<QFocusEvent *>(event)->reason() == Qt::ActiveWindowFocusReason)
            return false;
        return QStyledItemDelegate::eventFilter(object, event);
    }
};

} // namespace

TStringGrid::TStringGrid(QWidget *parent) : QTableWidget(parent)
{
    setFont(Fonts::byPixelHeight(QStringLiteral("Tahoma"), 11));
    setHorizontalHeader(new FixedCellHeader(Qt::Horizontal, this));
    setVerticalHeader(new FixedCellHeader(Qt::Vertical, this));
    // Sized once the own headers are in place: the view's default headers would measure every
    // section's text first.
    setColumnCount(ColCount - 1);
    setRowCount(RowCount - 1);

    for (int c = 1; c < ColCount; ++c) {
        setHorizontalHeaderItem(c - 1, new QTableWidgetItem(FieldCatalogue::tableHeader(c, 0)));
        setColumnWidth(c - 1, ColumnWidths[c]);
    }
    for (int r = 1; r < RowCount; ++r) {
        setVerticalHeaderItem(r - 1, new QTableWidgetItem(FieldCatalogue::tableHeader(0, r)));
        setRowHeight(r - 1, DataRowHeight);
        for (int c = 1; c < ColCount; ++c)
            setItem(r - 1, c - 1, new DataCell);
    }

    setItemDelegate(new LiveCellDelegate(this));
    setEditTriggers(AnyKeyPressed | EditKeyPressed | DoubleClicked);
    setSelectionMode(ContiguousSelection);
    setTabKeyNavigation(false); // Tab and Shift+Tab leave the table
    setCornerButtonEnabled(false);
    // The corner above the row numbers is drawn as an empty header cell.
    if (auto *corner = findChild<QAbstractButton *>())
        corner->installEventFilter(this);
    setWordWrap(false);
    setCurrentCellAt(1, 1);
}

QString TStringGrid::cell(int column, int row) const
{
    // The header sections show the catalogue's header texts, which never change.
    if (!FieldCatalogue::isDataCell(column, row))
        return FieldCatalogue::tableHeader(column, row);
    return item(row - 1, column - 1)->text();
}

void TStringGrid::setCell(int column, int row, const QString &text)
{
    if (FieldCatalogue::isDataCell(column, row))
        item(row - 1, column - 1)->setText(text.left(FieldCatalogue::FieldCapacity));
}

void TStringGrid::stepCurrentRow(int rows)
{
    const int row = std::clamp(currentCellRow() + rows, 1, RowCount - 1);
    setCurrentCellAt(std::max(currentCellColumn(), 1), row);
}

QColor TStringGrid::gridLineColor() const
{
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    return QColor::fromRgba(QRgb(style()->styleHint(QStyle::SH_Table_GridLineColor, &option, this)));
}

void TStringGrid::closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint)
{
    // Tab in the editor leaves the table instead of moving to the next cell.
    const bool tab = hint == QAbstractItemDelegate::EditNextItem;
    const bool backtab = hint == QAbstractItemDelegate::EditPreviousItem;
    QTableWidget::closeEditor(editor, tab || backtab ? QAbstractItemDelegate::NoHint : hint);
    if (tab || backtab)
        focusNextPrevChild(tab);
}

bool TStringGrid::eventFilter(QObject *watched, QEvent *event)
{
    auto *corner = qobject_cast<QAbstractButton *>(watched);
    if (!corner || event->type() != QEvent::Paint)
        return QTableWidget::eventFilter(watched, event);
    QPainter painter(corner);
    paintFixedCell(&painter, corner->rect(), QString(), *this, horizontalHeader()->font());
    return true;
}

#include "TStringGrid.h"
#include "Fonts.h"
#include "Windows1250Guard.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QPainter>
#include <QStyledItemDelegate>
#include <algorithm>

namespace {

const int ColumnWidths[TStringGrid::ColCount] = {20, 202, 129, 106, 186};
const char *const ColumnHeaders[TStringGrid::ColCount] = {"", "Név", "Születési hely", "Szül. ideje", "Anyja neve"};
constexpr int HeaderRowHeight = 36;
constexpr int DataRowHeight = 21;

// The in-place editor writes each change straight into the cell.
class LiveCellDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        auto *editor = qobject_cast<QLineEdit *>(QStyledItemDelegate::createEditor(parent, option, index));
        if (editor) {
            refuseNonWindows1250(editor);
            connect(editor, &QLineEdit::textEdited, this,
                    [this, editor] { emit const_cast<LiveCellDelegate *>(this)->commitData(editor); });
        }
        return editor;
    }

    // Fixed cells draw their text 2 px from the left without eliding, so "10." fits the 20 px
    // row-number column.
    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        if (index.row() > 0 && index.column() > 0) {
            QStyledItemDelegate::paint(painter, option, index);
            return;
        }
        painter->save();
        painter->fillRect(option.rect, index.data(Qt::BackgroundRole).value<QBrush>());
        painter->setFont(index.data(Qt::FontRole).value<QFont>());
        painter->setPen(option.palette.color(QPalette::WindowText));
        painter->drawText(option.rect.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, index.data().toString());
        painter->restore();
    }
};

QTableWidgetItem *headerItem(const QString &text, const QFont &font, const QColor &face)
{
    auto *item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled); // neither selectable nor editable
    item->setFont(font);
    item->setBackground(face);
    return item;
}

} // namespace

TStringGrid::TStringGrid(QWidget *parent) : QTableWidget(RowCount, ColCount, parent)
{
    setObjectName(QStringLiteral("AdvStringGrid1"));
    setFont(Fonts::byPixelHeight(QStringLiteral("Tahoma"), 11));
    horizontalHeader()->hide();
    verticalHeader()->hide();
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setMinimumSectionSize(1);
    for (int c = 0; c < ColCount; ++c)
        setColumnWidth(c, ColumnWidths[c]);
    setRowHeight(0, HeaderRowHeight);
    for (int r = 1; r < RowCount; ++r)
        setRowHeight(r, DataRowHeight);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);

    const QFont headerFont = Fonts::byPixelHeight(QStringLiteral("Tahoma"), 11, Fonts::Bold);
    const QColor face = palette().color(QPalette::Button);
    for (int c = 0; c < ColCount; ++c)
        setItem(0, c, headerItem(QString::fromUtf8(ColumnHeaders[c]), headerFont, face));
    for (int r = 1; r < RowCount; ++r) {
        setItem(r, 0, headerItem(QStringLiteral("%1.").arg(r), headerFont, face));
        for (int c = 1; c < ColCount; ++c)
            setItem(r, c, new QTableWidgetItem());
    }

    setItemDelegate(new LiveCellDelegate(this));
    setEditTriggers(AnyKeyPressed | EditKeyPressed | DoubleClicked);
    setSelectionMode(ContiguousSelection);
    setSelectionBehavior(SelectItems);
    setTabKeyNavigation(false); // Tab and Shift+Tab leave the table
    setCornerButtonEnabled(false);
    setWordWrap(false);
    setCurrentCell(1, 1);
}

QString TStringGrid::cell(int column, int row) const
{
    const QTableWidgetItem *it = item(row, column);
    return it ? it->text() : QString();
}

void TStringGrid::setCell(int column, int row, const QString &text)
{
    if (QTableWidgetItem *it = item(row, column))
        it->setText(text);
}

void TStringGrid::stepCurrentRow(int rows)
{
    const int row = std::clamp(currentRow() + rows, 1, RowCount - 1);
    setCurrentCell(row, std::max(currentColumn(), 1));
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

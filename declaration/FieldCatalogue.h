#pragma once
#include <QByteArrayView>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringView>
#include <optional>
#include <vector>

// The declaration's form in one table: its fields in component order, which the window, the
// saved form and the print values all read, and beside them the boxes, labels and panels the
// window places around them. Geometry is in pixels at 96 dpi relative to the container (the
// content panel, a section panel, a group box, or GroupBox1 for the table).
enum class FieldKind { Text, Amount, Table };

// A field's own font: set on the field itself, so that no container's font reaches it.
struct FieldFont
{
    QString family;
    int pixelHeight; // character height in px at 96 dpi
};

// A static text of the form, in the container of the field or box it belongs to.
enum class LabelStyle { Caption, SubCaption }; // Arial 15 px, regular or italic
struct LabelSpec
{
    QString text;
    QPoint pos;
    LabelStyle style = LabelStyle::Caption;
};

struct FieldSpec
{
    QString name; // the key of the saved form, e.g. "PBNumEdit47"
    FieldKind kind;
    int section;      // 1 personal data (Panel2), 2 income (Panel3), 3 taxes (Panel4)
    int group = 0;    // income group 1-11 of an amount field in a group box, else 0
    int position = 0; // 1-8 the group's inputs in row order, 9 its total; else 0
    int tabOrder;     // place in the window's tab order; -1 for the totals, which never take focus
    QRect geometry;
    QString caption = {}; // what a section I field is called (the table: its box's caption); empty for group fields
    std::vector<LabelSpec> labels = {}; // the texts beside it: its caption and unit, or its row label and "Ft."
    FieldFont font = {};                // the window's base font; the table's data cells have their own
};

// A group box, GroupBox<number>, in its section panel: the table's box, or an income group's
// (groups 1-8 in section II, 9-11 in section III) with an italic sub-caption in some.
struct BoxSpec
{
    int number;
    int section;
    QRect geometry;
    QString caption;
    std::optional<LabelSpec> subCaption = {};
};

// A section panel in the content panel, with its header bar along its top edge.
struct SectionSpec
{
    QString panel; // "Panel2" to "Panel4"
    QString bar;   // "HeaderFill1" to "HeaderFill3"
    QRect geometry;
    QRect barGeometry; // in the panel
    QString caption;
};

// The form's title labels in the content panel (Arial 27 px bold).
struct TitleSpec
{
    QString name;
    QString text;
    QRect geometry;
};

namespace FieldCatalogue {

constexpr int GroupCount = 11;
constexpr int GroupPositions = 9; // eight inputs and the total
constexpr int TotalPosition = 9;

// The most characters a field or table cell holds, whether typed, pasted or loaded: the line
// edit's own default, far beyond any real declaration; it bounds the size of a saved form.
constexpr int FieldCapacity = 32767;

const std::vector<FieldSpec> &fields();
const std::vector<BoxSpec> &incomeGroups(); // index g - 1
const BoxSpec &tableBox();
const std::vector<SectionSpec> &sections(); // index section - 1
const std::vector<TitleSpec> &titles();
QRect contentPanel(); // Panel1, in the scrolled client area

// The first field in component order whose name matches, ASCII letters compared without case.
std::optional<int> find(QStringView name);
// The same for a name in the bytes of an ASCII-based code page, as a saved form holds it.
std::optional<int> find(QByteArrayView name);

// Catalogue index of PBNumEdit(9g - 7 + p - 1): position p of income group g.
int amountIndex(int group, int position);
int tableIndex();

// The household table: 10 rows of 4 data cells, and with its headers (row 0 the column headings,
// column 0 the row numbers) one more of each.
constexpr int TableDataColumns = 4;
constexpr int TableDataRows = 10;
constexpr int TableColumns = TableDataColumns + 1;
constexpr int TableRows = TableDataRows + 1;

// One of the 40 data cells, which hold what the user types; the others are headers or outside.
constexpr bool isDataCell(int column, int row)
{
    return column >= 1 && column < TableColumns && row >= 1 && row < TableRows;
}

// The text of a header cell: in row 0 the column's heading, in column 0 the row's number
// ("1." to "10."); empty for the corner and for every other cell.
QString tableHeader(int column, int row);

// The label the form shows beside a group field: position 1-8 its row ("Kérelmező jövedelme:",
// "a.," to "g.,"), 9 the total's.
QString rowLabel(int position);

} // namespace FieldCatalogue

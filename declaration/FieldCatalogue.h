#pragma once
#include <QByteArrayView>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringView>
#include <optional>
#include <vector>

// The declaration's fields in component order: the one table that the window, the saved form
// and the print values all read. Geometry is in pixels at 96 dpi relative to the field's
// container (its section panel, its group box, or GroupBox1 for the table).
enum class FieldKind { Text, Amount, Table };

// A field's own font: set on the field itself, so that no container's font reaches it.
struct FieldFont
{
    QString family;
    int pixelHeight; // character height in px at 96 dpi
};

struct FieldSpec
{
    QString name; // the key of the saved form, e.g. "PBNumEdit47"
    FieldKind kind;
    int section;  // 1 personal data (Panel2), 2 income (Panel3), 3 taxes (Panel4)
    int group;    // income group 1-11 of an amount field in a group box, else 0
    int position; // 1-8 the group's inputs in row order, 9 its total; else 0
    int tabOrder; // place in the window's tab order; -1 for the totals, which never take focus
    QRect geometry;
    QString caption;   // the label of a section I field (the table's: its group box); empty for group fields
    QPoint captionPos; // in the section panel; for the table the position of its group box
    FieldFont font;    // the window's base font; the table's data cells have their own
};

// Income groups 1-8 are section II, 9-11 section III; each is one group box.
struct IncomeGroupSpec
{
    int box; // GroupBox<box>
    int section;
    int y; // in the section panel; x is 16, width 673
    int height;
    QString caption;
    QString subCaption; // italic first line, empty for most groups
};

namespace FieldCatalogue {

constexpr int GroupCount = 11;
constexpr int GroupPositions = 9; // eight inputs and the total
constexpr int TotalPosition = 9;

const std::vector<FieldSpec> &fields();
const std::vector<IncomeGroupSpec> &incomeGroups(); // index g - 1

// The first field in component order whose name matches, ASCII letters compared without case.
std::optional<int> find(QStringView name);
// The same for a name in the bytes of an ASCII-based code page, as a saved form holds it.
std::optional<int> find(QByteArrayView name);

// Catalogue index of PBNumEdit(9g - 7 + p - 1): position p of income group g.
int amountIndex(int group, int position);
int tableIndex();

// The household table's size, headers included: row 0 holds the column headings, column 0 the
// row numbers, and the 4 x 10 cells inside are the data cells.
constexpr int TableColumns = 5;
constexpr int TableRows = 11;

// The text of a header cell: in row 0 the column's heading, in column 0 the row's number
// ("1." to "10."); empty for the corner and for every other cell.
QString tableHeader(int column, int row);

// The label the form shows beside a group field: position 1-8 its row ("Kérelmező jövedelme:",
// "a.," to "g.,"), 9 the total's.
QString rowLabel(int position);

} // namespace FieldCatalogue

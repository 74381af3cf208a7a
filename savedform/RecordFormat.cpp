#include "RecordFormat.h"
#include "DeclarationData.h"
#include "Error.h"
#include "FieldCatalogue.h"
#include "LineBuffer.h"
#include "Windows1250.h"

#include <charconv>
#include <optional>
#include <utility>

namespace RecordFormat {

namespace {

// The text before and after the first separator; without one, nothing before and all after.
std::pair<QByteArrayView, QByteArrayView> splitAtFirst(QByteArrayView text, char separator)
{
    const qsizetype at = text.indexOf(separator);
    if (at < 0)
        return {QByteArrayView(), text};
    return {text.first(at), text.sliced(at + 1)};
}

int parseInteger(QByteArrayView text)
{
    const char *first = text.constData();
    const char *last = first + text.size();
    if (first != last && *first == '+')
        ++first;
    int value = 0;
    const auto [end, error] = std::from_chars(first, last, value);
    if (first == last || error != std::errc() || end != last)
        throw Error::invalidInteger(Windows1250::decode(text));
    return value;
}

// A table line carries its cell as "[c,r]" before the text; the line is read as stored, so a
// "$" in a cell's text survives.
void restoreCell(QByteArrayView line, DeclarationData &form)
{
    const qsizetype open = line.indexOf('[');
    const qsizetype close = line.indexOf(']');
    if (open < 0 || close < 0)
        return;
    const QByteArrayView position = close > open ? line.sliced(open + 1, close - open - 1) : QByteArrayView();
    const auto [columnText, rowText] = splitAtFirst(position, ',');
    const int column = parseInteger(columnText);
    const int row = parseInteger(rowText);
    if (column < 1 || column >= FieldCatalogue::TableColumns || row < 1 || row >= FieldCatalogue::TableRows)
        return; // no save writes outside the data cells
    form.setCell(column, row, Windows1250::decode(line.sliced(close + 1)));
}

} // namespace

QByteArray marker()
{
    return QByteArrayLiteral("haj\xf3sk\xf6t\xf5");
}

void collect(const DeclarationData &form, LineBuffer &collection, LineBuffer &output)
{
    collection.clear();
    output.clear();
    const auto &fields = FieldCatalogue::fields();
    for (int i = 0; i < int(fields.size()); ++i) {
        const QByteArray name = fields[i].name.toLatin1() + '_';
        if (fields[i].kind != FieldKind::Table) {
            collection.add(name, Windows1250::encode(form.text(i)));
            continue;
        }
        // Column by column, each cell as "AdvStringGrid1_[c,r]text".
        for (int c = 1; c < FieldCatalogue::TableColumns; ++c) {
            for (int r = 1; r < FieldCatalogue::TableRows; ++r)
                collection.add(name + '[' + QByteArray::number(c) + ',' + QByteArray::number(r) + ']',
                               Windows1250::encode(form.cell(c, r)));
        }
    }
}

void filter(const LineBuffer &collection, LineBuffer &output)
{
    output.add(marker());
    QByteArrayView lastName;
    const int count = collection.count();
    for (int i = 0; i < count; ++i) {
        const QByteArrayView line = collection.lineView(i);
        const qsizetype separator = line.indexOf('_');
        if (separator >= 0) {
            if (separator + 1 == line.size())
                continue; // an empty text field
            output.add(line);
            lastName = line.first(separator);
        } else if (!line.isEmpty()) {
            output.add('$' + lastName.toByteArray() + '_', line);
        }
    }
}

void restore(const LineBuffer &output, DeclarationData &form)
{
    // The field of the last line that named one: a line without "_" after the first carries
    // the rest of its value. None after a foreign record, whose continuation lines must not
    // reach a field.
    std::optional<int> lastField;
    const int count = output.count();
    for (int i = 1; i < count; ++i) {
        const QByteArrayView stored = output.lineView(i);
        std::optional<int> index;
        QByteArrayView value = stored;
        if (i > 1 && !stored.contains('_')) {
            index = lastField;
        } else {
            const auto [name, afterName] = splitAtFirst(stored, '_');
            value = afterName;
            // "$" marks a continuation line before its name; in a value it is what the user typed.
            index = name.contains('$') ? FieldCatalogue::find(QByteArrayView(name.toByteArray().replace('$', "")))
                                       : FieldCatalogue::find(name);
        }
        lastField = index;
        if (!index)
            continue;
        if (FieldCatalogue::fields()[*index].kind == FieldKind::Table)
            restoreCell(stored, form);
        else
            form.setText(*index, Windows1250::decode(value));
    }
}

bool checkAndRestore(const LineBuffer &output, DeclarationData &form)
{
    if (output.lineView(0) != marker())
        return false;
    if (!output.text().endsWith("\r\n"))
        throw Error::invalidFileFormat();
    restore(output, form);
    return true;
}

} // namespace RecordFormat

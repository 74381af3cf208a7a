#pragma once
#include "DeclarationReader.h"
#include "Error.h"
#include "FieldCatalogue.h"

#include <QHash>
#include <QMap>
#include <QPair>
#include <QSet>

// A declaration without a window: texts, cells and amounts set directly. An amount marked
// unparsable throws the conversion error with its text, as the amount field does.
class FakeDeclarationReader : public DeclarationReader
{
public:
    QString text(int index) const override { return texts.value(index); }
    QString cell(int column, int row) const override { return cells.value({column, row}); }
    long double value(int index) const override
    {
        if (unparsable.contains(index))
            throw Error::invalidFloat(texts.value(index));
        return values.value(index, 0.0L);
    }

    static int index(const char *name) { return *FieldCatalogue::find(QString::fromLatin1(name)); }
    void setAmount(int group, int position, long double value)
    {
        values[FieldCatalogue::amountIndex(group, position)] = value;
    }
    void setPeople(long double value) { values[index("PBNumEdit1")] = value; }
    void setUnparsable(int index, const QString &shownText)
    {
        unparsable.insert(index);
        texts[index] = shownText;
    }

    QHash<int, QString> texts;
    QMap<QPair<int, int>, QString> cells;
    QHash<int, long double> values;
    QSet<int> unparsable;
};

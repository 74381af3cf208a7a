#include "AccessibleNames.h"
#include "FieldCatalogue.h"

namespace AccessibleNames {

QString spoken(const QString &label)
{
    QString text = label.trimmed();
    if (text.endsWith(u':'))
        text.chop(1);
    return text.trimmed();
}

QString place(const QString &whole, const QString &part)
{
    return whole + QStringLiteral(" \u2013 ") + part;
}

QString ofField(int index)
{
    const FieldSpec &field = FieldCatalogue::fields()[index];
    if (field.group == 0)
        return spoken(field.caption);
    return place(FieldCatalogue::incomeGroups()[field.group - 1].caption,
                 spoken(FieldCatalogue::rowLabel(field.position)));
}

} // namespace AccessibleNames

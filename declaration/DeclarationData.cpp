#include "DeclarationData.h"
#include "AmountText.h"
#include "FieldCatalogue.h"
#include "GroupTotal.h"
#include "RegionalSettings.h"

#include <array>

long double DeclarationData::value(int index) const
{
    return parseAmount(text(index), RegionalSettings::current());
}

void DeclarationData::setText(int index, const QString &text)
{
    const QString held = text.left(FieldCatalogue::FieldCapacity);
    const bool changed = this->text(index) != held;
    storeText(index, held);
    if (const int group = inputGroup(index); group != 0 && changed)
        recomputeGroupTotal(group);
}

int DeclarationData::inputGroup(int index)
{
    const FieldSpec &field = FieldCatalogue::fields()[index];
    return field.position == FieldCatalogue::TotalPosition ? 0 : field.group;
}

void DeclarationData::recomputeGroupTotal(int group)
{
    std::array<QString, FieldCatalogue::TotalPosition - 1> inputs;
    for (int p = 1; p < FieldCatalogue::TotalPosition; ++p)
        inputs[p - 1] = text(FieldCatalogue::amountIndex(group, p));
    const RegionalSettings &settings = RegionalSettings::current();
    const long double total = groupTotal(inputs, settings);
    storeText(FieldCatalogue::amountIndex(group, FieldCatalogue::TotalPosition), formatAmount(total, settings));
}

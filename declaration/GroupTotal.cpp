#include "GroupTotal.h"
#include "AmountText.h"

long double groupTotal(std::span<const QString> inputTexts, const RegionalSettings &settings)
{
    long double sum = 0.0L;
    for (const QString &text : inputTexts)
        sum += parseAmount(text, settings);
    return sum;
}

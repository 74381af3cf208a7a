#include "GroupTotal.h"
#include "AmountText.h"

long double groupTotal(std::span<const QString> inputTexts, const RegionalSettings &settings)
{
    if (inputTexts.empty())
        return 0.0L;
    long double sum = parseAmount(inputTexts.front(), settings);
    for (const QString &text : inputTexts.subspan(1))
        sum += parseAmount(text, settings);
    return sum;
}

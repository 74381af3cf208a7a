#pragma once
#include "RegionalSettings.h"

#include <QString>
#include <span>

// The total of an income group: the amounts of its inputs added in row order, left to right,
// the running sum held in extended precision throughout. Throws the conversion error of the
// first input in row order whose text does not parse; the inputs after it are not read.
long double groupTotal(std::span<const QString> inputTexts, const RegionalSettings &settings);

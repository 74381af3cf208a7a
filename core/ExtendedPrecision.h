#pragma once
#include <limits>

// Amounts are 80-bit extended values: sums and conversions depend on the 64-bit mantissa.
static_assert(std::numeric_limits<long double>::digits == 64,
              "ktv3815 needs long double to be the x87 80-bit extended format (GCC or MinGW-w64 on x86)");

#pragma once
#include <optional>
#include <string>
#include <string_view>

// Exact conversion between decimal digits and 80-bit extended values, with no detour through
// double or the C library (whose number locale the application object changes).
namespace ExtendedDecimal {

// digits × 10^exponent (digits: ASCII '0'-'9', no sign), rounded to the nearest extended value,
// ties to even, as the hardware rounds. nullopt when the value lies beyond the extended range;
// values below it give a subnormal or zero.
std::optional<long double> fromDecimal(std::string_view digits, long long exponent);

// The exact decimal expansion of a non-negative finite value: its integer part ("0" below 1)
// and the first fractionDigits digits of its fraction, cut off, not rounded.
struct Digits
{
    std::string integer;
    std::string fraction;
};
constexpr int MaxFractionDigits = 18;
Digits toDecimal(long double magnitude, int fractionDigits); // fractionDigits <= MaxFractionDigits

} // namespace ExtendedDecimal

#include "ExtendedDecimal.h"
#include "BigUnsigned.h"
#include "ExtendedPrecision.h"

#include <charconv>
#include <cmath>
#include <cstdint>

namespace ExtendedDecimal {

namespace {

using Wide = unsigned __int128;

constexpr int MantissaBits = 64;
constexpr int LowestBitExponent = -16445; // weight of the last bit of the smallest subnormal

// A halfway point between two extended values has at most about 11,520 significant digits, so
// digits beyond 12,000 can only tell "more than the kept ones": one sticky digit stands for them.
constexpr std::size_t KeptDigits = 12000;

// The value lies in [10^(leading - 1), 10^leading): beyond 10^4933 it overflows, below
// 10^-4952 it is less than half the smallest subnormal (about 3.6e-4951) and rounds to zero.
constexpr long long OverflowLeading = 4933;
constexpr long long UnderflowLeading = -4952;

// Up to 10^27 the powers of ten are exact extended values (5^27 < 2^64).
constexpr int ExactPowers = 27;
constexpr long double PowersOfTen[ExactPowers + 1] = {
    1e0L,  1e1L,  1e2L,  1e3L,  1e4L,  1e5L,  1e6L,  1e7L,  1e8L,  1e9L,  1e10L, 1e11L, 1e12L, 1e13L,
    1e14L, 1e15L, 1e16L, 1e17L, 1e18L, 1e19L, 1e20L, 1e21L, 1e22L, 1e23L, 1e24L, 1e25L, 1e26L, 1e27L};

// Short texts: the digits are an exact 64-bit integer and the power of ten is exact, so one
// multiplication or division gives the correctly rounded result.
std::optional<long double> fastPath(std::string_view digits, long long exponent)
{
    if (digits.size() > 19 || exponent < -ExactPowers || exponent > ExactPowers)
        return std::nullopt;
    std::uint64_t mantissa = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), mantissa);
    const long double value = static_cast<long double>(mantissa);
    return exponent >= 0 ? value * PowersOfTen[exponent] : value / PowersOfTen[-exponent];
}

// numerator / denominator rounded to the extended grid: a quotient of 66 or 67 bits, the
// remainder as the sticky bit, then round to nearest even at the last kept bit.
std::optional<long double> roundQuotient(BigUnsigned numerator, BigUnsigned denominator)
{
    const int scale = 66 - (numerator.bitLength() - denominator.bitLength());
    if (scale >= 0)
        numerator.shiftLeft(scale);
    else
        denominator.shiftLeft(-scale);
    // Now numerator / denominator lies in [2^65, 2^67): long division bit by bit.
    Wide quotient = 0;
    denominator.shiftLeft(66);
    for (int bit = 66; bit >= 0; --bit) {
        if (numerator >= denominator) {
            numerator.subtract(denominator);
            quotient |= Wide(1) << bit;
        }
        denominator.shiftRightOne();
    }
    const bool sticky = !numerator.isZero();

    // The value is quotient × 2^-scale; keep 64 bits, fewer where the result is subnormal.
    const int quotientBits = quotient >> 66 ? 67 : 66;
    int dropped = quotientBits - MantissaBits;
    if (dropped - scale < LowestBitExponent)
        dropped = LowestBitExponent + scale;
    if (dropped > quotientBits + 1)
        return 0.0L;
    const Wide kept = quotient >> dropped;
    const bool half = (quotient >> (dropped - 1)) & 1;
    const bool belowHalf = sticky || (quotient & ((Wide(1) << (dropped - 1)) - 1)) != 0;
    const Wide rounded = kept + ((half && (belowHalf || (kept & 1))) ? 1 : 0);
    const long double result = std::ldexp(static_cast<long double>(rounded), dropped - scale);
    if (std::isinf(result))
        return std::nullopt;
    return result;
}

} // namespace

std::optional<long double> fromDecimal(std::string_view digits, long long exponent)
{
    const std::size_t first = digits.find_first_not_of('0');
    if (first == std::string_view::npos)
        return 0.0L;
    const std::size_t last = digits.find_last_not_of('0');
    exponent += static_cast<long long>(digits.size() - 1 - last);
    digits = digits.substr(first, last + 1 - first);

    const long long leading = exponent + static_cast<long long>(digits.size());
    if (leading > OverflowLeading)
        return std::nullopt;
    if (leading < UnderflowLeading)
        return 0.0L;
    if (const auto quick = fastPath(digits, exponent))
        return quick;

    std::string kept(digits);
    if (kept.size() > KeptDigits) {
        // The cut digits end in a non-zero digit, so they are more than nothing.
        exponent += static_cast<long long>(kept.size() - KeptDigits - 1);
        kept.resize(KeptDigits);
        kept += '1';
    }
    BigUnsigned numerator = BigUnsigned::fromDecimal(kept);
    if (exponent >= 0) {
        numerator.multiplyByPowerOfTen(static_cast<int>(exponent));
        return roundQuotient(std::move(numerator), BigUnsigned(1));
    }
    return roundQuotient(std::move(numerator), BigUnsigned::powerOfTen(static_cast<int>(-exponent)));
}

Digits toDecimal(long double magnitude, int fractionDigits)
{
    // magnitude = mantissa × 2^exponent, the mantissa an integer of 64 bits.
    int binaryExponent = 0;
    const long double fraction = std::frexp(magnitude, &binaryExponent);
    const auto mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, MantissaBits));
    const int exponent = binaryExponent - MantissaBits;

    Digits result;
    if (exponent >= 0) {
        BigUnsigned integer(mantissa);
        integer.shiftLeft(exponent);
        result.integer = integer.toDecimal();
        result.fraction.assign(static_cast<std::size_t>(fractionDigits), '0');
        return result;
    }

    const int fractionBits = -exponent;
    const std::uint64_t integer = fractionBits >= MantissaBits ? 0 : mantissa >> fractionBits;
    char buffer[24];
    result.integer.assign(buffer, std::to_chars(buffer, buffer + sizeof buffer, integer).ptr);

    // The fraction F / 2^fractionBits yields one digit per multiplication by 10, exactly, as
    // long as 10 F fits in 128 bits. Smaller magnitudes (below 2^-60) start with more than 18
    // zero digits.
    result.fraction.assign(static_cast<std::size_t>(fractionDigits), '0');
    if (fractionBits > 124)
        return result;
    const Wide mask = (Wide(1) << fractionBits) - 1;
    Wide rest = Wide(mantissa) & mask;
    for (char &digit : result.fraction) {
        rest *= 10;
        digit = static_cast<char>('0' + static_cast<int>(rest >> fractionBits));
        rest &= mask;
    }
    return result;
}

} // namespace ExtendedDecimal

#include "BigUnsigned.h"

#include <algorithm>
#include <bit>

namespace {
constexpr std::uint32_t Billion = 1000000000;
constexpr int BillionDigits = 9;

std::uint32_t smallPowerOfTen(int exponent)
{
    std::uint32_t power = 1;
    for (int i = 0; i < exponent; ++i)
        power *= 10;
    return power;
}
} // namespace

BigUnsigned::BigUnsigned(std::uint64_t value)
{
    while (value != 0) {
        m_limbs.push_back(static_cast<std::uint32_t>(value));
        value >>= 32;
    }
}

BigUnsigned BigUnsigned::fromDecimal(std::string_view digits)
{
    BigUnsigned result;
    // Nine digits at a time: one multiplication per chunk instead of one per digit.
    std::size_t chunk = digits.size() % BillionDigits;
    if (chunk == 0)
        chunk = BillionDigits;
    for (std::size_t start = 0; start < digits.size(); start += chunk, chunk = BillionDigits) {
        std::uint32_t value = 0;
        for (std::size_t i = start; i < start + chunk; ++i)
            value = value * 10 + static_cast<std::uint32_t>(digits[i] - '0');
        result.multiplySmall(smallPowerOfTen(static_cast<int>(chunk)));
        // Adding a value below 2^32: carry through the limbs.
        std::uint64_t carry = value;
        for (std::size_t i = 0; carry != 0; ++i) {
            if (i == result.m_limbs.size())
                result.m_limbs.push_back(0);
            carry += result.m_limbs[i];
            result.m_limbs[i] = static_cast<std::uint32_t>(carry);
            carry >>= 32;
        }
    }
    return result;
}

BigUnsigned BigUnsigned::powerOfTen(int exponent)
{
    BigUnsigned result(1);
    result.multiplyByPowerOfTen(exponent);
    return result;
}

int BigUnsigned::bitLength() const
{
    if (m_limbs.empty())
        return 0;
    return static_cast<int>(m_limbs.size() - 1) * 32 + std::bit_width(m_limbs.back());
}

void BigUnsigned::multiplySmall(std::uint32_t factor)
{
    std::uint64_t carry = 0;
    for (std::uint32_t &limb : m_limbs) {
        carry += static_cast<std::uint64_t>(limb) * factor;
        limb = static_cast<std::uint32_t>(carry);
        carry >>= 32;
    }
    if (carry != 0)
        m_limbs.push_back(static_cast<std::uint32_t>(carry));
    trim();
}

void BigUnsigned::multiplyByPowerOfTen(int exponent)
{
    for (; exponent >= BillionDigits; exponent -= BillionDigits)
        multiplySmall(Billion);
    multiplySmall(smallPowerOfTen(exponent));
}

void BigUnsigned::shiftLeft(int bits)
{
    if (m_limbs.empty() || bits == 0)
        return;
    const int limbShift = bits / 32;
    const int bitShift = bits % 32;
    std::vector<std::uint32_t> shifted(m_limbs.size() + limbShift + 1, 0);
    for (std::size_t i = 0; i < m_limbs.size(); ++i) {
        const std::uint64_t wide = static_cast<std::uint64_t>(m_limbs[i]) << bitShift;
        shifted[i + limbShift] |= static_cast<std::uint32_t>(wide);
        shifted[i + limbShift + 1] |= static_cast<std::uint32_t>(wide >> 32);
    }
    m_limbs = std::move(shifted);
    trim();
}

void BigUnsigned::shiftRightOne()
{
    for (std::size_t i = 0; i < m_limbs.size(); ++i) {
        const std::uint32_t next = i + 1 < m_limbs.size() ? m_limbs[i + 1] : 0;
        m_limbs[i] = (m_limbs[i] >> 1) | (next << 31);
    }
    trim();
}

void BigUnsigned::subtract(const BigUnsigned &smaller)
{
    std::int64_t borrow = 0;
    for (std::size_t i = 0; i < m_limbs.size(); ++i) {
        std::int64_t difference = static_cast<std::int64_t>(m_limbs[i]) - borrow -
                                  (i < smaller.m_limbs.size() ? static_cast<std::int64_t>(smaller.m_limbs[i]) : 0);
        borrow = difference < 0 ? 1 : 0;
        m_limbs[i] = static_cast<std::uint32_t>(difference + (borrow << 32));
    }
    trim();
}

std::uint32_t BigUnsigned::divideSmall(std::uint32_t divisor)
{
    std::uint64_t remainder = 0;
    for (auto limb = m_limbs.rbegin(); limb != m_limbs.rend(); ++limb) {
        const std::uint64_t current = (remainder << 32) | *limb;
        *limb = static_cast<std::uint32_t>(current / divisor);
        remainder = current % divisor;
    }
    trim();
    return static_cast<std::uint32_t>(remainder);
}

std::string BigUnsigned::toDecimal() const
{
    if (m_limbs.empty())
        return "0";
    BigUnsigned rest = *this;
    std::vector<std::uint32_t> chunks; // base 10^9, least significant first
    while (!rest.isZero())
        chunks.push_back(rest.divideSmall(Billion));
    std::string digits(chunks.size() * BillionDigits, '0');
    char *end = digits.data() + digits.size();
    for (std::uint32_t chunk : chunks) {
        // Each chunk fills its nine places from the right; the zeros in front stay.
        for (int i = 0; i < BillionDigits; ++i, chunk /= 10)
            *--end = static_cast<char>('0' + chunk % 10);
    }
    digits.erase(0, digits.find_first_not_of('0'));
    return digits;
}

std::strong_ordering operator<=>(const BigUnsigned &a, const BigUnsigned &b)
{
    if (a.m_limbs.size() != b.m_limbs.size())
        return a.m_limbs.size() <=> b.m_limbs.size();
    return std::lexicographical_compare_three_way(a.m_limbs.rbegin(), a.m_limbs.rend(), b.m_limbs.rbegin(),
                                                  b.m_limbs.rend());
}

void BigUnsigned::trim()
{
    while (!m_limbs.empty() && m_limbs.back() == 0)
        m_limbs.pop_back();
}

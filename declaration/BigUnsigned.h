#pragma once
#include <compare>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// An unsigned integer of any size, with only the operations that exact conversion between
// decimal text and 80-bit values needs. Slow and simple: it serves the rare long or extreme
// amount texts, never the common ones.
class BigUnsigned
{
public:
    BigUnsigned() = default;
    explicit BigUnsigned(std::uint64_t value);

    static BigUnsigned fromDecimal(std::string_view digits); // ASCII digits only
    static BigUnsigned powerOfTen(int exponent);

    bool isZero() const { return m_limbs.empty(); }
    int bitLength() const;

    void multiplySmall(std::uint32_t factor);
    void multiplyByPowerOfTen(int exponent);
    void shiftLeft(int bits);
    void shiftRightOne();
    void subtract(const BigUnsigned &smaller);        // requires smaller <= *this
    std::uint32_t divideSmall(std::uint32_t divisor); // returns the remainder

    std::string toDecimal() const;

    friend std::strong_ordering operator<=>(const BigUnsigned &a, const BigUnsigned &b);
    friend bool operator==(const BigUnsigned &a, const BigUnsigned &b) = default;

private:
    void trim();

    std::vector<std::uint32_t> m_limbs; // least significant first, no leading zero limbs
};

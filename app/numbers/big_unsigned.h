#pragma once
// Unsigned whole numbers of any size: just what exact conversions between
// decimal texts and the extended type need.

#include <cstdint>
#include <string_view>
#include <vector>

namespace korvex {

class BigUnsigned {
public:
    explicit BigUnsigned(std::uint64_t value = 0);
    // The value of a string of decimal digits.
    static BigUnsigned fromDigits(std::string_view digits);

    void multiplyByPowerOfFive(int power);
    void shiftLeft(int bits);
    int bitLength() const;
    bool isZero() const { return limbs_.empty(); }

    friend int compare(const BigUnsigned& a, const BigUnsigned& b);  // -1, 0 or 1

    // floor(*this / divisor) when that is below 2^64; *this keeps the remainder.
    std::uint64_t divideSmallQuotient(const BigUnsigned& divisor);

private:
    void multiplySmall(std::uint32_t factor, std::uint32_t addend = 0);
    void subtract(const BigUnsigned& smaller);
    void shiftRightOne();
    void trim();

    std::vector<std::uint32_t> limbs_;  // least significant first, no leading zero limbs
};

}  // namespace korvex

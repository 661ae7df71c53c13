#include "app/numbers/big_unsigned.h"

#include <algorithm>
#include <bit>

namespace korvex {

BigUnsigned::BigUnsigned(std::uint64_t value)
{
    while (value != 0) {
        limbs_.push_back(static_cast<std::uint32_t>(value));
        value >>= 32;
    }
}

BigUnsigned BigUnsigned::fromDigits(std::string_view digits)
{
    BigUnsigned n;
    // Nine digits at a time: 10^9 still fits in a limb.
    while (!digits.empty()) {
        const std::size_t count = std::min<std::size_t>(9, digits.size());
        std::uint32_t chunk = 0;
        std::uint32_t scale = 1;
        for (std::size_t k = 0; k < count; ++k) {
            chunk = chunk * 10 + static_cast<std::uint32_t>(digits[k] - '0');
            scale *= 10;
        }
        n.multiplySmall(scale, chunk);
        digits.remove_prefix(count);
    }
    return n;
}

void BigUnsigned::multiplySmall(std::uint32_t factor, std::uint32_t addend)
{
    std::uint64_t carry = addend;
    for (std::uint32_t& limb : limbs_) {
        const std::uint64_t product = std::uint64_t{limb} * factor + carry;
        limb = static_cast<std::uint32_t>(product);
        carry = product >> 32;
    }
    if (carry != 0)
        limbs_.push_back(static_cast<std::uint32_t>(carry));
    trim();
}

void BigUnsigned::multiplyByPowerOfFive(int power)
{
    constexpr std::uint32_t fiveToThe13 = 1220703125;  // the largest power of five in a limb
    for (; power >= 13; power -= 13)
        multiplySmall(fiveToThe13);
    std::uint32_t rest = 1;
    for (; power > 0; --power)
        rest *= 5;
    multiplySmall(rest);
}

void BigUnsigned::shiftLeft(int bits)
{
    if (isZero() || bits <= 0)
        return;
    const int whole = bits / 32;
    const int part = bits % 32;
    if (part != 0) {
        std::uint32_t carry = 0;
        for (std::uint32_t& limb : limbs_) {
            const std::uint32_t next = limb >> (32 - part);
            limb = (limb << part) | carry;
            carry = next;
        }
        if (carry != 0)
            limbs_.push_back(carry);
    }
    limbs_.insert(limbs_.begin(), static_cast<std::size_t>(whole), 0);
}

void BigUnsigned::shiftRightOne()
{
    for (std::size_t k = 0; k < limbs_.size(); ++k) {
        const std::uint32_t high = k + 1 < limbs_.size() ? limbs_[k + 1] << 31 : 0;
        limbs_[k] = (limbs_[k] >> 1) | high;
    }
    trim();
}

int BigUnsigned::bitLength() const
{
    if (isZero())
        return 0;
    return static_cast<int>(32 * (limbs_.size() - 1)) + std::bit_width(limbs_.back());
}

int compare(const BigUnsigned& a, const BigUnsigned& b)
{
    if (a.limbs_.size() != b.limbs_.size())
        return a.limbs_.size() < b.limbs_.size() ? -1 : 1;
    for (std::size_t k = a.limbs_.size(); k-- > 0;) {
        if (a.limbs_[k] != b.limbs_[k])
            return a.limbs_[k] < b.limbs_[k] ? -1 : 1;
    }
    return 0;
}

void BigUnsigned::subtract(const BigUnsigned& smaller)
{
    std::int64_t borrow = 0;
    for (std::size_t k = 0; k < limbs_.size(); ++k) {
        const std::int64_t other = k < smaller.limbs_.size() ? smaller.limbs_[k] : 0;
        const std::int64_t difference = std::int64_t{limbs_[k]} - borrow - other;
        borrow = difference < 0;
        limbs_[k] = static_cast<std::uint32_t>(difference + (borrow << 32));
    }
    trim();
}

// Binary long division; the quotient is known to have at most 64 bits.
std::uint64_t BigUnsigned::divideSmallQuotient(const BigUnsigned& divisor)
{
    BigUnsigned shifted = divisor;
    shifted.shiftLeft(63);
    std::uint64_t quotient = 0;
    for (int bit = 63; bit >= 0; --bit) {
        if (compare(*this, shifted) >= 0) {
            subtract(shifted);
            quotient |= std::uint64_t{1} << bit;
        }
        shifted.shiftRightOne();
    }
    return quotient;
}

void BigUnsigned::trim()
{
    while (!limbs_.empty() && limbs_.back() == 0)
        limbs_.pop_back();
}

}  // namespace korvex

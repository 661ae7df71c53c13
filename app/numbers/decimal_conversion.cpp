#include "app/numbers/decimal_conversion.h"

#include "app/numbers/big_unsigned.h"

#include <cmath>
#include <cstdint>
#include <utility>

namespace korvex {
namespace {

constexpr int kMantissaBits = 64;
constexpr int kLowestUlpExponent = -16445;   // the smallest denormal is 2^-16445
constexpr int kHighestUlpExponent = 16320;   // the largest value is (2^64 - 1) x 2^16320
constexpr long long kHighestMagnitude = 4933;  // every value is below 10^4933
constexpr long long kLowestMagnitude = -4950;  // 10^-4951 is below half the smallest denormal

// Enough digits that every halfway point between two extended values lies on
// a digit position kept, so the digits dropped beyond can only tip a tie.
constexpr std::size_t kDigitsKept = 12000;

struct Rounded {
    std::uint64_t quotient = 0;
    bool up = false;
};

// numerator / denominator rounded to a whole number, ties to even; `above`
// says the true numerator is a little larger than the one given. The
// quotient must be below 2^64.
Rounded divideRounded(BigUnsigned numerator, const BigUnsigned& denominator, bool above)
{
    Rounded r;
    r.quotient = numerator.divideSmallQuotient(denominator);
    numerator.shiftLeft(1);
    const int half = compare(numerator, denominator);
    r.up = half > 0 || (half == 0 && (above || (r.quotient & 1) != 0));
    return r;
}

// value = numerator / denominator x 2^binaryExponent.
struct Ratio {
    BigUnsigned numerator;
    BigUnsigned denominator{1};
    int binaryExponent = 0;
};

// numerator x 2^shift / denominator, shifting whichever side keeps it whole.
Rounded scaledQuotient(const Ratio& ratio, int shift, bool above)
{
    BigUnsigned numerator = ratio.numerator;
    BigUnsigned denominator = ratio.denominator;
    if (shift >= 0)
        numerator.shiftLeft(shift);
    else
        denominator.shiftLeft(-shift);
    return divideRounded(std::move(numerator), denominator, above);
}

// m x 2^binaryExponent / 10^power rounded, in exact arithmetic of any size.
Rounded exactQuotient(Ratio ratio, int binaryExponent, int power)
{
    if (power >= 0)
        ratio.denominator.multiplyByPowerOfFive(power);
    else
        ratio.numerator.multiplyByPowerOfFive(-power);
    return scaledQuotient(ratio, binaryExponent - power, false);
}

// floor(p x log10(2)), exact for every binary exponent of the extended type.
int floorLog10OfPowerOfTwo(int p)
{
    return static_cast<int>((static_cast<std::int64_t>(p) * 1292913986) >> 32);
}

std::uint64_t powerOf(std::uint64_t base, int n)
{
    std::uint64_t value = 1;
    while (n-- > 0)
        value *= base;
    return value;
}

// Powers of five up to this one fit in 64 bits, so 10^n up to it is exact in
// the extended type.
constexpr int kExactPowersOfTen = 27;

// Most texts have few digits and a small exponent: then one multiplication or
// division, rounded by the hardware, is already the correctly rounded value.
std::optional<Extended> shortDecimal(std::string_view digits, long long exponent)
{
    if (digits.size() > 19 || exponent < -kExactPowersOfTen || exponent > kExactPowersOfTen)
        return std::nullopt;
    std::uint64_t whole = 0;
    for (const char c : digits)
        whole = whole * 10 + static_cast<std::uint64_t>(c - '0');
    const int power = static_cast<int>(exponent < 0 ? -exponent : exponent);
    const Extended scale = std::ldexp(static_cast<Extended>(powerOf(5, power)), power);
    const Extended value = static_cast<Extended>(whole);
    return exponent < 0 ? value / scale : value * scale;
}

__extension__ typedef unsigned __int128 Unsigned128;

// m x 2^binaryExponent / 10^power rounded in 128-bit arithmetic, where that
// holds every bit: the common case of values between about 10^-10 and 10^17.
std::optional<Rounded> shortQuotient(std::uint64_t m, int binaryExponent, int power)
{
    const int shift = power - binaryExponent;  // bits to drop from m x 5^-power
    if (power > 0 || power < -kExactPowersOfTen || shift < 1 || shift > 127)
        return std::nullopt;
    const Unsigned128 product = Unsigned128{m} * powerOf(5, -power);
    const Unsigned128 quotient = product >> shift;
    if (quotient >> 64 != 0)
        return std::nullopt;
    const Unsigned128 remainder = product & ((Unsigned128{1} << shift) - 1);
    const Unsigned128 half = Unsigned128{1} << (shift - 1);
    Rounded r;
    r.quotient = static_cast<std::uint64_t>(quotient);
    r.up = remainder > half || (remainder == half && (r.quotient & 1) != 0);
    return r;
}

// digits x 10^power as a ratio of whole numbers times a power of two.
Ratio decimalRatio(std::string_view digits, int power)
{
    Ratio ratio;
    ratio.numerator = BigUnsigned::fromDigits(digits);
    if (power >= 0)
        ratio.numerator.multiplyByPowerOfFive(power);
    else
        ratio.denominator.multiplyByPowerOfFive(-power);
    ratio.binaryExponent = power;
    return ratio;
}

std::optional<Extended> nearestExtended(const Ratio& ratio, bool above)
{
    // Aim for a quotient of exactly 64 bits; denormals have fewer.
    int shift = kMantissaBits - 1 - (ratio.numerator.bitLength() - ratio.denominator.bitLength());
    for (;;) {
        const bool denormal = ratio.binaryExponent - shift < kLowestUlpExponent;
        if (denormal)
            shift = ratio.binaryExponent - kLowestUlpExponent;
        Rounded r = scaledQuotient(ratio, shift, above);
        if (!denormal && r.quotient >> (kMantissaBits - 1) == 0) {
            ++shift;
            continue;
        }
        int ulpExponent = ratio.binaryExponent - shift;
        if (r.up && ++r.quotient == 0) {
            r.quotient = std::uint64_t{1} << (kMantissaBits - 1);
            ++ulpExponent;
        }
        if (ulpExponent > kHighestUlpExponent)
            return std::nullopt;
        return std::ldexp(static_cast<Extended>(r.quotient), ulpExponent);
    }
}

}  // namespace

std::optional<Extended> DecimalToExtended(std::string_view digits, long long exponent)
{
    const std::size_t first = digits.find_first_not_of('0');
    if (first == std::string_view::npos)
        return Extended{0};
    digits.remove_prefix(first);
    const std::size_t last = digits.find_last_not_of('0');
    exponent += static_cast<long long>(digits.size() - 1 - last);
    digits.remove_suffix(digits.size() - 1 - last);

    const long long magnitude = static_cast<long long>(digits.size()) + exponent;  // value < 10^magnitude
    if (magnitude > kHighestMagnitude)
        return std::nullopt;
    if (magnitude < kLowestMagnitude)
        return Extended{0};
    if (const std::optional<Extended> value = shortDecimal(digits, exponent))
        return value;
    bool above = false;
    if (digits.size() > kDigitsKept) {
        exponent += static_cast<long long>(digits.size() - kDigitsKept);
        digits.remove_suffix(digits.size() - kDigitsKept);
        above = true;  // the dropped digits end in a non-zero one
    }

    return nearestExtended(decimalRatio(digits, static_cast<int>(exponent)), above);
}

DecimalDigits ExtendedToDecimal(Extended x, int count)
{
    int binaryExponent = 0;
    const Extended fraction = std::frexp(std::fabs(x), &binaryExponent);  // in [0.5, 1)
    const auto mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, kMantissaBits));
    binaryExponent -= kMantissaBits;
    const Ratio ratio{BigUnsigned(mantissa)};

    const std::uint64_t lowest = powerOf(10, count - 1);
    const std::uint64_t highest = lowest * 10;
    // |x| / 10^power lies in [10^(count - 1), 10^(count + 1)): one step at most.
    int power = floorLog10OfPowerOfTwo(binaryExponent + kMantissaBits - 1) - (count - 1);
    for (;;) {
        const std::optional<Rounded> quick = shortQuotient(mantissa, binaryExponent, power);
        Rounded r = quick ? *quick : exactQuotient(ratio, binaryExponent, power);
        if (r.quotient >= highest || r.quotient < lowest) {
            power += r.quotient >= highest ? 1 : -1;
            continue;
        }
        if (r.up && ++r.quotient == highest) {
            r.quotient = lowest;
            ++power;
        }
        return {std::to_string(r.quotient), power + count};
    }
}

}  // namespace korvex

#pragma once
// Exact conversions between decimal digits and the extended type, both
// correctly rounded (an exact half going to the even neighbour). They use
// neither the C library's conversions nor its locale, so every system gives
// the same figures.

#include "app/numbers/numbers.h"

#include <optional>
#include <string>
#include <string_view>

namespace korvex {

// digits (decimal digits only, possibly none) x 10^exponent, rounded to the
// extended type. Nothing when that is beyond the extended range; a value
// below it becomes a denormal or zero.
std::optional<Extended> DecimalToExtended(std::string_view digits, long long exponent);

// |x| = 0.d1d2...dn x 10^exponent rounded to n significant digits (d1 not 0).
struct DecimalDigits {
    std::string digits;
    int exponent = 0;
};
// For finite, non-zero x and 1 <= count <= 18.
DecimalDigits ExtendedToDecimal(Extended x, int count);

}  // namespace korvex

#pragma once
// How a calculator field reads what the user typed: which characters are
// dropped, the rounding, the bounds and the exact messages, the normalised
// text it shows afterwards, and which keys it refuses while typing.

#include "projections/fmt.h"

#include <stdexcept>
#include <string>
#include <string_view>

namespace korvex {

// An input the calculation cannot take; the message names the field.
class InputError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

enum class FieldFormat { Money, Number, Percent };

struct FieldRule {
    std::string label;
    FieldFormat format = FieldFormat::Number;
    int decimals = 0;
    double minimum = 0;
    double maximum = 0;

    // The value as the field shows it; a percent field holds 2.00 for 2 %.
    std::string text(double value, const Fmt& fmt) const;
    // The value of a text, rounded and within the bounds; throws InputError.
    double read(std::string_view text, const Fmt& fmt) const;
    // A value from elsewhere (a slider) must keep to the same bounds.
    double checked(double value, const Fmt& fmt) const;
    // Keys a user may not type into this field.
    bool refuses(char32_t character, const Fmt& fmt) const;
};

} // namespace korvex

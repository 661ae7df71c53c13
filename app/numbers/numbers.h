#pragma once
// Reading numbers typed by the user and writing numbers for display, with the
// rounding and separator rules every native calculator of the program shares.

#include <cfloat>
#include <cstdint>
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>

namespace korvex {

using Extended = long double;
// Every figure is computed in the 80-bit extended type; with a long double
// that is only a double the answers would differ in their last digits.
static_assert(LDBL_MANT_DIG == 64,
              "long double must be the 80-bit extended type (64-bit mantissa): build with GCC on x86-64, "
              "on Windows with the Qt MinGW kit (MinGW-w64), not with MSVC");

struct FormatSettings {
    char decimalSeparator = '.';
    char thousandSeparator = ',';  // '\0' = none
};
FormatSettings& formatSettings();  // process-wide; set from the user's locale at start-up

Extended ParseNumber(std::string_view text, Extended defaultValue);
std::int32_t ParseWholeNumber(std::string_view text, std::int32_t defaultValue);

using FormatValue = std::variant<Extended, std::int64_t, std::string>;
std::string FormatText(std::string_view pattern, std::initializer_list<FormatValue> values);
std::string FormatNumber(std::string_view picture, Extended x);
std::string WholeNumberToText(std::int64_t n);
std::int64_t RoundToWhole(Extended x);

struct FloatError : std::runtime_error {
    using std::runtime_error::runtime_error;
};  // what(): the exact message

}  // namespace korvex

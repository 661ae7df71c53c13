#pragma once
// The simulator's own number rules: what the entry fields accept and how
// doubles are written back into the fields. They follow the panel's
// heritage (plain decimal text, shortest round-trip digits), not the
// locale-aware rules of the native calculators.

#include <optional>
#include <string>
#include <string_view>

namespace korvex {

// An optional sign, digits with an optional point and fraction (at least one
// digit), an optional exponent; blanks around it are ignored. Too large a
// magnitude reads as an infinity, too small a one as zero, as a parser that
// rounds would give; words such as "NaN" or "Infinity" do not read.
std::optional<double> readDecimal(std::string_view text);

// An optional minus sign and digits, nothing else; values outside the int
// range do not read.
std::optional<int> readDecimalInteger(std::string_view text);

// The shortest text that reads back as the same double, always with a digit
// after the point: plain from 0.001 up to 10,000,000, otherwise like 1.0E-4.
std::string displayText(double value);

}  // namespace korvex

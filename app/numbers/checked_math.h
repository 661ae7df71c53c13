#pragma once
// Arithmetic that reports division by zero, invalid operations and overflow
// as FloatError instead of producing infinities or not-a-numbers.

#include "app/numbers/numbers.h"

namespace korvex {

inline constexpr const char* kDivisionByZero = "Floating point division by zero";
inline constexpr const char* kInvalidOperation = "Invalid floating point operation";
inline constexpr const char* kOverflow = "Floating point overflow";

Extended Divide(Extended dividend, Extended divisor);
Extended Multiply(Extended a, Extended b);
// Rounds to double precision, as storing a value in a double variable does.
double StoreDouble(Extended x);

}  // namespace korvex

#include "app/numbers/checked_math.h"

#include <cmath>

namespace korvex {

namespace {

// Judges a result from finite operands: an infinity is an overflow, a
// not-a-number an invalid operation.
Extended checkedResult(Extended result)
{
    if (std::isnan(result))
        throw FloatError(kInvalidOperation);
    if (std::isinf(result))
        throw FloatError(kOverflow);
    return result;
}

}  // namespace

Extended Divide(Extended dividend, Extended divisor)
{
    if (divisor == 0)
        throw FloatError(dividend == 0 || std::isnan(dividend) ? kInvalidOperation : kDivisionByZero);
    return checkedResult(dividend / divisor);
}

Extended Multiply(Extended a, Extended b) { return checkedResult(a * b); }

double StoreDouble(Extended x)
{
    if (std::isnan(x))
        throw FloatError(kInvalidOperation);
    const double stored = static_cast<double>(x);
    if (std::isinf(stored))
        throw FloatError(kOverflow);
    return stored;
}

}  // namespace korvex

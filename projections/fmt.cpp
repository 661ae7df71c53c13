#include "projections/fmt.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace korvex {

namespace {

// Decimals beyond this cannot change a double's text any more.
constexpr int kMostDecimals = 15;

double powerOfTen(int decimals)
{
    double power = 1;
    for (int i = 0; i < decimals; ++i)
        power *= 10;
    return power;
}

// The digits of a whole, non-negative double of any size.
std::string wholeDigits(double whole)
{
    char digits[400];
    std::snprintf(digits, sizeof digits, "%.0f", whole);
    return digits;
}

std::string grouped(const std::string& digits, char separator)
{
    std::string out;
    out.reserve(digits.size() + digits.size() / 3);
    const std::size_t lead = digits.size() % 3 == 0 ? 3 : digits.size() % 3;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i >= lead && (i - lead) % 3 == 0)
            out += separator;
        out += digits[i];
    }
    return out;
}

} // namespace

Fmt::Fmt(std::string currencyPrefix, bool europeDecimals)
    : prefix_(std::move(currencyPrefix))
    , europe_(europeDecimals)
{
}

double Fmt::round(double value, int decimals)
{
    decimals = std::clamp(decimals, 0, kMostDecimals);
    if (decimals == 0)
        return std::floor(value + 0.5);
    const double power = powerOfTen(decimals);
    return std::floor(value * power + 0.5) / power;
}

std::string Fmt::dollars(double value, int decimals) const
{
    return format(value, decimals, prefix_, "");
}

std::string Fmt::number(double value, int decimals) const
{
    return format(value, decimals, "", "");
}

std::string Fmt::percent(double value, int decimals) const
{
    return format(value * 100, decimals, "", "%");
}

std::string Fmt::format(double value, int decimals, std::string_view prefix, std::string_view suffix) const
{
    decimals = std::clamp(decimals, 0, kMostDecimals);
    const double rounded = round(value, decimals);
    std::string out = rounded < 0 ? "-" : "";
    out += prefix;
    const double magnitude = std::fabs(rounded);
    if (!std::isfinite(magnitude)) {
        out += std::isnan(magnitude) ? "NaN" : "Infinity";
        out += suffix;
        return out;
    }
    const double whole = std::trunc(magnitude);
    const std::string digits = wholeDigits(whole);
    out += magnitude > 999 ? grouped(digits, thousandsSeparator()) : digits;
    if (decimals > 0) {
        const double power = powerOfTen(decimals);
        double fraction = std::floor(magnitude * power + 0.5) - whole * power;
        fraction = std::clamp(fraction, 0.0, power - 1); // beyond 2^53 the subtraction can drift
        std::string fractionDigits = wholeDigits(fraction);
        fractionDigits.insert(0,
            static_cast<std::size_t>(decimals)
                - std::min<std::size_t>(fractionDigits.size(), static_cast<std::size_t>(decimals)),
            '0');
        out += decimalPoint();
        out += fractionDigits;
    }
    out += suffix;
    return out;
}

} // namespace korvex

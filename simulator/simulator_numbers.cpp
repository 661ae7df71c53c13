#include "simulator/simulator_numbers.h"

#include "app/numbers/ascii_text.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace korvex {

namespace {

// The power of ten of the leading non-zero digit of a valid, non-zero
// mantissa and exponent. Only its sign matters, so it saturates.
long long leadingPower(std::string_view digits, std::string_view exponent)
{
    long long power = 0;
    bool seenPoint = false;
    bool found = false;
    long long integerDigits = 0;
    long long leadingFractionZeros = 0;
    for (const char c : digits) {
        if (c == '.') {
            seenPoint = true;
        } else if (!found && c == '0') {
            if (seenPoint)
                ++leadingFractionZeros;
        } else {
            if (!found && seenPoint)
                power = -leadingFractionZeros - 1;
            found = true;
            if (!seenPoint)
                ++integerDigits;
        }
    }
    if (integerDigits > 0)
        power = integerDigits - 1;
    long long exp = 0;
    bool negative = false;
    for (const char c : exponent) {
        if (c == '-')
            negative = true;
        else if (isAsciiDigit(c) && exp < 1'000'000'000)
            exp = exp * 10 + (c - '0');
    }
    return power + (negative ? -exp : exp);
}

}  // namespace

std::optional<double> readDecimal(std::string_view text)
{
    text = trimmedText(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    std::size_t i = 0;
    std::size_t digitCount = 0;
    while (i < text.size() && isAsciiDigit(text[i]))
        ++i, ++digitCount;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && isAsciiDigit(text[i]))
            ++i, ++digitCount;
    }
    if (digitCount == 0)
        return std::nullopt;
    const std::string_view mantissa = text.substr(0, i);
    std::string_view exponent;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-'))
            ++j;
        const std::size_t firstDigit = j;
        while (j < text.size() && isAsciiDigit(text[j]))
            ++j;
        if (j == firstDigit)
            return std::nullopt;
        exponent = text.substr(i + 1, j - i - 1);
        i = j;
    }
    if (i != text.size())
        return std::nullopt;

    double value = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error == std::errc::result_out_of_range)
        value = leadingPower(mantissa, exponent) > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    else if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return negative ? -value : value;
}

std::optional<int> readDecimalInteger(std::string_view text)
{
    if (text.empty() || (text.front() != '-' && !isAsciiDigit(text.front())))
        return std::nullopt;
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::string displayText(double value)
{
    if (std::isnan(value))
        return "NaN";
    if (std::isinf(value))
        return value > 0 ? "Infinity" : "-Infinity";
    if (value == 0.0)
        return std::signbit(value) ? "-0.0" : "0.0";

    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific);
    const std::string_view scientific(buffer, static_cast<std::size_t>(result.ptr - buffer));
    const std::size_t e = scientific.find('e');
    std::string digits;
    for (const char c : scientific.substr(0, e))
        if (isAsciiDigit(c))
            digits += c;
    int exponent = 0;
    const std::string_view exponentText = scientific.substr(e + 1);
    std::from_chars(exponentText.data() + (exponentText.front() == '+' ? 1 : 0),
                    exponentText.data() + exponentText.size(), exponent);

    std::string text = value < 0 ? "-" : "";
    const double magnitude = std::fabs(value);
    if (magnitude >= 1e-3 && magnitude < 1e7) {
        if (exponent < 0) {
            text += "0.";
            text.append(static_cast<std::size_t>(-exponent - 1), '0');
            text += digits;
        } else {
            const auto integerDigits = static_cast<std::size_t>(exponent) + 1;
            if (digits.size() < integerDigits + 1)
                digits.append(integerDigits + 1 - digits.size(), '0');
            text += digits.substr(0, integerDigits);
            text += '.';
            text += digits.substr(integerDigits);
        }
    } else {
        text += digits.front();
        text += '.';
        text += digits.size() > 1 ? digits.substr(1) : "0";
        text += 'E';
        text += std::to_string(exponent);
    }
    return text;
}

}  // namespace korvex

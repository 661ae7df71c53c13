#include "app/numbers/numbers.h"

#include "app/numbers/ascii_text.h"
#include "app/numbers/decimal_conversion.h"

#include <cmath>
#include <optional>

namespace korvex {

FormatSettings& formatSettings()
{
    static FormatSettings settings;
    return settings;
}

namespace {

// Appends the digits starting at text[i] to out; returns how many were taken.
std::size_t takeDigits(std::string_view text, std::size_t& i, std::string& out)
{
    const std::size_t start = i;
    while (i < text.size() && isAsciiDigit(text[i]))
        out += text[i++];
    return i - start;
}

void skipSpaces(std::string_view text, std::size_t& i)
{
    while (i < text.size() && text[i] == ' ')
        ++i;
}

// The exponent's digits are read only until it reaches 500, so a longer
// exponent leaves a digit behind and the text fails.
int takeExponent(std::string_view text, std::size_t& i)
{
    if (i >= text.size() || (text[i] != 'E' && text[i] != 'e'))
        return 0;
    ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    int exponent = 0;
    while (i < text.size() && isAsciiDigit(text[i]) && exponent < 500)
        exponent = exponent * 10 + (text[i++] - '0');
    return negative ? -exponent : exponent;
}

}  // namespace

Extended ParseNumber(std::string_view text, Extended defaultValue)
{
    std::size_t i = 0;
    skipSpaces(text, i);
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    std::string digits;
    std::size_t taken = takeDigits(text, i, digits);
    long long exponent = 0;
    if (i < text.size() && text[i] == formatSettings().decimalSeparator) {
        ++i;
        ++taken;
        exponent = -static_cast<long long>(takeDigits(text, i, digits));
    }
    if (taken == 0)
        return defaultValue;
    exponent += takeExponent(text, i);
    skipSpaces(text, i);
    if (i != text.size())
        return defaultValue;
    const std::optional<Extended> value = DecimalToExtended(digits, exponent);
    if (!value)
        return defaultValue;
    return negative ? -*value : *value;
}

std::int32_t ParseWholeNumber(std::string_view text, std::int32_t defaultValue)
{
    std::size_t i = 0;
    skipSpaces(text, i);
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    int base = 10;
    if (i < text.size() && (text[i] == '$' || text[i] == 'x' || text[i] == 'X')) {
        base = 16;
        ++i;
    } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    constexpr std::int64_t limit = 2147483648LL;  // magnitude of the lowest value
    std::int64_t magnitude = 0;
    std::size_t digits = 0;
    for (; i < text.size(); ++i, ++digits) {
        const char c = text[i];
        const int digit = base == 16 ? hexDigitValue(c) : (isAsciiDigit(c) ? c - '0' : -1);
        if (digit < 0)
            return defaultValue;
        magnitude = magnitude * base + digit;
        if (magnitude > limit)
            return defaultValue;
    }
    if (digits == 0 || (!negative && magnitude == limit))
        return defaultValue;
    return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

namespace {

// A value as 0.d1d2...dn x 10^exponent after the display rounding; an empty
// digit string is zero, and zero is never negative.
struct Decimal {
    std::string digits;
    int exponent = 0;
    bool negative = false;
};

constexpr int kSignificantDigits = 18;

void roundUpLastDigit(Decimal& d)
{
    int k = static_cast<int>(d.digits.size()) - 1;
    while (k >= 0 && d.digits[k] == '9')
        d.digits[k--] = '0';
    if (k >= 0) {
        ++d.digits[k];
    } else {
        d.digits.assign(1, '1');
        ++d.exponent;
    }
}

// Rounds to 18 significant digits (ties to even, as the exact binary value
// dictates), then half away from zero to the given number of decimals.
Decimal roundedDecimal(Extended x, int decimals)
{
    Decimal d;
    if (x == 0)
        return d;
    DecimalDigits exact = ExtendedToDecimal(x, kSignificantDigits);
    d.digits = std::move(exact.digits);
    d.exponent = exact.exponent;
    d.negative = x < 0;

    const int keep = d.exponent + decimals;
    if (keep < 0)
        return Decimal{};
    if (keep < kSignificantDigits) {
        const bool up = d.digits[keep] >= '5';
        d.digits.resize(keep);
        if (up)
            roundUpLastDigit(d);
    }
    while (!d.digits.empty() && d.digits.back() == '0')
        d.digits.pop_back();
    if (d.digits.empty())
        return Decimal{};
    return d;
}

std::string integerPart(const Decimal& d)
{
    if (d.exponent <= 0)
        return "0";
    std::string part = d.digits.substr(0, d.exponent);
    part.resize(d.exponent, '0');
    return part;
}

// The digits after the decimal separator, exactly `decimals` of them.
std::string fractionPart(const Decimal& d, int decimals)
{
    std::string part;
    if (d.exponent < 0)
        part.assign(std::min(-d.exponent, decimals), '0');
    if (d.exponent < static_cast<int>(d.digits.size()))
        part += d.digits.substr(std::max(d.exponent, 0));
    part.resize(decimals, '0');
    return part;
}

std::string grouped(const std::string& digits, char separator)
{
    if (separator == '\0')
        return digits;
    std::string out;
    for (std::size_t k = 0; k < digits.size(); ++k) {
        if (k > 0 && (digits.size() - k) % 3 == 0)
            out += separator;
        out += digits[k];
    }
    return out;
}

std::string scientific(const Decimal& d, int decimals)
{
    std::string out = d.negative ? "-" : "";
    out += d.digits[0];
    if (d.digits.size() > 1) {
        out += formatSettings().decimalSeparator;
        out += d.digits.substr(1);
    }
    out += 'E';
    const int power = d.exponent - 1;
    if (power < 0)
        out += '-';
    std::string powerText = std::to_string(std::abs(power));
    if (decimals <= 4 && static_cast<int>(powerText.size()) < decimals)
        powerText.insert(0, decimals - powerText.size(), '0');
    return out + powerText;
}

std::string nonFinite(Extended x)
{
    if (std::isnan(x))
        return "NAN";
    return x < 0 ? "-INF" : "INF";
}

std::string fixedPoint(Extended x, int decimals, bool withThousands)
{
    if (!std::isfinite(x))
        return nonFinite(x);
    const Decimal d = roundedDecimal(x, decimals);
    if (d.exponent > kSignificantDigits)
        return scientific(d, decimals);
    std::string out = d.negative ? "-" : "";
    const FormatSettings& settings = formatSettings();
    out += withThousands ? grouped(integerPart(d), settings.thousandSeparator) : integerPart(d);
    if (decimals > 0) {
        out += settings.decimalSeparator;
        out += fractionPart(d, decimals);
    }
    return out;
}

[[noreturn]] void formatError(std::string_view pattern, bool missingArgument)
{
    const std::string text(pattern);
    throw std::invalid_argument(missingArgument ? "No argument for format '" + text + "'"
                                                : "Format '" + text + "' invalid or incompatible with argument");
}

struct Directive {
    int width = 0;
    int precision = -1;  // none
    char type = 0;
};

constexpr int kMaxWidth = 4096;

int readCount(std::string_view pattern, std::size_t& i)
{
    int value = 0;
    while (i < pattern.size() && isAsciiDigit(pattern[i])) {
        value = value * 10 + (pattern[i++] - '0');
        if (value > kMaxWidth)
            formatError(pattern, false);
    }
    return value;
}

// Reads the directive after the "%" at pattern[i - 1]; leaves i after its type letter.
Directive readDirective(std::string_view pattern, std::size_t& i)
{
    Directive d;
    d.width = readCount(pattern, i);
    if (i < pattern.size() && pattern[i] == '.') {
        ++i;
        d.precision = readCount(pattern, i);
    }
    if (i >= pattern.size())
        formatError(pattern, false);
    const char letter = pattern[i++];
    d.type = static_cast<char>(letter >= 'A' && letter <= 'Z' ? letter - 'A' + 'a' : letter);
    if (d.type != 'n' && d.type != 'f' && d.type != 'd' && d.type != 's')
        formatError(pattern, false);
    return d;
}

std::string directiveText(std::string_view pattern, const Directive& d, const FormatValue& value)
{
    switch (d.type) {
    case 'n':
    case 'f':
        if (const Extended* x = std::get_if<Extended>(&value))
            return fixedPoint(*x, d.precision < 0 ? 2 : d.precision, d.type == 'n');
        break;
    case 'd':
        if (const std::int64_t* n = std::get_if<std::int64_t>(&value))
            return WholeNumberToText(*n);
        break;
    default:
        if (const std::string* s = std::get_if<std::string>(&value))
            return *s;
        break;
    }
    formatError(pattern, false);
}

}  // namespace

std::string FormatText(std::string_view pattern, std::initializer_list<FormatValue> values)
{
    std::string out;
    auto next = values.begin();
    for (std::size_t i = 0; i < pattern.size();) {
        const char c = pattern[i++];
        if (c != '%') {
            out += c;
            continue;
        }
        if (i < pattern.size() && pattern[i] == '%') {
            out += '%';
            ++i;
            continue;
        }
        const Directive d = readDirective(pattern, i);
        if (next == values.end())
            formatError(pattern, true);
        const std::string text = directiveText(pattern, d, *next++);
        if (static_cast<int>(text.size()) < d.width)
            out.append(d.width - text.size(), ' ');
        out += text;
    }
    return out;
}

std::string FormatNumber(std::string_view picture, Extended x)
{
    if (!std::isfinite(x))
        return nonFinite(x);
    int decimals = 0;
    for (const char c : picture)
        decimals += c == '#';
    const Decimal d = roundedDecimal(x, decimals);
    std::string out = d.negative ? "-" : "";
    out += integerPart(d);
    std::string fraction = fractionPart(d, decimals);
    while (!fraction.empty() && fraction.back() == '0')
        fraction.pop_back();
    if (!fraction.empty()) {
        out += formatSettings().decimalSeparator;
        out += fraction;
    }
    return out;
}

std::string WholeNumberToText(std::int64_t n) { return std::to_string(n); }

std::int64_t RoundToWhole(Extended x)
{
    const Extended rounded = std::nearbyint(x);  // ties to even in the default rounding mode
    if (!(rounded >= -9223372036854775808.0L && rounded < 9223372036854775808.0L))
        throw FloatError("Invalid floating point operation");
    return static_cast<std::int64_t>(rounded);
}

}  // namespace korvex

#include "projections/field_rule.h"

#include "projections/panel_parameters.h"

#include <cmath>

namespace korvex {

namespace {

bool isLetter(char32_t c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// Drops decoration (letters, blanks, currency and percent signs, grouping),
// turns "(" into "-", and leaves everything else for the number reader to judge.
std::string stripped(std::string_view text, const Fmt& fmt)
{
    std::string rest;
    const std::string_view prefix = fmt.currencyPrefix();
    const std::string_view pound = "\xC2\xA3";
    for (std::size_t i = 0; i < text.size();) {
        if (!prefix.empty() && text.substr(i, prefix.size()) == prefix) {
            i += prefix.size();
            continue;
        }
        if (text.substr(i, pound.size()) == pound) {
            i += pound.size();
            continue;
        }
        const char c = text[i++];
        if (isLetter(static_cast<unsigned char>(c)) || c == '\t' || c == ' ' || c == '$' || c == '%'
            || c == ')' || c == '/' || c == '<' || c == '>' || c == fmt.thousandsSeparator())
            continue;
        if (c == '(')
            rest += '-';
        else if (c == fmt.decimalPoint())
            rest += '.';
        else
            rest += c;
    }
    // Control characters at the ends are blanks to a number reader.
    while (!rest.empty() && static_cast<unsigned char>(rest.front()) < ' ')
        rest.erase(0, 1);
    while (!rest.empty() && static_cast<unsigned char>(rest.back()) < ' ')
        rest.pop_back();
    return rest;
}

} // namespace

std::string FieldRule::text(double value, const Fmt& fmt) const
{
    switch (format) {
    case FieldFormat::Money:
        return fmt.dollars(value, decimals);
    case FieldFormat::Percent:
        return fmt.percent(value / 100, decimals);
    case FieldFormat::Number:
        break;
    }
    return fmt.number(value, decimals);
}

double FieldRule::read(std::string_view input, const Fmt& fmt) const
{
    const std::string rest = stripped(input, fmt);
    double value = 0;
    if (!rest.empty()) {
        const auto parsed = ParsePlainDecimal(rest);
        if (!parsed)
            throw InputError("Please enter a valid " + label + ".");
        value = *parsed;
    }
    return checked(Fmt::round(value, decimals), fmt);
}

double FieldRule::checked(double value, const Fmt& fmt) const
{
    if (value < minimum)
        throw InputError(label + " must be greater than or equal to " + text(minimum, fmt) + ".");
    if (value > maximum)
        throw InputError(label + " must be less than or equal to " + text(maximum, fmt) + ".");
    if (std::isnan(value))
        throw InputError("Please enter a valid " + label + ".");
    return value;
}

bool FieldRule::refuses(char32_t c, const Fmt& fmt) const
{
    if (isLetter(c))
        return true;
    switch (c) {
    case '!':
    case '@':
    case '#':
    case '^':
    case '&':
    case '*':
    case '_':
    case '+':
    case '=':
    case '{':
    case '}':
    case '[':
    case ']':
    case '|':
    case '\\':
    case ';':
    case ':':
    case '\'':
    case '"':
    case '<':
    case '>':
    case '?':
    case '~':
    case '/':
    case '`':
    case '-':
        return true;
    default:
        break;
    }
    return decimals == 0 && c == static_cast<char32_t>(fmt.decimalPoint());
}

} // namespace korvex

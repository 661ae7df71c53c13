#include "projections/panel_parameters.h"

#include "app/numbers/ascii_text.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace korvex {

PanelParameters::PanelParameters(std::vector<NamedText> parameters)
    : parameters_(std::move(parameters))
{
}

std::optional<std::string> PanelParameters::find(std::string_view name) const
{
    for (const auto& [key, value] : parameters_)
        if (equalsIgnoringCase(key, name))
            return value;
    return std::nullopt;
}

std::string PanelParameters::text(std::string_view name, std::string_view fallback) const
{
    return find(name).value_or(std::string(fallback));
}

double PanelParameters::number(std::string_view name, double fallback) const
{
    const auto value = find(name);
    if (!value)
        return fallback;
    const std::string_view text = trimmedText(*value);
    if (text.empty())
        return 0;
    const auto parsed = ParsePlainDecimal(text);
    return parsed && std::isfinite(*parsed) ? *parsed : fallback;
}

int PanelParameters::wholeNumber(std::string_view name, int fallback) const
{
    const auto value = find(name);
    if (!value)
        return fallback;
    std::string_view text = *value;
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    int number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return fallback;
    return number;
}

bool PanelParameters::yesNo(std::string_view name, bool fallback) const
{
    const auto value = find(name);
    if (!value)
        return fallback;
    const std::string_view text = trimmedText(*value);
    if (equalsIgnoringCase(text, "TRUE"))
        return true;
    if (equalsIgnoringCase(text, "FALSE"))
        return false;
    return fallback;
}

std::uint32_t PanelParameters::colour(std::string_view name, std::uint32_t fallback) const
{
    const auto value = find(name);
    if (!value)
        return fallback;
    if (value->size() != 6)
        return 0;
    std::uint32_t rgb = 0;
    const auto [end, error] = std::from_chars(value->data(), value->data() + 6, rgb, 16);
    return error == std::errc() && end == value->data() + 6 ? rgb : 0;
}

std::optional<double> ParsePlainDecimal(std::string_view text)
{
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    bool digit = false;
    bool point = false;
    for (const char c : text) {
        if (c >= '0' && c <= '9')
            digit = true;
        else if (c == '.' && !point)
            point = true;
        else
            return std::nullopt;
    }
    if (!digit)
        return std::nullopt;
    double value = 0;
    const auto [end, error]
        = std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
    if (error == std::errc::result_out_of_range) {
        // Beyond a double: too large, or a fraction too small to tell from 0.
        const std::string_view whole = text.substr(0, text.find('.'));
        const bool large = whole.find_first_not_of('0') != std::string_view::npos;
        value = large ? std::numeric_limits<double>::infinity() : 0.0;
    } else if (error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return negative ? -value : value;
}

} // namespace korvex

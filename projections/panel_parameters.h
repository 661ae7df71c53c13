#pragma once
// The named text parameters a host document passes to a panel, read by the
// panel's rules for texts, numbers, whole numbers, yes/no and colours.

#include "app/documents/host_document.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korvex {

class PanelParameters {
public:
    PanelParameters() = default;
    explicit PanelParameters(std::vector<NamedText> parameters);

    std::optional<std::string> find(std::string_view name) const;

    std::string text(std::string_view name, std::string_view fallback) const;
    // Plain decimal: empty reads 0, unreadable gives the fallback.
    double number(std::string_view name, double fallback) const;
    // Plain integer in 32 bits; anything else gives the fallback.
    int wholeNumber(std::string_view name, int fallback) const;
    // "TRUE" or "FALSE", trimmed and in any case; anything else gives the fallback.
    bool yesNo(std::string_view name, bool fallback) const;
    // 0xRRGGBB from six hexadecimal digits; a value of another length is black.
    std::uint32_t colour(std::string_view name, std::uint32_t fallback) const;

private:
    std::vector<NamedText> parameters_;
};

// A plain decimal number: optional sign, digits with one optional point.
std::optional<double> ParsePlainDecimal(std::string_view text);

} // namespace korvex

#pragma once
// The number texts of the profit projections: amounts, counts and
// percentages, rounded half up and grouped in thousands. These rules are the
// panel's and the report's own, separate from the native calculators'.

#include <string>
#include <string_view>

namespace korvex {

class Fmt {
public:
    Fmt() = default;
    // European decimals swap the roles of "." and ",".
    Fmt(std::string currencyPrefix, bool europeDecimals);

    std::string dollars(double value) const { return dollars(value, 0); }
    std::string dollars(double value, int decimals) const;
    std::string number(double value) const { return number(value, 0); }
    std::string number(double value, int decimals) const;
    // The value is a fraction: 0.02 gives "2.00%".
    std::string percent(double value, int decimals) const;

    // Half up: floor(value * 10^decimals + 0.5) / 10^decimals.
    static double round(double value, int decimals);

    const std::string& currencyPrefix() const { return prefix_; }
    char decimalPoint() const { return europe_ ? ',' : '.'; }
    char thousandsSeparator() const { return europe_ ? '.' : ','; }

private:
    std::string format(double value, int decimals, std::string_view prefix, std::string_view suffix) const;

    std::string prefix_ = "$";
    bool europe_ = false;
};

} // namespace korvex

// Any text must parse, format and round-trip without crashing:
// - a number that ParseNumber accepts reads back from its "%.3f" text within
//   the display rounding (half a thousandth plus the 18-digit rounding);
// - a whole number that ParseWholeNumber accepts reads back from its text;
// - FormatNumber("0.##") equals "%.2f" without trailing zeros;
// - FormatText on an arbitrary pattern either formats or reports a bad pattern.
#include "app/numbers/numbers.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <string>

using korvex::Extended;

namespace {

void checkNumber(const std::string& text)
{
    const Extended nan = std::numeric_limits<Extended>::quiet_NaN();
    const Extended x = korvex::ParseNumber(text, nan);
    if (std::isnan(x))
        return;
    const std::string shown = korvex::FormatText("%.3f", {x});
    const Extended back = korvex::ParseNumber(shown, nan);
    if (std::isnan(back) || std::fabs(back - x) > 0.0005L * (1 + 1e-12L) + std::fabs(x) * 1e-17L)
        std::abort();
    if (std::fabs(x) < 1e17L) {
        std::string trimmed = korvex::FormatText("%.2f", {x});
        while (trimmed.back() == '0')
            trimmed.pop_back();
        if (trimmed.back() == '.')
            trimmed.pop_back();
        if (trimmed == "-0")
            trimmed = "0";
        if (korvex::FormatNumber("0.##", x) != trimmed)
            std::abort();
    }
}

void checkWholeNumber(const std::string& text)
{
    const std::int32_t a = korvex::ParseWholeNumber(text, 0);
    if (a != korvex::ParseWholeNumber(text, 1))
        return;  // not a whole number
    if (korvex::ParseWholeNumber(korvex::WholeNumberToText(a), 7) != a)
        std::abort();
}

void checkPattern(const std::string& pattern, const std::string& text)
{
    const Extended x = korvex::ParseNumber(text, 1.5L);
    try {
        const std::string out = korvex::FormatText(pattern, {x, std::int64_t{-42}, text, x});
        if (out.size() > pattern.size() * 4200 + 20000)
            std::abort();
    } catch (const std::invalid_argument&) {
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string input(reinterpret_cast<const char*>(data), size);
    const std::size_t split = input.find('\n');
    const std::string text = input.substr(0, split);
    checkNumber(text);
    checkWholeNumber(text);
    if (split != std::string::npos)
        checkPattern(input.substr(split + 1), text);
    return 0;
}

#include "simulator/curves_csv.h"

#include <array>
#include <charconv>

namespace korvex {

std::string shortestPlainText(double value)
{
    // Room for the longest fixed form of a double: 309 digits, sign and point.
    std::array<char, 330> text{};
    const auto result = std::to_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
    return std::string(text.data(), result.ptr);
}

std::string curvesCsv(const CurveTable& runningDepths)
{
    const int curves = runningDepths.rows();
    std::string csv = "Trade";
    for (int c = 1; c <= curves; ++c)
        csv += ",Curve " + std::to_string(c);
    csv += "\r\n";
    // Most values take a few characters; 1,000 curves make about 3 MB.
    csv.reserve(static_cast<std::size_t>(runningDepths.entries()) * static_cast<std::size_t>(curves + 1) * 8);
    for (int t = 0; t < runningDepths.entries(); ++t) {
        csv += std::to_string(t);
        for (int c = 0; c < curves; ++c) {
            csv += ',';
            csv += shortestPlainText(200.0 - runningDepths.at(c, t));
        }
        csv += "\r\n";
    }
    return csv;
}

}  // namespace korvex

#include "simulator/simulator_numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace korvex {
namespace {

constexpr double Infinity = std::numeric_limits<double>::infinity();

TEST(ReadDecimal, ReadsPlainAndExponentFormsAndNothingElse)
{
    const std::pair<const char*, std::optional<double>> cases[] = {
        {"  2.5\t", 2.5},   {"+3", 3.0},        {".5", 0.5},          {"5.", 5.0},
        {"-1.5e+2", -150.0}, {"1E-3", 0.001},   {"1e400", Infinity},  {"-1000e306", -Infinity},
        {"1e-400", 0.0},    {"0.0001e310", 1e306}, {"", std::nullopt}, {".", std::nullopt},
        {"1e", std::nullopt}, {"1.2.3", std::nullopt}, {"1,5", std::nullopt}, {"0x10", std::nullopt},
        {"NaN", std::nullopt}, {"Infinity", std::nullopt}, {"inf", std::nullopt}, {"1d", std::nullopt},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(readDecimal(text), expected) << '"' << text << '"';
}

TEST(ReadDecimalInteger, TakesAMinusSignAndDigitsInTheIntRangeOnly)
{
    const std::pair<const char*, std::optional<int>> cases[] = {
        {"007", 7},           {"-5", -5},         {"2147483647", 2147483647}, {"2147483648", std::nullopt},
        {"+5", std::nullopt}, {" 5", std::nullopt}, {"1.0", std::nullopt},    {"-", std::nullopt},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(readDecimalInteger(text), expected) << '"' << text << '"';
}

TEST(DisplayText, ShortestRoundTripPlainOrWithExponent)
{
    const std::pair<double, const char*> cases[] = {
        {1.0, "1.0"},
        {-0.0, "-0.0"},
        {0.39999999999999997, "0.39999999999999997"},
        {-0.25, "-0.25"},
        {123456.789, "123456.789"},
        {0.001, "0.001"},
        {9999999.5, "9999999.5"},
        {1e7, "1.0E7"},
        {-12345678.0, "-1.2345678E7"},
        {0.00099, "9.9E-4"},
        {1.7976931348623157e308, "1.7976931348623157E308"},
        {-Infinity, "-Infinity"},
        {std::nan(""), "NaN"},
    };
    for (const auto& [value, expected] : cases)
        EXPECT_EQ(displayText(value), expected) << value;
}

}  // namespace
}  // namespace korvex

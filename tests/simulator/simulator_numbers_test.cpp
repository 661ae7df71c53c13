#include "simulator/simulator_numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace korvex {
namespace {

constexpr double Infinity = std::numeric_limits<double>::infinity();

TEST(ReadDecimal, ReadsPlainAndExponentFormsAndRejectsEverythingElse)
{
    const std::pair<const char*, std::optional<double>> cases[] = {
        {"1.0", 1.0},
        {"  2.5\t", 2.5},
        {"+3", 3.0},
        {"-2", -2.0},
        {".5", 0.5},
        {"5.", 5.0},
        {"1e3", 1000.0},
        {"1E-3", 0.001},
        {"-1.5e+2", -150.0},
        {"0.61", 0.61},
        {"007", 7.0},
        {"1e400", Infinity},
        {"-1e400", -Infinity},
        {"1000e306", Infinity},
        {"1e99999999999999999999", Infinity},
        {"0.0001e310", 1e306},
        {"1e-400", 0.0},
        {"0.001e-323", 0.0},
        {"", std::nullopt},
        {"   ", std::nullopt},
        {".", std::nullopt},
        {"-", std::nullopt},
        {"abc", std::nullopt},
        {"1e", std::nullopt},
        {"1e+", std::nullopt},
        {"e5", std::nullopt},
        {"1.2.3", std::nullopt},
        {"1,5", std::nullopt},
        {"1 000", std::nullopt},
        {"--1", std::nullopt},
        {"0x10", std::nullopt},
        {"NaN", std::nullopt},
        {"nan", std::nullopt},
        {"Infinity", std::nullopt},
        {"inf", std::nullopt},
        {"1d", std::nullopt},
        {"2\xC2\xBD", std::nullopt},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(readDecimal(text), expected) << '"' << text << '"';
}

TEST(ReadDecimal, KeepsTheSignOfZero)
{
    ASSERT_TRUE(readDecimal("-0"));
    EXPECT_TRUE(std::signbit(*readDecimal("-0")));
    EXPECT_TRUE(std::signbit(*readDecimal("-1e-400")));
    EXPECT_FALSE(std::signbit(*readDecimal("0")));
}

TEST(ReadDecimalInteger, TakesAMinusSignAndDigitsInTheIntRangeOnly)
{
    const std::pair<const char*, std::optional<int>> cases[] = {
        {"1", 1},
        {"10", 10},
        {"007", 7},
        {"-5", -5},
        {"0", 0},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"2147483648", std::nullopt},
        {"99999999999", std::nullopt},
        {"+5", std::nullopt},
        {" 5", std::nullopt},
        {"5 ", std::nullopt},
        {"1.0", std::nullopt},
        {"1e3", std::nullopt},
        {"", std::nullopt},
        {"-", std::nullopt},
        {"abc", std::nullopt},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(readDecimalInteger(text), expected) << '"' << text << '"';
}

TEST(DisplayText, ShortestRoundTripPlainOrWithExponent)
{
    const std::pair<double, const char*> cases[] = {
        {1.0, "1.0"},
        {0.5, "0.5"},
        {0.0, "0.0"},
        {-0.0, "-0.0"},
        {0.39999999999999997, "0.39999999999999997"},
        {0.7999999999999999, "0.7999999999999999"},
        {-0.25, "-0.25"},
        {100.0, "100.0"},
        {123456.789, "123456.789"},
        {0.001, "0.001"},
        {9999999.0, "9999999.0"},
        {9999999.5, "9999999.5"},
        {1e7, "1.0E7"},
        {12345678.0, "1.2345678E7"},
        {-12345678.0, "-1.2345678E7"},
        {0.00099, "9.9E-4"},
        {1e-4, "1.0E-4"},
        {1e6, "1000000.0"},
        {1.7976931348623157e308, "1.7976931348623157E308"},
        {5e-324, "5.0E-324"},
        {Infinity, "Infinity"},
        {-Infinity, "-Infinity"},
        {std::numeric_limits<double>::quiet_NaN(), "NaN"},
    };
    for (const auto& [value, expected] : cases)
        EXPECT_EQ(displayText(value), expected) << value;
}

TEST(DisplayText, ReadsBackAsTheSameDouble)
{
    for (const double value : {0.1, 1.0 / 3.0, 2.0 / 3.0 * 1e-5, 6.02214076e23, -123.456, 1e-300, 4.35e15}) {
        const auto back = readDecimal(displayText(value));
        ASSERT_TRUE(back) << displayText(value);
        EXPECT_EQ(*back, value) << displayText(value);
    }
}

}  // namespace
}  // namespace korvex

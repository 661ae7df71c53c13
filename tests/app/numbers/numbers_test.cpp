#include "app/numbers/checked_math.h"
#include "app/numbers/numbers.h"

#include "tests/error_of.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

namespace korvex {
namespace {

// Restores the default separators after a test that changes them.
class NumbersTest : public ::testing::Test {
protected:
    void SetUp() override { formatSettings() = FormatSettings{}; }
    void TearDown() override { formatSettings() = FormatSettings{}; }
};

constexpr Extended kNotANumber = -7777;  // a default no test text produces

TEST_F(NumbersTest, ParseNumberAcceptsTheGrammar)
{
    const struct {
        const char* text;
        Extended value;
    } cases[] = {
        {"  12.5 ", 12.5L}, {".5", 0.5L},       {"2.5e3", 2500},    {".", 0},         {"-.", 0},
        {"1e", 1},          {"1e+", 1},          {"1E-2", 0.01L},    {"+7", 7},        {"-0", 0},
        {"007", 7},         {"5.", 5},           {"1e499", 1e499L},  {"1e500", 1e500L}, {"1e0500", 1e500L},
        {"1e-500", 1e-500L}, {"1e4932", 1e4932L}, {"0.1", 0.1L},     {"   -3.25e-1   ", -0.325L},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseNumber(c.text, kNotANumber), c.value) << '\'' << c.text << '\'';
}

TEST_F(NumbersTest, ParseNumberGivesTheDefaultForEverythingElse)
{
    const char* const cases[] = {
        "",      "-",     "+",      "1,000",  "$5",     "5%",       "\t1",      "1\t",     "1 000",
        "e5",    "1e5000", "1e-5000", "1.2e4932", "99999e4928", "0x10", "1.5.2",   "--1",     "1-",
        "abc",   "1e5 5", "1.5e+-2", "inf",    "nan",    "\xc2\xa0" "1", "1e50000",
    };
    for (const char* text : cases)
        EXPECT_EQ(ParseNumber(text, kNotANumber), kNotANumber) << '\'' << text << '\'';
}

TEST_F(NumbersTest, ParseNumberRoundsToTheExtendedTypeAndUnderflowsQuietly)
{
    EXPECT_NE(ParseNumber("0.1", 0), static_cast<Extended>(0.1));  // more precise than a double
    EXPECT_EQ(ParseNumber("1e-4960", kNotANumber), 0);
    EXPECT_TRUE(std::signbit(ParseNumber("-0", 1)));
}

// The exact decimal text of m x 2^-k, with a decimal point.
std::string exactText(std::uint64_t m, int k)
{
    std::string digits = std::to_string(m);
    for (int n = 0; n < k; n += 13) {
        std::uint64_t factor = 1;
        for (int j = n; j < std::min(k, n + 13); ++j)
            factor *= 5;
        std::uint64_t carry = 0;
        for (auto d = digits.rbegin(); d != digits.rend(); ++d) {
            const std::uint64_t product = static_cast<std::uint64_t>(*d - '0') * factor + carry;
            *d = static_cast<char>('0' + product % 10);
            carry = product / 10;
        }
        if (carry != 0)
            digits = std::to_string(carry) + digits;
    }
    if (static_cast<int>(digits.size()) <= k)
        digits = std::string(k + 1 - digits.size(), '0') + digits;
    return digits.substr(0, digits.size() - k) + "." + digits.substr(digits.size() - k);
}

// Halfway between two neighbours goes to the even one; digits far beyond
// the halfway point, however many, tip it.
TEST_F(NumbersTest, ParseNumberRoundsHalfwayToEven)
{
    const std::string tail = std::string(13000, '0') + "1";
    const std::string halfSmallest = exactText(1, 16446);
    const Extended twoTo63 = 9223372036854775808.0L;  // its neighbours are one apart
    const Extended smallest = std::numeric_limits<Extended>::denorm_min();
    const Extended largest = std::numeric_limits<Extended>::max();
    const struct {
        std::string text;
        Extended value;
    } cases[] = {
        {"9223372036854775808.5", twoTo63},
        {"9223372036854775808.5" + tail, twoTo63 + 1},
        {"9223372036854775808.4" + std::string(13000, '9'), twoTo63},
        {"9223372036854775809.5", twoTo63 + 2},
        {"-922337203685477580.85e1", -twoTo63},
        {halfSmallest, 0},
        {halfSmallest + tail, smallest},
        {exactText(3, 16446), 2 * smallest},
        {"1.18973149535723176502e4932", largest},
        {"1.18973149535723176506e4932", kNotANumber},  // past the largest by half a step
        {"1.1897314953572317650e4932", largest},
        {"0.00000000000000000000000000000000000000001e-4900", 1e-4941L},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseNumber(c.text, kNotANumber), c.value) << c.text.substr(0, 40) << c.text.size();
}

// Figures depend on every operation keeping 64 bits, as on Linux: a runtime
// that set the floating-point unit to double precision would change them.
TEST_F(NumbersTest, ExtendedArithmeticKeepsSixtyFourBits)
{
    volatile Extended one = 1;
    volatile Extended lastBit = std::numeric_limits<Extended>::epsilon();
    EXPECT_NE(one + lastBit, one);
    EXPECT_EQ(ParseNumber("1.0000000000000000001", 0) - 1, lastBit);
}

TEST_F(NumbersTest, ParseNumberUsesOnlyTheLocaleDecimalSeparator)
{
    formatSettings().decimalSeparator = ',';
    formatSettings().thousandSeparator = '.';
    EXPECT_EQ(ParseNumber("1,5", kNotANumber), 1.5L);
    EXPECT_EQ(ParseNumber("1.5", kNotANumber), kNotANumber);
    EXPECT_EQ(ParseNumber("1.000", kNotANumber), kNotANumber);
    EXPECT_EQ(ParseNumber(",", kNotANumber), 0);
}

TEST_F(NumbersTest, ParseWholeNumber)
{
    const struct {
        const char* text;
        std::int32_t value;
    } cases[] = {
        {"100", 100},          {"100 ", -1},          {"1.5", -1},           {"$1F", 31},
        {"2147483648", -1},    {"2147483647", 2147483647}, {"-2147483648", -2147483647 - 1},
        {"-2147483649", -1},   {"0x10", 16},          {"x10", 16},           {"X1f", 31},
        {"0X1F", 31},          {"  -$10", -16},       {"$", -1},             {"0x", -1},
        {"", -1},              {"-", -1},             {"+5", 5},             {"$80000000", -1},
        {"-$80000000", -2147483647 - 1}, {"1e3", -1}, {" 7", 7},             {"0", 0},
        {"$G", -1},            {"0x-1", -1},          {"000000000000000000000012", 12},
        {"99999999999999999999", -1}, {"1,000", -1},  {"12.5", -1},          {"\t5", -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseWholeNumber(c.text, -1), c.value) << '\'' << c.text << '\'';
}

struct FormatCase {
    const char* pattern;
    Extended value;
    const char* text;
};

TEST_F(NumbersTest, FormatTextFixedPoint)
{
    const FormatCase cases[] = {
        {"%.2n", 1234.5L, "1,234.50"},
        {"%.0n", 15000.0L / 3.5L, "4,286"},
        {"%.0n", 2.5L, "3"},
        {"%0.n", 2.5L, "3"},
        {"%.2n", 0.125L, "0.13"},
        {"%.2n", static_cast<Extended>(2.675), "2.67"},  // the double lies just below
        {"%.2n", -0.004L, "0.00"},
        {"%.2n", static_cast<Extended>(-0.005), "-0.01"},
        {"%.3n", 3.5L, "3.500"},
        {"%.2n", -1234567.891L, "-1,234,567.89"},
        {"%.2f", 1234.5L, "1234.50"},
        {"%n", 1234.5L, "1,234.50"},
        {"%f", -3.0L, "-3.00"},
        {"%N", 1.0L, "1.00"},
        {"%.2n", 0.0L, "0.00"},
        {"%.2n", -0.0L, "0.00"},
        {"%.0n", -0.4L, "0"},
        {"%.2n", 1e-300L, "0.00"},
        {"%.2n", -1e-4940L, "0.00"},
        {"%.3n", 0.0005L, "0.001"},
        {"%.3n", 0.00049L, "0.000"},
        {"%.2n", 0.006L, "0.01"},
        {"%.2n", 999.995L, "1,000.00"},
        {"%.2n", 0.995L, "1.00"},
        {"%.2n", static_cast<Extended>(0.995), "0.99"},
        {"%.5n", 1.5L, "1.50000"},
        {"%.2n", 123456.0L, "123,456.00"},
        {"%.2n", 1234567.0L, "1,234,567.00"},
        {"%.20n", 1.0L / 3, "0.33333333333333333300"},  // 18 significant digits, then zeros
        {"%8.2n", 1234.5L, "1,234.50"},
        {"%10.2n", 1234.5L, "  1,234.50"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatText(c.pattern, {c.value}), c.text) << c.pattern << ' ' << static_cast<double>(c.value);
}

// The display rounds first to 18 significant digits with ties to even, then
// half away from zero to the decimals; values from 10^18 up switch to the
// scientific form.
TEST_F(NumbersTest, FormatTextAtTheEighteenthDigit)
{
    const FormatCase cases[] = {
        {"%.0n", 100000000000000000.5L, "100,000,000,000,000,000"},
        {"%.0n", 100000000000000001.5L, "100,000,000,000,000,002"},
        {"%.0n", 999999999999999999.0L, "999,999,999,999,999,999"},
        {"%.2n", 999999999999999999.0L, "999,999,999,999,999,999.00"},
        {"%.0n", 999999999999999999.5L, "1E18"},
        {"%.0n", 1e18L, "1E18"},
        {"%.2n", 1e18L, "1E18"},
        {"%.3n", 1e18L, "1E018"},
        {"%.2n", 1.5e18L, "1.5E18"},
        {"%.2n", -1e20L, "-1E20"},
        {"%.2n", 1234567890123456785.0L, "1.23456789012345678E18"},
        {"%.2n", 1234567890123456775.0L, "1.23456789012345678E18"},
        {"%.2n", 1e100L, "1E100"},
        {"%.2n", 1e4000L, "1E4000"},
        {"%.2n", std::numeric_limits<Extended>::max(), "1.18973149535723177E4932"},
        {"%.20n", 1e-12L, "0.00000000000100000000"},
        {"%.5n", 1e20L, "1E20"},
        {"%.2f", 2e19L, "2E19"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatText(c.pattern, {c.value}), c.text) << c.pattern;
}

TEST_F(NumbersTest, FormatTextOtherDirectives)
{
    EXPECT_EQ(FormatText("You cannot buy more than %d shares", {std::int64_t{-100}}),
              "You cannot buy more than -100 shares");
    EXPECT_EQ(FormatText("%5d|%d", {std::int64_t{42}, std::int64_t{-9223372036854775807LL - 1}}),
              "   42|-9223372036854775808");
    EXPECT_EQ(FormatText("(Leverage - %s%%)", {std::string("2.5")}), "(Leverage - 2.5%)");
    EXPECT_EQ(FormatText("%.2f %%", {12.5L}), "12.50 %");
    EXPECT_EQ(FormatText("%4s|%S", {std::string("ab"), std::string("")}), "  ab|");
    EXPECT_EQ(FormatText("no directives", {}), "no directives");
    EXPECT_EQ(FormatText("%.2n @ %.3n\r\n", {1.0L, 2.0L}), "1.00 @ 2.000\r\n");
}

TEST_F(NumbersTest, FormatTextRejectsBrokenPatterns)
{
    EXPECT_THROW(FormatText("%q", {1.0L}), std::invalid_argument);
    EXPECT_THROW(FormatText("50%", {}), std::invalid_argument);
    EXPECT_THROW(FormatText("%-5d", {std::int64_t{1}}), std::invalid_argument);
    EXPECT_THROW(FormatText("%d", {1.0L}), std::invalid_argument);
    EXPECT_THROW(FormatText("%n", {std::string("x")}), std::invalid_argument);
    EXPECT_THROW(FormatText("%99999d", {std::int64_t{1}}), std::invalid_argument);
    try {
        FormatText("%d and %d", {std::int64_t{1}});
        FAIL();
    } catch (const std::invalid_argument& error) {
        EXPECT_STREQ(error.what(), "No argument for format '%d and %d'");
    }
}

TEST_F(NumbersTest, FormatTextFollowsTheLocaleSeparators)
{
    formatSettings().decimalSeparator = ',';
    formatSettings().thousandSeparator = '.';
    EXPECT_EQ(FormatText("%.2n", {1234567.5L}), "1.234.567,50");
    EXPECT_EQ(FormatText("%.2f", {1234.5L}), "1234,50");
    EXPECT_EQ(FormatText("%.2n", {1.5e18L}), "1,5E18");
    formatSettings().thousandSeparator = '\0';
    EXPECT_EQ(FormatText("%.2n", {1234567.5L}), "1234567,50");
}

TEST_F(NumbersTest, FormatNumberPictures)
{
    const FormatCase cases[] = {
        {"0.##", 0.0L, "0"},      {"0.#", -2.5L, "-2.5"},  {"0.#", 5.0L, "5"},
        {"0.#", 2.5L, "2.5"},     {"0.#", 12.25L, "12.3"}, {"0.##", 12.25L, "12.25"},
        {"0.#", 9.96L, "10"},     {"0.##", -0.004L, "0"},  {"0.##", static_cast<Extended>(-0.005), "-0.01"},
        {"0.##", 12.5L, "12.5"},  {"0.##", 0.05L, "0.05"}, {"0.#", 1234567.0L, "1234567"},
        {"0.#", 1e20L, "100000000000000000000"},           {"0.##", -0.0L, "0"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatNumber(c.pattern, c.value), c.text) << c.pattern << ' ' << static_cast<double>(c.value);
    formatSettings().decimalSeparator = ',';
    EXPECT_EQ(FormatNumber("0.#", 2.5L), "2,5");
}

TEST_F(NumbersTest, RoundToWholeTiesToEven)
{
    const struct {
        Extended x;
        std::int64_t whole;
    } cases[] = {
        {0.5L, 0},  {1.5L, 2}, {2.5L, 2}, {-2.5L, -2}, {3.5L, 4}, {-0.5L, 0}, {2.4999L, 2}, {-7.6L, -8},
        {9223372036854775807.0L, 9223372036854775807LL}, {-9223372036854775808.0L, -9223372036854775807LL - 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RoundToWhole(c.x), c.whole) << static_cast<double>(c.x);
    EXPECT_EQ(WholeNumberToText(-12), "-12");
}

TEST_F(NumbersTest, RoundToWholeOutsideTheRangeIsAnInvalidOperation)
{
    for (const Extended x : {9223372036854775808.0L, -9223372036854775809.0L, 1e30L,
                             std::numeric_limits<Extended>::infinity(), std::numeric_limits<Extended>::quiet_NaN()}) {
        try {
            RoundToWhole(x);
            FAIL() << static_cast<double>(x);
        } catch (const FloatError& error) {
            EXPECT_STREQ(error.what(), "Invalid floating point operation");
        }
    }
}

TEST_F(NumbersTest, CheckedArithmetic)
{
    EXPECT_EQ(errorOf([] { Divide(1, 0); }), "Floating point division by zero");
    EXPECT_EQ(errorOf([] { Divide(-1, -0.0L); }), "Floating point division by zero");
    EXPECT_EQ(errorOf([] { Divide(0, 0); }), "Invalid floating point operation");
    EXPECT_EQ(errorOf([] { Divide(1e4000L, 1e-4000L); }), "Floating point overflow");
    EXPECT_EQ(errorOf([] { Multiply(1e4000L, 1e4000L); }), "Floating point overflow");
    EXPECT_EQ(errorOf([] { StoreDouble(1e309L); }), "Floating point overflow");
    EXPECT_EQ(errorOf([] { StoreDouble(-1e309L); }), "Floating point overflow");
    EXPECT_EQ(Divide(15000, 3.5L), 15000 / 3.5L);
    EXPECT_EQ(StoreDouble(1.7976931348623157e308L), 1.7976931348623157e308);
    EXPECT_EQ(StoreDouble(1e-400L), 0.0);
    EXPECT_EQ(StoreDouble(ParseNumber("0.1", 0)), 0.1);
}

}  // namespace
}  // namespace korvex

#include "projections/fmt.h"

#include <gtest/gtest.h>

namespace korvex {
namespace {

struct FmtCase {
    const char* name;
    std::string (*format)(const Fmt&, double);
    double value;
    const char* expected;
};

std::string dollars0(const Fmt& f, double v)
{
    return f.dollars(v);
}
std::string dollars2(const Fmt& f, double v)
{
    return f.dollars(v, 2);
}
std::string number0(const Fmt& f, double v)
{
    return f.number(v);
}
std::string number1(const Fmt& f, double v)
{
    return f.number(v, 1);
}
std::string percent2(const Fmt& f, double v)
{
    return f.percent(v, 2);
}

const FmtCase kCases[] = {
    { "WholeDollarsRoundUp", dollars0, 1218.99, "$1,219" },
    { "HalfRoundsUpBeforeGrouping", dollars0, 999.5, "$1,000" },
    { "JustBelowHalfStaysUngrouped", dollars0, 999.49, "$999" },
    { "MillionsHalfUp", dollars0, 1234567.5, "$1,234,568" },
    { "Zero", dollars0, 0, "$0" },
    { "SignBeforePrefix", dollars0, -1500, "-$1,500" },
    { "NegativeHalfRoundsTowardsPlus", dollars0, -2.5, "-$2" },
    { "TinyNegativeIsZero", dollars0, -0.4, "$0" },
    { "Billions", dollars0, 632058869861739.1, "$632,058,869,861,739" },
    { "TwoDecimalsPadded", dollars2, 12.5, "$12.50" },
    { "TwoDecimalsCarry", dollars2, 0.999, "$1.00" },
    { "TwoDecimalsLeadingZero", dollars2, 3.05, "$3.05" },
    { "TwoDecimalsGrouped", dollars2, 1400, "$1,400.00" },
    { "PlainNumber", number0, 10, "10" },
    { "PlainNumberGrouped", number0, 12345, "12,345" },
    { "OneDecimal", number1, 24.75, "24.8" },
    { "PercentOfFraction", percent2, 0.02, "2.00%" },
    { "PercentFifteen", percent2, 0.15, "15.00%" },
    { "PercentRoundsHalfUp", percent2, 0.123455, "12.35%" },
    { "PercentZero", percent2, 0, "0.00%" },
};

class FmtTest : public testing::TestWithParam<FmtCase> { };

TEST_P(FmtTest, FormatsAsShown)
{
    const FmtCase& c = GetParam();
    EXPECT_EQ(c.format(Fmt(), c.value), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Fmt, FmtTest, testing::ValuesIn(kCases),
    [](const testing::TestParamInfo<FmtCase>& info) { return info.param.name; });

TEST(Fmt, RoundIsHalfUpAtTheGivenDecimals)
{
    EXPECT_EQ(Fmt::round(24.5, 0), 25);
    EXPECT_EQ(Fmt::round(-24.5, 0), -24);
    EXPECT_DOUBLE_EQ(Fmt::round(2.345, 2), 2.35);
    EXPECT_DOUBLE_EQ(Fmt::round(0.4, 0), 0);
}

TEST(Fmt, EuropeanDecimalsAndAnotherPrefix)
{
    const Fmt euro("EUR ", true);
    EXPECT_EQ(euro.dollars(1234567.5), "EUR 1.234.568");
    EXPECT_EQ(euro.percent(0.025, 2), "2,50%");
}

TEST(Fmt, NeverFailsOnValuesNoPanelProduces)
{
    EXPECT_EQ(Fmt().dollars(1e300).size(), 1 + 301 + 100); // "$", the digits, the separators
    EXPECT_EQ(Fmt().dollars(std::numeric_limits<double>::infinity()), "$Infinity");
}

} // namespace
} // namespace korvex

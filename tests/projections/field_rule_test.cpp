#include "projections/field_rule.h"

#include <gtest/gtest.h>

namespace korvex {
namespace {

const FieldRule kAmount { "Starting amount", FieldFormat::Money, 0, 0, 1'000'000 };
const FieldRule kMonths { "Months", FieldFormat::Number, 0, 1, 100 };
const FieldRule kContributions { "Additional contributions", FieldFormat::Money, 0, 0, 100'000 };
const FieldRule kRate { "Monthly Rate of return", FieldFormat::Percent, 2, 0, 20 };

struct ReadCase {
    const char* name;
    const FieldRule* rule;
    const char* typed;
    double value; // when accepted
    const char* outcome; // the normalised text, or the message
};

const ReadCase kCases[] = {
    { "DollarsAndGrouping", &kAmount, "$1,500", 1500, "$1,500" },
    { "ParenthesisIsMinus", &kAmount, "(500)", 0, "Starting amount must be greater than or equal to $0." },
    { "AboveTheTop", &kAmount, "1000001", 0, "Starting amount must be less than or equal to $1,000,000." },
    { "LettersAndBlanksDropped", &kAmount, " USD 2 000 ", 2000, "$2,000" },
    { "PoundAndSlashDropped", &kAmount,
        "\xC2\xA3"
        "12/3",
        123, "$123" },
    { "HalfDollarRoundsUp", &kAmount, "99.5", 100, "$100" },
    { "EmptyIsZero", &kAmount, "", 0, "$0" },
    { "StrayCharacterIsInvalid", &kAmount, "12#3", 0, "Please enter a valid Starting amount." },
    { "TwoPointsAreInvalid", &kAmount, "1.2.3", 0, "Please enter a valid Starting amount." },
    { "NonAsciiIsInvalid", &kAmount,
        "\xE2\x82\xAC"
        "5",
        0, "Please enter a valid Starting amount." },
    { "EndlessDigitsAreTooLarge", &kAmount,
        "99999999999999999999999999999999999999999999999999999999999999999999999999"
        "9999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999"
        "99999"
        "9999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999"
        "99999"
        "9999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999"
        "99999",
        0, "Starting amount must be less than or equal to $1,000,000." },
    { "MonthsAbove", &kMonths, "150", 0, "Months must be less than or equal to 100." },
    { "PastedFractionRoundsToZero", &kMonths, "0.4", 0, "Months must be greater than or equal to 1." },
    { "MonthsEmpty", &kMonths, "", 0, "Months must be greater than or equal to 1." },
    { "MonthsHalfUp", &kMonths, "24.5", 25, "25" },
    { "ContributionsAbove", &kContributions, "100,001", 0,
        "Additional contributions must be less than or equal to $100,000." },
    { "RateWithPercent", &kRate, "15%", 15, "15.00%" },
    { "RateRoundedToCents", &kRate, "2.345", 2.35, "2.35%" },
    { "RateAbove", &kRate, "20.01", 0, "Monthly Rate of return must be less than or equal to 20.00%." },
    { "RateNegative", &kRate, "-1", 0, "Monthly Rate of return must be greater than or equal to 0.00%." },
    { "RateInvalid", &kRate, "2..5", 0, "Please enter a valid Monthly Rate of return." },
    { "RateDoubleSign", &kRate, "((2", 0, "Please enter a valid Monthly Rate of return." },
};

class FieldRuleRead : public testing::TestWithParam<ReadCase> { };

TEST_P(FieldRuleRead, AcceptsOrNamesTheFault)
{
    const ReadCase& c = GetParam();
    const Fmt fmt;
    try {
        const double value = c.rule->read(c.typed, fmt);
        EXPECT_DOUBLE_EQ(value, c.value);
        EXPECT_EQ(c.rule->text(value, fmt), c.outcome);
    } catch (const InputError& error) {
        EXPECT_STREQ(error.what(), c.outcome);
    }
}

INSTANTIATE_TEST_SUITE_P(FieldRule, FieldRuleRead, testing::ValuesIn(kCases),
    [](const testing::TestParamInfo<ReadCase>& info) { return info.param.name; });

TEST(FieldRule, NormalisedTextReadsBackToTheSameValue)
{
    const Fmt fmt;
    for (const double v : { 0.0, 999.0, 1000.0, 1'000'000.0 })
        EXPECT_EQ(kAmount.read(kAmount.text(v, fmt), fmt), v);
    for (const double v : { 0.0, 0.05, 2.0, 12.34, 20.0 })
        EXPECT_DOUBLE_EQ(kRate.read(kRate.text(v, fmt), fmt), v);
}

TEST(FieldRule, EuropeanFieldsSwapPointAndComma)
{
    const Fmt euro("$", true);
    EXPECT_DOUBLE_EQ(kRate.read("2,5%", euro), 2.5);
    EXPECT_EQ(kAmount.read("$1.234", euro), 1234);
}

TEST(FieldRule, TypingFilter)
{
    const Fmt fmt;
    for (const char32_t c : std::u32string_view(U"aZ!@#^&*_+={}[]|\\;:'\"<>?~/`-"))
        EXPECT_TRUE(kRate.refuses(c, fmt)) << static_cast<char>(c);
    for (const char32_t c : std::u32string_view(U"0123456789$%,.() "))
        EXPECT_FALSE(kRate.refuses(c, fmt)) << static_cast<char>(c);
    EXPECT_TRUE(kMonths.refuses('.', fmt));
    EXPECT_TRUE(kAmount.refuses('.', fmt));
    EXPECT_FALSE(kAmount.refuses(U'\u00A3', fmt));
}

} // namespace
} // namespace korvex

#include "projections/compound_savings_calc.h"

#include <gtest/gtest.h>

#include <cmath>

namespace korvex {
namespace {

CompoundSavingsCalc projection(double start, double contribution, double months, double rate)
{
    CompoundSavingsCalc calc;
    calc.clearInputed();
    calc.STARTING_AMOUNT = start;
    calc.ADDITIONAL_CONTRIBUTIONS = contribution;
    calc.DEPOSIT_FREQUENCY = 12;
    calc.YEARS = months;
    calc.RATE_OF_RETURN = rate;
    calc.recalculate();
    return calc;
}

std::vector<std::string> asDollars(const std::vector<double>& values)
{
    std::vector<std::string> texts;
    for (const double v : values)
        texts.push_back(Fmt().dollars(v));
    return texts;
}

TEST(CompoundSavingsCalc, DefaultsGrowByTwoPercentAMonth)
{
    const CompoundSavingsCalc calc = projection(1000, 0, 10, 2);
    EXPECT_EQ(asDollars(calc.DR_BALANCE),
        (std::vector<std::string> { "$1,020", "$1,040", "$1,061", "$1,082", "$1,104", "$1,126", "$1,149",
            "$1,172", "$1,195", "$1,219" }));
    EXPECT_EQ(asDollars(calc.DR_INTEREST),
        (std::vector<std::string> { "$20", "$20", "$21", "$21", "$22", "$22", "$23", "$23", "$23", "$24" }));
    EXPECT_EQ(calc.TOTAL_AMOUNT_YOU_HAVE_PAID_IN, 1000);
    EXPECT_NEAR(calc.TOTAL_AT_END_OF_INVESTMENT, 1000 * std::pow(1.02, 10), 1e-9);
    EXPECT_EQ(calc.getCatagories(),
        (std::vector<std::string> { "1", "2", "3", "4", "5", "6", "7", "8", "9", "10" }));
    EXPECT_EQ(calc.getAmountLabel(), "");
    EXPECT_FLOAT_EQ(calc.DS_BALANCE.back(), static_cast<float>(calc.DR_BALANCE.back()));
}

TEST(CompoundSavingsCalc, TwelveDepositsAMonthEachEarningFromItsDay)
{
    const CompoundSavingsCalc calc = projection(1000, 100, 10, 2);
    EXPECT_EQ(calc.TOTAL_AMOUNT_YOU_HAVE_PAID_IN, 13000);
    EXPECT_EQ(Fmt().dollars(calc.DR_INTEREST[0]), "$33");
    EXPECT_EQ(Fmt().dollars(calc.DR_BALANCE[0]), "$2,233");
    EXPECT_EQ(Fmt().dollars(calc.TOTAL_AT_END_OF_INVESTMENT), "$14,501");
}

TEST(CompoundSavingsCalc, WithoutReturnTheBalanceIsWhatWasPaidIn)
{
    const CompoundSavingsCalc calc = projection(500, 25, 4, 0);
    for (std::size_t k = 0; k < 4; ++k) {
        EXPECT_EQ(calc.DR_INTEREST[k], 0);
        EXPECT_EQ(calc.DR_BALANCE[k], 500 + 12 * 25 * (k + 1.0));
    }
}

TEST(CompoundSavingsCalc, NothingInGivesZerosUnscaled)
{
    const CompoundSavingsCalc calc = projection(0, 0, 10, 2);
    EXPECT_EQ(calc.TOTAL_AMOUNT_YOU_HAVE_PAID_IN, 0);
    EXPECT_EQ(calc.TOTAL_AT_END_OF_INVESTMENT, 0);
    EXPECT_EQ(calc.DR_BALANCE, std::vector<double>(10, 0.0));
    EXPECT_EQ(calc.getAmountLabel(), "");
}

TEST(CompoundSavingsCalc, OneMonthIsOneRow)
{
    const CompoundSavingsCalc calc = projection(1000, 10, 1, 12);
    ASSERT_EQ(calc.DR_BALANCE.size(), 1u);
    EXPECT_EQ(calc.getCatagories(), std::vector<std::string> { "1" });
    EXPECT_EQ(calc.DR_BALANCE[0], calc.TOTAL_AT_END_OF_INVESTMENT);
    EXPECT_GT(calc.DR_BALANCE[0], 1120 * 1.0); // every deposit earns part of the month
    EXPECT_LT(calc.DR_BALANCE[0], 1120 * 1.12);
}

TEST(CompoundSavingsCalc, LargestInputsScaleToBillions)
{
    const CompoundSavingsCalc calc = projection(1'000'000, 100'000, 100, 20);
    EXPECT_NEAR(calc.TOTAL_AT_END_OF_INVESTMENT, 6.3206e14, 0.0001e14);
    EXPECT_EQ(calc.getAmountLabel(), "Billions of Dollars");
    EXPECT_NEAR(calc.DS_BALANCE.back(), calc.TOTAL_AT_END_OF_INVESTMENT / 1e9, 1);
    EXPECT_EQ(calc.DR_BALANCE.size(), 100u);
}

TEST(CompoundSavingsCalc, ScaleThresholdsAreStrict)
{
    struct Case {
        double last;
        double divisor;
        const char* label;
    };
    const Case cases[] = { { 100'000, 1, "" }, { 100'001, 1'000, "Thousands of Dollars" },
        { 100'000'000, 1'000, "Thousands of Dollars" }, { 100'000'001, 1'000'000, "Millions of Dollars" },
        { 100'000'000'000, 1'000'000, "Millions of Dollars" },
        { 100'000'000'001, 1'000'000'000, "Billions of Dollars" } };
    for (const Case& c : cases) {
        CompoundSavingsCalc calc;
        EXPECT_EQ(calc.getGraphUnits(c.last), c.divisor) << c.last;
        EXPECT_EQ(calc.getAmountLabel(), c.label) << c.last;
    }
    // Through a run: a last balance of exactly 100,000 stays in dollars.
    EXPECT_EQ(projection(100'000, 0, 1, 0).DS_BALANCE[0], 100'000.0f);
    EXPECT_EQ(projection(100'001, 0, 1, 0).DS_BALANCE[0], 100.001f);
}

TEST(CompoundSavingsCalc, NoPeriodsAndNoDepositFrequencyStayFinite)
{
    CompoundSavingsCalc calc = projection(1000, 0, 0, 2);
    EXPECT_TRUE(calc.DR_BALANCE.empty());
    EXPECT_EQ(calc.TOTAL_AT_END_OF_INVESTMENT, 1000);
    calc.clearInputed(); // deposit frequency 1
    calc.DEPOSIT_FREQUENCY = 0;
    calc.YEARS = 2;
    calc.STARTING_AMOUNT = 100;
    calc.recalculate();
    EXPECT_EQ(calc.DR_BALANCE, (std::vector<double> { 100, 100 }));
}

} // namespace
} // namespace korvex

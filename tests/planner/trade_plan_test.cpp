#include "app/numbers/numbers.h"
#include "planner/trade_plan.h"

#include <gtest/gtest.h>

#include <optional>

namespace korvex {
namespace {

struct PlanCase {
    const char* name;
    TradePlanInputs inputs;  // balance, entry, target, stop, shares
    std::optional<std::int64_t> refusedAbove;
    TradePlanResults results;  // ratio, profit, profit %, loss, loss %
};

void PrintTo(const PlanCase& c, std::ostream* os) { *os << c.name; }

class TradePlanTest : public ::testing::TestWithParam<PlanCase> {
protected:
    void SetUp() override { formatSettings() = FormatSettings{}; }
};

TEST_P(TradePlanTest, GivesTheResultTextsOrRefuses)
{
    const PlanCase& c = GetParam();
    const TradePlanOutcome outcome = CalculateTradePlan(c.inputs);
    if (c.refusedAbove) {
        ASSERT_TRUE(std::holds_alternative<TradePlanRefusal>(outcome));
        EXPECT_EQ(std::get<TradePlanRefusal>(outcome).maximumShares, *c.refusedAbove);
        return;
    }
    ASSERT_TRUE(std::holds_alternative<TradePlanResults>(outcome));
    const auto& got = std::get<TradePlanResults>(outcome);
    EXPECT_EQ(got.riskRewardRatio, c.results.riskRewardRatio);
    EXPECT_EQ(got.potentialProfit, c.results.potentialProfit);
    EXPECT_EQ(got.potentialProfitPercent, c.results.potentialProfitPercent);
    EXPECT_EQ(got.potentialLoss, c.results.potentialLoss);
    EXPECT_EQ(got.equityAtRisk, c.results.equityAtRisk);
}

const TradePlanResults kNoShares{"", "$0.00", "", "$0.00", ""};
const TradePlanResults kNoSharesOfABalance{"", "$0.00", "0.00 %", "$0.00", "0.00 %"};

INSTANTIATE_TEST_SUITE_P(
    Figures, TradePlanTest,
    ::testing::Values(
        PlanCase{"EmptyPage", {}, {}, kNoShares},
        PlanCase{"EvenRatioTie", {"5000", "10", "12.5", "9", "100"}, {}, {"2:1", "$250.00", "5.00 %", "$100.00", "2.00 %"}},
        PlanCase{"RatioHalfUpToEven", {"5000", "10", "13.5", "9", "100"}, {}, {"4:1", "$350.00", "7.00 %", "$100.00", "2.00 %"}},
        PlanCase{"TargetAtEntry", {"5000", "10", "10", "9", "100"}, {}, {"0:1", "$0.00", "0.00 %", "$100.00", "2.00 %"}},
        PlanCase{"StopAtEntry", {"5000", "10", "12", "10", "100"}, {}, {"", "$200.00", "4.00 %", "$0.00", "0.00 %"}},
        PlanCase{"ShortLikeLong", {"5000", "10", "8", "11", "100"}, {}, {"2:1", "$200.00", "4.00 %", "$100.00", "2.00 %"}},
        PlanCase{"ThousandsInAmounts", {"100000", "10", "22.5", "9", "100"}, {}, {"12:1", "$1,250.00", "1.25 %", "$100.00", "0.10 %"}},
        PlanCase{"DecimalShares", {"5000", "10", "12", "9", "12.5"}, {}, kNoSharesOfABalance},
        PlanCase{"GroupedShares", {"5000", "10", "12", "9", "1,000"}, {}, kNoSharesOfABalance},
        PlanCase{"TrailingBlankShares", {"5000", "10", "12", "9", "100 "}, {}, kNoSharesOfABalance},
        PlanCase{"DollarHexShares", {"5000", "10", "12", "9", "$10"}, {}, {"2:1", "$32.00", "0.64 %", "$16.00", "0.32 %"}},
        PlanCase{"ZeroXHexShares", {"5000", "10", "12", "9", "0x10"}, {}, {"2:1", "$32.00", "0.64 %", "$16.00", "0.32 %"}},
        PlanCase{"NoBalanceNegativeShares", {"", "10", "15", "5", "-5"}, {}, {"1:1", "$-25.00", "", "$-25.00", ""}},
        PlanCase{"ZeroBalanceSkipsTest", {"0", "10", "12", "9", "1000000"}, {}, {"2:1", "$2,000,000.00", "", "$1,000,000.00", ""}},
        PlanCase{"SharesEqualToQuotient", {"1000", "10", "", "", "100"}, {}, {"1:1", "$1,000.00", "100.00 %", "$1,000.00", "100.00 %"}},
        PlanCase{"OneShareTooMany", {"1000", "10", "", "", "101"}, 100, {}},
        PlanCase{"MaximumRoundedDown", {"1000", "29.5", "", "", "34"}, 33, {}},
        PlanCase{"MaximumPassesAfterRoundingDown", {"1000", "29.5", "30", "29", "33"}, {}, {"1:1", "$16.50", "1.65 %", "$16.50", "1.65 %"}},
        PlanCase{"NegativeBalance", {"-1000", "10", "", "", "0"}, -100, {}},
        // Decimal prices whose binary quotient misses the whole number by a hair.
        PlanCase{"TenthEntryAtTheBalance", {"100", "0.1", "0.2", "0.05", "1000"}, {}, {"2:1", "$100.00", "100.00 %", "$50.00", "50.00 %"}},
        PlanCase{"TenthEntryOneMore", {"100", "0.1", "", "", "1001"}, 1000, {}},
        PlanCase{"SeventhEntryAtTheBalance", {"0.7", "0.1", "", "", "7"}, {}, {"1:1", "$0.70", "100.00 %", "$0.70", "100.00 %"}},
        PlanCase{"SeventhEntryOneMore", {"0.7", "0.1", "", "", "8"}, 7, {}},
        PlanCase{"SevenCentsEntryAtTheBalance", {"0.7", "0.07", "", "", "10"}, {}, {"1:1", "$0.70", "100.00 %", "$0.70", "100.00 %"}},
        PlanCase{"OddCentsEntryAtTheBalance", {"8.7", "0.29", "", "", "30"}, {}, {"1:1", "$8.70", "100.00 %", "$8.70", "100.00 %"}},
        PlanCase{"OddCentsEntryOneMore", {"8.7", "0.29", "", "", "31"}, 30, {}},
        PlanCase{"CentEntryAtTheBalance", {"0.29", "0.01", "", "", "29"}, {}, {"1:1", "$0.29", "100.00 %", "$0.29", "100.00 %"}},
        PlanCase{"TenthsBelowAWhole", {"0.3", "0.1", "", "", "3"}, {}, {"1:1", "$0.30", "100.00 %", "$0.30", "100.00 %"}},
        PlanCase{"ClearlyShortOfAWhole", {"99.9999999", "0.1", "", "", "1000"}, 999, {}},
        PlanCase{"ClearlyAboveAWhole", {"1000.000001", "1", "", "", "1001"}, 1000, {}}),
    [](const ::testing::TestParamInfo<PlanCase>& info) { return std::string(info.param.name); });

TEST(TradePlanRefusal, NamesTheMaximumAsAPlainInteger)
{
    EXPECT_EQ(TradePlanRefusal{33}.message(), "You cannot buy more than 33 shares");
    EXPECT_EQ(TradePlanRefusal{-100}.message(), "You cannot buy more than -100 shares");
    EXPECT_EQ(TradePlanRefusal{1234567}.message(), "You cannot buy more than 1234567 shares");
}

TEST(TradePlanErrors, ReportTheArithmeticErrorInsteadOfAResult)
{
    struct ErrorCase {
        TradePlanInputs inputs;
        const char* message;
    };
    const ErrorCase cases[] = {
        {{"1e400", "10", "", "", "1"}, "Floating point overflow"},
        {{"", "-1e308", "1e308", "", "10"}, "Floating point overflow"},
        {{"", "10", "1e30", "10.0000001", "1"}, "Invalid floating point operation"},
        {{"-1e300", "1", "", "", "0"}, "Invalid floating point operation"},
    };
    for (const ErrorCase& c : cases) {
        try {
            CalculateTradePlan(c.inputs);
            ADD_FAILURE() << "no error for balance " << c.inputs.accountBalance;
        } catch (const FloatError& error) {
            EXPECT_STREQ(error.what(), c.message) << c.inputs.accountBalance << " " << c.inputs.targetPrice;
        }
    }
}

}  // namespace
}  // namespace korvex

#include "app/numbers.h"
#include "planner/trade_plan_report.h"

#include <gtest/gtest.h>

namespace korvex {
namespace {

const DateNames kEnglish{
    {"Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday"},
    {"January", "February", "March", "April", "May", "June", "July", "August", "September", "October",
     "November", "December"}};

TEST(PlanDate, WritesTheTwelveHourClockWithLongNames)
{
    struct Case {
        ClockReading clock;
        const char* text;
    };
    const Case cases[] = {
        {{2026, 12, 8, 2, 21, 5}, "Tuesday, December 8, 2026 09:05 PM"},
        {{2026, 1, 1, 4, 0, 0}, "Thursday, January 1, 2026 12:00 AM"},
        {{2026, 5, 31, 7, 12, 30}, "Sunday, May 31, 2026 12:30 PM"},
        {{2027, 2, 15, 1, 11, 59}, "Monday, February 15, 2027 11:59 AM"},
        {{2027, 9, 10, 5, 13, 0}, "Friday, September 10, 2027 01:00 PM"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatPlanDate(c.clock, kEnglish), c.text);
}

TEST(PlanDate, TakesTheNamesOfTheUsersLanguage)
{
    DateNames german = kEnglish;
    german.days[1] = "Dienstag";
    german.months[11] = "Dezember";
    EXPECT_EQ(FormatPlanDate({2026, 12, 8, 2, 9, 5}, german), "Dienstag, Dezember 8, 2026 09:05 AM");
}

TEST(PlanDate, RefusesAReadingOutsideTheCalendar)
{
    EXPECT_THROW(FormatPlanDate({2026, 13, 1, 1, 0, 0}, kEnglish), std::out_of_range);
    EXPECT_THROW(FormatPlanDate({2026, 1, 1, 0, 0, 0}, kEnglish), std::out_of_range);
}

TEST(CrLfBreaks, MakesEveryKindOfLineBreakCrLf)
{
    EXPECT_EQ(WithCrLfBreaks("a\nb\r\nc\rd"), "a\r\nb\r\nc\r\nd");
    EXPECT_EQ(WithCrLfBreaks("\n\nend\n"), "\r\n\r\nend\r\n");
    EXPECT_EQ(WithCrLfBreaks("no break"), "no break");
}

class TradePlanFillTest : public ::testing::Test {
protected:
    void SetUp() override { formatSettings() = FormatSettings{}; }

    static std::string textOf(const std::vector<ItemText>& fill, const std::string& item)
    {
        for (const ItemText& entry : fill)
            if (entry.item == item)
                return entry.text;
        ADD_FAILURE() << "no " << item;
        return {};
    }
};

TEST_F(TradePlanFillTest, WritesFourteenItemsInTheirOrder)
{
    TradePlanSheet sheet;
    sheet.accountBalance = "25000";
    sheet.ticker = "<b>X</b> & Co";
    sheet.position = "Short";
    sheet.entryPrice = "1234.5";
    sheet.targetPrice = "12 dollars";
    sheet.stopLoss = "";
    sheet.numberOfShares = "1500";
    sheet.riskRewardRatio = "3:1";
    sheet.potentialProfit = "typed over";
    sheet.potentialProfitPercent = "12.50 %";
    sheet.potentialLoss = "$100.00";
    sheet.equityAtRisk = "0.40 %";
    sheet.notes = "first\nsecond";
    const std::vector<ItemText> fill = TradePlanFill(sheet, "Tuesday, December 8, 2026 09:05 PM");

    const std::vector<std::pair<std::string, std::string>> expected{
        {"txt_AccountBalance", "$25,000.00"},
        {"txt_Ticker", "<b>X</b> & Co"},
        {"txt_Position", "Short"},
        {"txt_EntryPrice", "$1,234.50"},
        {"txt_TargetPrice", "$0.00"},
        {"txt_StopLoss", "$0.00"},
        {"txt_NumberOfShares", "1,500"},
        {"txt_RiskRewardRatio", "3:1"},
        {"txt_PotentialProfit", "typed over"},
        {"txt_PotentialLoss", "$100.00"},
        {"txt_EquityAtRisk", "0.40 %"},
        {"txt_Date", "Tuesday, December 8, 2026 09:05 PM"},
        {"mem_Notes", "first\r\nsecond"},
        {"txt_PotentialProfitPercent", "12.50 %"},
    };
    ASSERT_EQ(fill.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(fill[i].item, expected[i].first) << i;
        EXPECT_EQ(fill[i].text, expected[i].second) << expected[i].first;
    }
}

TEST_F(TradePlanFillTest, ReadsTheShareCountAsADecimalNumber)
{
    const std::pair<const char*, const char*> cases[] = {
        {"", "0"}, {"1500", "1,500"}, {"12.5", "13"}, {"13.5", "14"}, {"1,000", "0"},
        {"$10", "0"}, {"  7 ", "7"}, {"-2.5", "-3"}, {"1e6", "1,000,000"},
    };
    for (const auto& [typed, printed] : cases) {
        TradePlanSheet sheet;
        sheet.numberOfShares = typed;
        EXPECT_EQ(textOf(TradePlanFill(sheet, ""), "txt_NumberOfShares"), printed) << typed;
    }
}

TEST_F(TradePlanFillTest, FormatsPricesWithTheLocaleSeparators)
{
    formatSettings() = FormatSettings{',', '.'};
    TradePlanSheet sheet;
    sheet.accountBalance = "1234,5";
    sheet.entryPrice = "1234.5";  // not a number with a decimal comma
    const std::vector<ItemText> fill = TradePlanFill(sheet, "");
    EXPECT_EQ(textOf(fill, "txt_AccountBalance"), "$1.234,50");
    EXPECT_EQ(textOf(fill, "txt_EntryPrice"), "$0,00");
}

}  // namespace
}  // namespace korvex

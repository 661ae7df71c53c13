#include "app/numbers/numbers.h"
#include "planner/trade_plan_report.h"

#include "tests/error_of.h"

#include <gtest/gtest.h>

#include <functional>

namespace korvex {
namespace {

TEST(PlanDate, WritesTheTwelveHourClockWithTheLongNames)
{
    const DateNames english{{"Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday"},
                            {"January", "February", "March", "April", "May", "June", "July", "August",
                             "September", "October", "November", "December"}};
    const std::pair<ClockReading, const char*> cases[] = {
        {{2026, 12, 8, 2, 21, 5}, "Tuesday, December 8, 2026 09:05 PM"},
        {{2026, 1, 1, 4, 0, 0}, "Thursday, January 1, 2026 12:00 AM"},
        {{2026, 5, 31, 7, 12, 30}, "Sunday, May 31, 2026 12:30 PM"},
        {{2027, 2, 15, 1, 11, 59}, "Monday, February 15, 2027 11:59 AM"},
    };
    for (const auto& [clock, text] : cases)
        EXPECT_EQ(FormatPlanDate(clock, english), text);
    EXPECT_THROW(FormatPlanDate({2026, 13, 1, 1, 0, 0}, english), std::out_of_range);
}

TEST(TradePlanFill, WritesFourteenItemsInTheirOrder)
{
    formatSettings() = FormatSettings{};
    const TradePlanSheet sheet{"25000", "<b>X</b> & Co", "Short", "1234.5", "12 dollars", "", "1500", "3:1",
                               "typed over", "12.50 %", "$100.00", "0.40 %", "first\nsecond\r\rthird"};
    const std::vector<ItemText> fill = TradePlanFill(sheet, "Tuesday, December 8, 2026 09:05 PM");
    const std::vector<std::pair<std::string, std::string>> expected{
        {"txt_AccountBalance", "$25,000.00"}, {"txt_Ticker", "<b>X</b> & Co"}, {"txt_Position", "Short"},
        {"txt_EntryPrice", "$1,234.50"}, {"txt_TargetPrice", "$0.00"}, {"txt_StopLoss", "$0.00"},
        {"txt_NumberOfShares", "1,500"}, {"txt_RiskRewardRatio", "3:1"}, {"txt_PotentialProfit", "typed over"},
        {"txt_PotentialLoss", "$100.00"}, {"txt_EquityAtRisk", "0.40 %"},
        {"txt_Date", "Tuesday, December 8, 2026 09:05 PM"}, {"mem_Notes", "first\r\nsecond\r\n\r\nthird"},
        {"txt_PotentialProfitPercent", "12.50 %"},
    };
    ASSERT_EQ(fill.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(fill[i].item, expected[i].first) << i;
        EXPECT_EQ(fill[i].text, expected[i].second) << expected[i].first;
    }
}

TEST(TradePlanFill, ReadsTheShareCountAsADecimalNumber)
{
    formatSettings() = FormatSettings{};
    const std::pair<const char*, const char*> cases[] = {
        {"", "0"}, {"12.5", "13"}, {"13.5", "14"}, {"1,000", "0"}, {"$10", "0"}, {"-2.5", "-3"}, {"1e6", "1,000,000"},
    };
    for (const auto& [typed, printed] : cases) {
        TradePlanSheet sheet;
        sheet.numberOfShares = typed;
        EXPECT_EQ(TradePlanFill(sheet, "")[6].text, printed) << typed;
    }
}

RaveProject tradePlanProject()
{
    RavePage page{"Page1", "A4", RaveOrientation::PrinterDefault, 8.268, 11.693, {}};
    page.items.push_back({"lbl_Ticker", RaveKind::Text, "Ticker", 0.583, 1.138, 1.264, 1.0 / 6, {}});
    for (const ItemText& entry : TradePlanFill({}, ""))
        page.items.push_back({entry.item, RaveKind::Text, entry.item, 2, 1, 1.278, 1.0 / 6, {}});
    page.items[13].kind = RaveKind::Memo;  // mem_Notes
    return RaveProject{"RaveProject", {RaveReport{"Report1", {page}}}};
}

TEST(FillTradePlanPage, FindsThePageAndEveryItemOfItsKind)
{
    RaveProject project = tradePlanProject();
    RavePage& page = RaveProjectManager(project).FindPage(kTradePlanPage);
    FillTradePlanPage(page, TradePlanFill({}, "today"));
    EXPECT_EQ(page.items[0].text, "Ticker");
    for (std::size_t i = 1; i < page.items.size(); ++i)
        EXPECT_NE(page.items[i].text, page.items[i].name) << "placeholder left in " << page.items[i].name;

    EXPECT_EQ(errorOf([&] { RaveProjectManager(project).FindPage("Report1.Page2"); }),
              "The reporting project has no page \"Report1.Page2\"");
    const std::pair<std::function<void(RavePage&)>, const char*> damages[] = {
        {[](RavePage& p) { p.items.erase(p.items.begin() + 2); }, "The report page \"Page1\" has no item \"txt_Ticker\""},
        {[](RavePage& p) { p.items[13].kind = RaveKind::Text; }, "The report item \"mem_Notes\" is not a memo"},
        {[](RavePage& p) { p.items[1].kind = RaveKind::Memo; },
         "The report item \"txt_AccountBalance\" is not a text item"},
    };
    for (const auto& [damage, message] : damages) {
        RaveProject damaged = tradePlanProject();
        damage(damaged.reports[0].pages[0]);
        EXPECT_EQ(errorOf([&] { FillTradePlanPage(damaged.reports[0].pages[0], TradePlanFill({}, "")); }), message);
    }
}

}  // namespace
}  // namespace korvex

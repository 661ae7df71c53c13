#include "planner/rave_project.h"
#include "planner/trade_plan_report.h"

#include <gtest/gtest.h>

#include <functional>

namespace korvex {
namespace {

const char* const kFilledItems[] = {
    "txt_AccountBalance", "txt_Ticker", "txt_Position", "txt_EntryPrice", "txt_TargetPrice",
    "txt_StopLoss", "txt_NumberOfShares", "txt_RiskRewardRatio", "txt_PotentialProfit", "txt_PotentialLoss",
    "txt_EquityAtRisk", "txt_Date", "txt_PotentialProfitPercent",
};

RaveProject tradePlanProject()
{
    RavePage page{"Page1", "A4", RaveOrientation::PrinterDefault, 8.268, 11.693, {}};
    page.items.push_back({"lbl_Ticker", RaveKind::Text, "Ticker", 0.583, 1.138, 1.264, 1.0 / 6, {}});
    for (const char* name : kFilledItems)
        page.items.push_back({name, RaveKind::Text, name, 2, 1, 1.278, 1.0 / 6, {}});
    page.items.push_back({"mem_Notes", RaveKind::Memo, "mem_Notes", 0.583, 3.138, 3, 2, {}});
    return RaveProject{"RaveProject", {RaveReport{"Report1", {page}}}};
}

std::string errorOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const std::runtime_error& error) {
        return error.what();
    }
    return "no error";
}

TEST(RaveProjectManager, FindsThePageByItsFullName)
{
    RaveProject project = tradePlanProject();
    const RaveProjectManager manager(project);
    EXPECT_EQ(&manager.FindPage("Report1.Page1"), &project.reports[0].pages[0]);
    EXPECT_EQ(errorOf([&] { manager.FindPage("Page1"); }), "The reporting project has no page \"Page1\"");
    EXPECT_EQ(errorOf([&] { manager.FindPage("Report1.Page2"); }),
              "The reporting project has no page \"Report1.Page2\"");
    EXPECT_EQ(errorOf([&] { manager.FindPage("Report2.Page1"); }),
              "The reporting project has no page \"Report2.Page1\"");
}

TEST(FillTradePlanPage, WritesEveryItemAndLeavesTheCaptions)
{
    RaveProject project = tradePlanProject();
    RavePage& page = RaveProjectManager(project).FindPage(kTradePlanPage);
    TradePlanSheet sheet;
    sheet.ticker = "KVX";
    sheet.notes = "a\nb";
    FillTradePlanPage(page, TradePlanFill(sheet, "today"));
    for (const RaveItem& item : page.items)
        EXPECT_NE(item.text, item.name) << "placeholder left in " << item.name;
    EXPECT_EQ(RaveProjectManager::FindText(page, "lbl_Ticker").text, "Ticker");
    EXPECT_EQ(RaveProjectManager::FindText(page, "txt_Ticker").text, "KVX");
    EXPECT_EQ(RaveProjectManager::FindMemo(page, "mem_Notes").text, "a\r\nb");
}

TEST(FillTradePlanPage, NamesAMissingOrMistypedItem)
{
    struct Case {
        std::function<void(RavePage&)> damage;
        const char* message;
    };
    const Case cases[] = {
        {[](RavePage& page) { page.items.erase(page.items.begin() + 2); },
         "The report page \"Page1\" has no item \"txt_Ticker\""},
        {[](RavePage& page) { page.items.back().kind = RaveKind::Text; },
         "The report item \"mem_Notes\" is not a memo"},
        {[](RavePage& page) { page.items[1].kind = RaveKind::Memo; },
         "The report item \"txt_AccountBalance\" is not a text item"},
    };
    for (const Case& c : cases) {
        RaveProject project = tradePlanProject();
        RavePage& page = project.reports[0].pages[0];
        c.damage(page);
        EXPECT_EQ(errorOf([&] { FillTradePlanPage(page, TradePlanFill({}, "")); }), c.message);
    }
}

TEST(ValidateRaveProject, AcceptsTheTradePlanAndRejectsDamage)
{
    EXPECT_NO_THROW(ValidateRaveProject(tradePlanProject()));
    struct Case {
        std::function<void(RaveProject&)> damage;
        const char* message;
    };
    auto item = [](RaveProject& p) -> RaveItem& { return p.reports[0].pages[0].items[2]; };
    const Case cases[] = {
        {[](RaveProject& p) { p.name.clear(); }, "The reporting project has no name"},
        {[](RaveProject& p) { p.reports.push_back(p.reports[0]); }, "The report \"Report1\" appears twice"},
        {[](RaveProject& p) { p.reports[0].pages[0].paperWidth = 0; },
         "The paper width of the page \"Report1.Page1\" is out of range"},
        {[&](RaveProject& p) { item(p).name = "lbl_Ticker"; },
         "The item \"lbl_Ticker\" appears twice on the page \"Report1.Page1\""},
        {[&](RaveProject& p) { item(p).name.clear(); }, "An item of the page \"Report1.Page1\" has no name"},
        {[&](RaveProject& p) { item(p).left = -0.5; },
         "The item \"txt_Ticker\" of the page \"Report1.Page1\": its left edge is out of range"},
        {[&](RaveProject& p) { item(p).width = 1e9; },
         "The item \"txt_Ticker\" of the page \"Report1.Page1\": its width is out of range"},
        {[&](RaveProject& p) { item(p).top = std::numeric_limits<double>::quiet_NaN(); },
         "The item \"txt_Ticker\" of the page \"Report1.Page1\": its top is out of range"},
        {[&](RaveProject& p) { item(p).font.size = 0; },
         "The item \"txt_Ticker\" of the page \"Report1.Page1\": its font size is out of range"},
    };
    for (const Case& c : cases) {
        RaveProject project = tradePlanProject();
        c.damage(project);
        EXPECT_EQ(errorOf([&] { ValidateRaveProject(project); }), c.message);
    }
}

}  // namespace
}  // namespace korvex

#include "planner/trade_plan_report.h"

#include "app/numbers/numbers.h"

#include <stdexcept>

namespace korvex {

namespace {

std::string twoDigits(int n)
{
    std::string text = std::to_string(n);
    return text.size() < 2 ? "0" + text : text;
}

std::string money(const std::string& typed) { return FormatText("$%.2n", {ParseNumber(typed, 0)}); }

template <std::size_t N>
const std::string& nameAt(const std::array<std::string, N>& names, int oneBased)
{
    if (oneBased < 1 || oneBased > static_cast<int>(N))
        throw std::out_of_range("The clock gave a date out of range");
    return names[static_cast<std::size_t>(oneBased - 1)];
}

}  // namespace

std::string FormatPlanDate(const ClockReading& clock, const DateNames& names)
{
    const int hour12 = clock.hour % 12 == 0 ? 12 : clock.hour % 12;
    return nameAt(names.days, clock.dayOfWeek) + ", " + nameAt(names.months, clock.month) + " "
           + std::to_string(clock.day) + ", " + std::to_string(clock.year) + " " + twoDigits(hour12) + ":"
           + twoDigits(clock.minute) + (clock.hour < 12 ? " AM" : " PM");
}

std::string WithCrLfBreaks(std::string_view text)
{
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            result += "\r\n";
        } else {
            result += text[i];
        }
    }
    return result;
}

std::vector<ItemText> TradePlanFill(const TradePlanSheet& sheet, const std::string& dateText)
{
    return {
        {"txt_AccountBalance", money(sheet.accountBalance)},
        {"txt_Ticker", sheet.ticker},
        {"txt_Position", sheet.position},
        {"txt_EntryPrice", money(sheet.entryPrice)},
        {"txt_TargetPrice", money(sheet.targetPrice)},
        {"txt_StopLoss", money(sheet.stopLoss)},
        // A decimal number here, unlike the calculation: '12.5' prints as '13'.
        {"txt_NumberOfShares", FormatText("%.0n", {ParseNumber(sheet.numberOfShares, 0)})},
        {"txt_RiskRewardRatio", sheet.riskRewardRatio},
        {"txt_PotentialProfit", sheet.potentialProfit},
        {"txt_PotentialLoss", sheet.potentialLoss},
        {"txt_EquityAtRisk", sheet.equityAtRisk},
        {"txt_Date", dateText},
        {kTradePlanNotes, WithCrLfBreaks(sheet.notes)},
        {"txt_PotentialProfitPercent", sheet.potentialProfitPercent},
    };
}

void FillTradePlanPage(RavePage& page, const std::vector<ItemText>& fill)
{
    for (const ItemText& entry : fill) {
        RaveItem& item = entry.item == kTradePlanNotes ? RaveProjectManager::FindMemo(page, entry.item)
                                                        : RaveProjectManager::FindText(page, entry.item);
        item.text = entry.text;
    }
}

}  // namespace korvex

#pragma once
// What the printed trade plan says: the page's fields turned into the texts
// of the report's items, and the date line.

#include "planner/rave_project.h"

#include <array>
#include <string>
#include <utility>
#include <vector>

namespace korvex {

// The Trade Planner page's fields as they stand when Print is pressed.
struct TradePlanSheet {
    std::string accountBalance;
    std::string ticker;
    std::string position;
    std::string entryPrice;
    std::string targetPrice;
    std::string stopLoss;
    std::string numberOfShares;
    std::string riskRewardRatio;
    std::string potentialProfit;
    std::string potentialProfitPercent;
    std::string potentialLoss;
    std::string equityAtRisk;
    std::string notes;  // lines separated by any of CR LF, LF or CR
};

struct ClockReading {
    int year = 2000;
    int month = 1;      // 1 = January
    int day = 1;
    int dayOfWeek = 1;  // 1 = Monday ... 7 = Sunday
    int hour = 0;       // 0 to 23
    int minute = 0;
};

// The long day and month names of the user's language.
struct DateNames {
    std::array<std::string, 7> days;     // Monday first
    std::array<std::string, 12> months;  // January first
};

// "Tuesday, December 8, 2026 09:05 PM": the hour on the 12-hour clock.
std::string FormatPlanDate(const ClockReading& clock, const DateNames& names);

// The notes with every line break made CR LF.
std::string WithCrLfBreaks(std::string_view text);

struct ItemText {
    std::string item;
    std::string text;
};

// The item texts in the order they are written: typed prices and the share
// count reformatted, the result fields exactly as they stand.
std::vector<ItemText> TradePlanFill(const TradePlanSheet& sheet, const std::string& dateText);

// Writes the fill into the page; every item must exist with the right kind.
void FillTradePlanPage(RavePage& page, const std::vector<ItemText>& fill);

inline constexpr const char* kTradePlanPage = "Report1.Page1";
inline constexpr const char* kTradePlanNotes = "mem_Notes";

}  // namespace korvex

#pragma once
// The trade plan: from the five figures a user types to either a refusal
// (the balance cannot pay for the shares) or the five result texts.

#include <cstdint>
#include <string>
#include <variant>

namespace korvex {

struct TradePlanInputs {
    std::string accountBalance;
    std::string entryPrice;
    std::string targetPrice;
    std::string stopLoss;
    std::string numberOfShares;
};

struct TradePlanResults {
    std::string riskRewardRatio;
    std::string potentialProfit;
    std::string potentialProfitPercent;
    std::string potentialLoss;   // money at risk
    std::string equityAtRisk;    // money at risk as percent of the balance
};

struct TradePlanRefusal {
    std::int64_t maximumShares = 0;
    std::string message() const;
};

using TradePlanOutcome = std::variant<TradePlanRefusal, TradePlanResults>;

// Throws FloatError for inputs or results beyond the number ranges.
TradePlanOutcome CalculateTradePlan(const TradePlanInputs& inputs);

}  // namespace korvex

#include "planner/trade_plan.h"

#include "app/numbers/checked_math.h"
#include "app/numbers/numbers.h"

#include <cmath>

namespace korvex {

namespace {

// A balance and an entry price typed in decimals rarely divide exactly in
// binary: 100 / 0.1 comes out a hair below 1000. A quotient this close to a
// whole number is taken to be that number, so a position that costs exactly
// the balance is not refused.
Extended snappedQuotient(Extended quotient)
{
    const Extended whole = std::round(quotient);
    if (std::fabs(quotient - whole) <= 1e-12L * std::fabs(quotient))
        return whole;
    return quotient;
}

std::int64_t wholeSharesBelow(Extended quotient)
{
    const Extended floored = std::floor(quotient);
    constexpr Extended limit = 9223372036854775808.0L;  // 2^63
    if (!(floored >= -limit && floored < limit))
        throw FloatError(kInvalidOperation);
    return static_cast<std::int64_t>(floored);
}

std::string percentText(double amount, double balance)
{
    if (balance == 0)
        return {};
    return FormatText("%.2f %%", {Multiply(Divide(amount, balance), 100)});
}

}  // namespace

std::string TradePlanRefusal::message() const
{
    return FormatText("You cannot buy more than %d shares", {maximumShares});
}

TradePlanOutcome CalculateTradePlan(const TradePlanInputs& inputs)
{
    const double balance = StoreDouble(ParseNumber(inputs.accountBalance, 0));
    const double entry = StoreDouble(ParseNumber(inputs.entryPrice, 0));
    const double target = StoreDouble(ParseNumber(inputs.targetPrice, 0));
    const double stop = StoreDouble(ParseNumber(inputs.stopLoss, 0));
    const std::int32_t shares = ParseWholeNumber(inputs.numberOfShares, 0);

    if (entry != 0 && balance != 0) {
        const Extended affordable = snappedQuotient(Divide(balance, entry));
        if (shares > affordable)
            return TradePlanRefusal{wholeSharesBelow(affordable)};
    }

    const double profit = StoreDouble(Multiply(std::fabs(Extended(target) - entry), shares));
    const double loss = StoreDouble(Multiply(std::fabs(Extended(entry) - stop), shares));

    TradePlanResults results;
    if (loss != 0)
        results.riskRewardRatio = WholeNumberToText(RoundToWhole(Divide(profit, loss))) + ":1";
    results.potentialProfit = FormatText("$%.2n", {Extended(profit)});
    results.potentialLoss = FormatText("$%.2n", {Extended(loss)});
    results.potentialProfitPercent = percentText(profit, balance);
    results.equityAtRisk = percentText(loss, balance);
    return results;
}

}  // namespace korvex

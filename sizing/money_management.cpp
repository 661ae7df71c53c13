#include "sizing/money_management.h"

#include "app/numbers/checked_math.h"
#include "app/numbers/numbers.h"

#include <stdexcept>

namespace korvex {

namespace {

// The result texts, character for character as users know them from earlier
// versions (the missing "$" and spaces included).
constexpr const char* kUnitsPattern = "%.0n @ $%.3n = $%.2n Position Size.\r\nwith Stop @%.3n\r\n";
constexpr const char* kFixedDollarPattern =
    "Parcel Size: $%.2n @ Price:$%.3n\r\nUnits to purchase: %.0n\r\nwith Stop @ $%.2n ";
constexpr const char* kFloatPercentPattern =
    "Parcel Size: $%.2n x %s%% = $%.2n  \r\n@ Price: $%.3n = Units to purchase: %.0n\r\nwith Stop @ $%.3n ";
constexpr const char* kDollarRiskPattern =
    "Risk $: $%.2n, Price: $%.3n = Units to purchase: %.0n\r\nwith Stop @ $%.3n\r\nTotal parcel size: $%.2n ";
constexpr const char* kPercentRiskPattern =
    "Risk $: $%.2n, Price: $%.3n = Units to purchase: %0.n\r\nwith Stop @ %.3n\r\nTotal parcel size: $%.2n ";
constexpr const char* kLeverageNote = "(Leverage - %s%%)";

// An input as the calculation holds it: parsed, then stored as a double.
Extended storedInput(const std::string& text) { return StoreDouble(ParseNumber(text, 0)); }

// Each step is its own statement so that the operations, and so the error a
// zero raises first, come in the order the formulas are written.
std::string modelText(int model, Extended Q, Extended P, Extended S, Extended T, Extended F, Extended R,
                      Extended L)
{
    switch (model) {
    case NoModel:
    case FixedUnits: {
        const Extended value = Multiply(Q, P);
        const Extended size = Multiply(value, Divide(L, 100));
        return FormatText(kUnitsPattern, {Q, P, size, S});
    }
    case FixedDollar: {
        const Extended funds = Multiply(Divide(100, L), T);
        const Extended units = Divide(funds, P);
        return FormatText(kFixedDollarPattern, {T, P, units, S});
    }
    case FloatPercentUnits: {
        const std::string floatText = FormatNumber("0.##", F);
        const Extended parcel = Multiply(Divide(F, 100), T);
        const Extended unleveraged = Divide(parcel, P);
        const Extended units = Multiply(unleveraged, Divide(100, L));
        return FormatText(kFloatPercentPattern, {T, floatText, parcel, P, units, S});
    }
    case FixedDollarRisk: {
        const Extended units = Divide(R, P - S);
        const Extended value = Multiply(units, P);
        const Extended size = Multiply(value, Divide(L, 100));
        return FormatText(kDollarRiskPattern, {R, P, units, S, size});
    }
    case FixedPercentRisk: {
        // The risk in dollars is kept as a double, as it always has been;
        // the figures derived from it show that rounding.
        const Extended D = StoreDouble(Multiply(Divide(R, 100), T));
        const Extended units = Divide(D, P - S);
        const Extended value = Multiply(units, P);
        const Extended size = Multiply(value, Divide(L, 100));
        return FormatText(kPercentRiskPattern, {D, P, units, S, size});
    }
    default:
        throw std::out_of_range("money-management model out of range");
    }
}

}  // namespace

ModelFields fieldsUsedBy(int model)
{
    switch (model) {
    case NoModel:
    case FixedUnits:
        return {.quantity = true};
    case FixedDollar:
        return {.totalFunds = true};
    case FloatPercentUnits:
        return {.totalFunds = true, .floatPercent = true};
    case FixedDollarRisk:
        return {.risk = true};
    case FixedPercentRisk:
        return {.totalFunds = true, .risk = true};
    default:
        throw std::out_of_range("money-management model out of range");
    }
}

std::string PositionSizeText(int model, const PositionFields& fields)
{
    // A field the model does not use is not read at all: a leftover text in a
    // greyed-out field, however large, must not stop the calculation.
    const ModelFields used = fieldsUsedBy(model);
    const Extended Q = used.quantity ? storedInput(fields.quantity) : 0;
    const Extended P = storedInput(fields.price);
    const Extended S = storedInput(fields.stop);
    const Extended T = used.totalFunds ? storedInput(fields.totalFunds) : 0;
    const Extended F = used.floatPercent ? storedInput(fields.floatPercent) : 0;
    const Extended R = used.risk ? storedInput(fields.risk) : 0;
    const Extended L = fields.leverageEnabled ? storedInput(fields.leverage) : 100;

    std::string text = modelText(model, Q, P, S, T, F, R, L);
    if (fields.leverageEnabled)
        text += FormatText(kLeverageNote, {FormatNumber("0.#", L)});
    return text;
}

}  // namespace korvex

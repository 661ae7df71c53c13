#include "app/numbers/checked_math.h"
#include "sizing/money_management.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace korvex {
namespace {

// Field texts by letter, as on the page: Q P S T F R, and the leverage text
// (enabled when given).
struct Fields {
    const char* Q = "";
    const char* P = "";
    const char* S = "";
    const char* T = "";
    const char* F = "";
    const char* R = "";
    const char* L = nullptr;

    PositionFields texts() const
    {
        return {Q, P, S, T, F, R, L ? L : "", L != nullptr};
    }
};

struct ResultCase {
    const char* name;
    int model;
    Fields fields;
    const char* text;
};

class PositionSizeResult : public ::testing::TestWithParam<ResultCase> {};

TEST_P(PositionSizeResult, IsTheExactMemoText)
{
    const ResultCase& c = GetParam();
    EXPECT_EQ(PositionSizeText(c.model, c.fields.texts()), c.text);
}

const ResultCase kResults[] = {
    {"FixedUnits", FixedUnits, {.Q = "10000", .P = "3.5", .S = "3.2"},
     "10,000 @ $3.500 = $35,000.00 Position Size.\r\nwith Stop @3.200\r\n"},
    {"NoModelLeveraged", NoModel, {.Q = "10000", .P = "3.5", .S = "3.2", .L = "5"},
     "10,000 @ $3.500 = $1,750.00 Position Size.\r\nwith Stop @3.200\r\n(Leverage - 5%)"},
    {"FixedDollar", FixedDollar, {.P = "3.5", .S = "3.2", .T = "15000"},
     "Parcel Size: $15,000.00 @ Price:$3.500\r\nUnits to purchase: 4,286\r\nwith Stop @ $3.20 "},
    {"FixedDollarLeveraged", FixedDollar, {.P = "3.5", .S = "3.2", .T = "15000", .L = "5"},
     "Parcel Size: $15,000.00 @ Price:$3.500\r\nUnits to purchase: 85,714\r\nwith Stop @ $3.20 (Leverage - 5%)"},
    {"FloatPercent", FloatPercentUnits, {.P = "3.5", .S = "3.2", .T = "100000", .F = "5"},
     "Parcel Size: $100,000.00 x 5% = $5,000.00  \r\n@ Price: $3.500 = Units to purchase: 1,429\r\n"
     "with Stop @ $3.200 "},
    {"FloatPercentLeveraged", FloatPercentUnits, {.P = "3.5", .S = "3.2", .T = "100000", .F = "12.5", .L = "10"},
     "Parcel Size: $100,000.00 x 12.5% = $12,500.00  \r\n@ Price: $3.500 = Units to purchase: 35,714\r\n"
     "with Stop @ $3.200 (Leverage - 10%)"},
    {"DollarRisk", FixedDollarRisk, {.P = "3.5", .S = "3.2", .R = "1500"},
     "Risk $: $1,500.00, Price: $3.500 = Units to purchase: 5,000\r\nwith Stop @ $3.200\r\n"
     "Total parcel size: $17,500.00 "},
    {"DollarRiskLeveraged", FixedDollarRisk, {.P = "3.5", .S = "3.2", .R = "1500", .L = "5"},
     "Risk $: $1,500.00, Price: $3.500 = Units to purchase: 5,000\r\nwith Stop @ $3.200\r\n"
     "Total parcel size: $875.00 (Leverage - 5%)"},
    {"PercentRisk", FixedPercentRisk, {.P = "3.5", .S = "3.2", .T = "100000", .R = "1.5"},
     "Risk $: $1,500.00, Price: $3.500 = Units to purchase: 5,000\r\nwith Stop @ 3.200\r\n"
     "Total parcel size: $17,500.00 "},
    {"PercentRiskLeveraged", FixedPercentRisk, {.P = "3.5", .S = "3.2", .T = "100000", .R = "1.5", .L = "2.5"},
     "Risk $: $1,500.00, Price: $3.500 = Units to purchase: 5,000\r\nwith Stop @ 3.200\r\n"
     "Total parcel size: $437.50 (Leverage - 2.5%)"},
    {"FixedUnitsEmpty", FixedUnits, {}, "0 @ $0.000 = $0.00 Position Size.\r\nwith Stop @0.000\r\n"},

    // A stop above the price sells short: negative counts and sizes.
    {"DollarRiskStopAbovePrice", FixedDollarRisk, {.P = "3.2", .S = "3.5", .R = "1500"},
     "Risk $: $1,500.00, Price: $3.200 = Units to purchase: -5,000\r\nwith Stop @ $3.500\r\n"
     "Total parcel size: $-16,000.00 "},
    // Leftover texts in fields a model does not use change nothing.
    {"UnusedFieldsIgnored", FixedDollar, {.Q = "1e400", .P = "3.5", .S = "3.2", .T = "15000", .F = "x", .R = "9"},
     "Parcel Size: $15,000.00 @ Price:$3.500\r\nUnits to purchase: 4,286\r\nwith Stop @ $3.20 "},
    // Evaluated in extended precision: 0.1 / (0.05 - 0.01) lies just below 2.5
    // there, while plain doubles would round it to 2.5 and show 3.
    {"ExtendedPrecision", FixedDollarRisk, {.P = "0.05", .S = "0.01", .R = "0.1"},
     "Risk $: $0.10, Price: $0.050 = Units to purchase: 2\r\nwith Stop @ $0.010\r\nTotal parcel size: $0.13 "},
    // The dollar risk is kept as a double before it is divided: kept in
    // extended precision the count would be 7.
    {"PercentRiskStoresDollarRisk", FixedPercentRisk, {.P = "0.05", .S = "0.01", .T = "300", .R = "0.1"},
     "Risk $: $0.30, Price: $0.050 = Units to purchase: 8\r\nwith Stop @ 0.010\r\nTotal parcel size: $0.38 "},
};

INSTANTIATE_TEST_SUITE_P(Models, PositionSizeResult, ::testing::ValuesIn(kResults),
                         [](const auto& info) { return std::string(info.param.name); });

struct ErrorCase {
    const char* name;
    int model;
    Fields fields;
    const char* message;
};

class PositionSizeError : public ::testing::TestWithParam<ErrorCase> {};

TEST_P(PositionSizeError, RaisesTheExactMessage)
{
    const ErrorCase& c = GetParam();
    try {
        const std::string text = PositionSizeText(c.model, c.fields.texts());
        ADD_FAILURE() << "gave '" << text << "'";
    } catch (const FloatError& error) {
        EXPECT_STREQ(error.what(), c.message);
    }
}

const ErrorCase kErrors[] = {
    {"DollarRiskEmpty", FixedDollarRisk, {}, kInvalidOperation},
    {"PercentRiskEmpty", FixedPercentRisk, {}, kInvalidOperation},
    {"DollarRiskStopAtPrice", FixedDollarRisk, {.P = "3", .S = "3", .R = "100"}, kDivisionByZero},
    {"FixedDollarLeverageEmptied", FixedDollar, {.P = "3.5", .T = "15000", .L = ""}, kDivisionByZero},
    {"FixedDollarNoPrice", FixedDollar, {.T = "15000"}, kDivisionByZero},
    // The leverage is divided before the price is.
    {"FixedDollarLeverageZeroNoPrice", FixedDollar, {.T = "15000", .L = "0"}, kDivisionByZero},
    {"FixedDollarNothing", FixedDollar, {}, kInvalidOperation},
    {"FloatLeverageEmptied", FloatPercentUnits, {.P = "3.5", .T = "100000", .F = "5", .L = ""}, kDivisionByZero},
    // The price is divided before the leverage is.
    {"FloatNoPriceNoFloat", FloatPercentUnits, {.T = "100000", .L = "0"}, kInvalidOperation},
    {"PriceBeyondDouble", FixedUnits, {.P = "1e309"}, kOverflow},
    // Overflow on storing comes before any division.
    {"OverflowBeforeDivision", FixedDollarRisk, {.R = "1e400"}, kOverflow},
    {"DollarRiskBeyondDouble", FixedPercentRisk, {.P = "2", .T = "1e300", .R = "1e300"}, kOverflow},
};

INSTANTIATE_TEST_SUITE_P(Models, PositionSizeError, ::testing::ValuesIn(kErrors),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PositionSize, LeverageTextCountsOnlyWhileItsFieldIsEnabled)
{
    PositionFields fields = Fields{.Q = "10", .P = "2", .L = "0"}.texts();
    fields.leverageEnabled = false;
    EXPECT_EQ(PositionSizeText(FixedUnits, fields), "10 @ $2.000 = $20.00 Position Size.\r\nwith Stop @0.000\r\n");
}

TEST(PositionSize, RejectsAModelOutsideTheList)
{
    EXPECT_THROW(PositionSizeText(-1, {}), std::out_of_range);
    EXPECT_THROW(PositionSizeText(kModelCount, {}), std::out_of_range);
}

}  // namespace
}  // namespace korvex

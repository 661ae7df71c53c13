#pragma once
// The six money-management models behind the Position Sizing page: from the
// texts of the page's fields to the result text shown in its memo.

#include <array>
#include <string>

namespace korvex {

// In the order of the page's model list.
enum MoneyManagementModel : int {
    NoModel,
    FixedUnits,
    FixedDollar,
    FloatPercentUnits,
    FixedDollarRisk,
    FixedPercentRisk,
};
inline constexpr int kModelCount = 6;
inline constexpr std::array<const char*, kModelCount> kModelNames{
    "No Model", "Fixed Units", "Fixed Dollar", "Float Percent Units", "Fixed Dollar Risk", "Fixed Percent Risk",
};

// Which of the optional fields a model reads; price and stop are read by all,
// the leverage whenever its field is enabled.
struct ModelFields {
    bool quantity = false;
    bool totalFunds = false;
    bool risk = false;
    bool floatPercent = false;
};
ModelFields fieldsUsedBy(int model);  // std::out_of_range outside 0 to 5

// The field texts as the user typed them; unreadable texts count as 0.
struct PositionFields {
    std::string quantity;
    std::string price;
    std::string stop;
    std::string totalFunds;
    std::string floatPercent;
    std::string risk;
    std::string leverage;
    bool leverageEnabled = false;  // a disabled leverage field means 100 %, whatever its text
};

// The memo text of a model, CR LF between lines, with the leverage note when
// the leverage field is enabled. Throws FloatError ("Floating point division
// by zero", "Invalid floating point operation", "Floating point overflow")
// before producing anything; std::out_of_range for a model outside 0 to 5.
std::string PositionSizeText(int model, const PositionFields& fields);

}  // namespace korvex

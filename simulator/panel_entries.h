#pragma once
// What the simulator panel accepts from its host document and from its
// entry fields.

#include "simulator/equity_simulation.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korvex {

// The largest lines quantity a Generate accepts: the table then takes
// 1,001 x 454 doubles (3.6 MB) and a Generate with its drawing stays well
// under a second.
inline constexpr int MaxLinesQty = 1000;
// The largest win/loss ratio a Generate accepts: 1,800 trades of that size
// still keep every depth and every shown account value inside the int range.
inline constexpr double MaxWinLoss = 1e6;

struct ParameterInfo {
    std::string_view name;
    std::string_view type;
    std::string_view description;
    std::string_view absentValue;
};

// The five host parameters in the panel's reading order, with what the
// panel reports about each and the value it uses when the set is incomplete.
const std::vector<ParameterInfo>& getParameterInfo();

struct SimulatorPageParams {
    std::string text;
    Rgb background;
    int textsize = 12;
    int textstyle = 0;
    Rgb textcolor;
};

using ParameterLookup = std::function<std::optional<std::string>(std::string_view name)>;

// All five parameters or none: when any one is absent the panel uses its own
// values for all five. A colour that is not six hexadecimal digits, or a
// size or style that is not an integer, falls back to the panel's own value.
SimulatorPageParams usePageParams(const ParameterLookup& getParameter);

// Six hexadecimal digits rrggbb in either case; further characters ignored.
std::optional<Rgb> parseColour(std::string_view text);

enum class EntryField { WinLoss, LinesQty, WinProb };

struct EntryOutcome {
    bool accepted = false;
    // A rejected value: the field to reset, its new text and the status text.
    std::optional<EntryField> resetField;
    std::string resetText;
    std::string status;
};

// Reads the three entries in order into the simulation's parameters; the
// first that does not read or is rejected ends the reading, and those read
// before it stay stored. An accepted set is ready for a generation.
EntryOutcome applyEntries(EquitySimulation& simulation, std::string_view winLoss, std::string_view linesQty,
                          std::string_view winProb);

}  // namespace korvex

#include "simulator/panel_entries.h"

#include "app/numbers/ascii_text.h"

#include "simulator/simulator_numbers.h"

namespace korvex {

namespace {

EntryOutcome rejected(EntryField field, std::string resetText, std::string status)
{
    EntryOutcome outcome;
    outcome.resetField = field;
    outcome.resetText = std::move(resetText);
    outcome.status = std::move(status);
    return outcome;
}

// -0 would turn the Kelly value of a zero ratio from minus into plus infinity.
double withoutNegativeZero(double value) { return value == 0.0 ? 0.0 : value; }

}  // namespace

const std::vector<ParameterInfo>& getParameterInfo()
{
    static const std::vector<ParameterInfo> info{
        {"text", "String", "String to be running", "Running string"},
        {"background", "String", "Background color, format \"rrggbb\"", "C0C0C0"},
        {"textsize", "String", "Text Size", "12"},
        {"textstyle", "String", "Text Style", "0"},
        {"textcolor", "String", "Text Color", "000000"},
    };
    return info;
}

std::optional<Rgb> parseColour(std::string_view text)
{
    if (text.size() < 6)
        return std::nullopt;
    int channels[3];
    for (int i = 0; i < 3; ++i) {
        const int high = hexDigitValue(text[static_cast<std::size_t>(2 * i)]);
        const int low = hexDigitValue(text[static_cast<std::size_t>(2 * i + 1)]);
        if (high < 0 || low < 0)
            return std::nullopt;
        channels[i] = high * 16 + low;
    }
    return Rgb{channels[0], channels[1], channels[2]};
}

SimulatorPageParams usePageParams(const ParameterLookup& getParameter)
{
    std::vector<std::string> values;
    bool complete = true;
    for (const ParameterInfo& parameter : getParameterInfo()) {
        auto value = getParameter ? getParameter(parameter.name) : std::nullopt;
        complete = complete && value.has_value();
        values.push_back(value.value_or(""));
    }
    if (!complete) {
        values.clear();
        for (const ParameterInfo& parameter : getParameterInfo())
            values.emplace_back(parameter.absentValue);
    }
    const auto& info = getParameterInfo();
    auto integer = [&](std::size_t i) {
        return readDecimalInteger(values[i]).value_or(*readDecimalInteger(info[i].absentValue));
    };
    auto colour = [&](std::size_t i) { return parseColour(values[i]).value_or(*parseColour(info[i].absentValue)); };

    SimulatorPageParams parameters;
    parameters.text = values[0];
    parameters.textsize = integer(2);
    parameters.textstyle = integer(3);
    parameters.textcolor = colour(4);
    parameters.background = colour(1);
    return parameters;
}

EntryOutcome applyEntries(EquitySimulation& simulation, std::string_view winLoss, std::string_view linesQty,
                          std::string_view winProb)
{
    const auto stepY = readDecimal(winLoss);
    if (!stepY)
        return {};
    simulation.StepY = withoutNegativeZero(*stepY);
    if (simulation.StepY < 0.0) {
        simulation.StepY = 1.0;
        return rejected(EntryField::WinLoss, "1.0", "Param Win/Loss must be more then 1");
    }
    if (!(simulation.StepY <= MaxWinLoss)) {
        simulation.StepY = 1.0;
        return rejected(EntryField::WinLoss, "1.0", "Param Win/Loss must be 1000000 or less");
    }

    const auto number = readDecimalInteger(linesQty);
    if (!number)
        return {};
    simulation.Number = *number;
    if (simulation.Number < 1) {
        simulation.Number = 1;
        return rejected(EntryField::LinesQty, "1", "Param Lines Qty must be more then 1");
    }
    if (simulation.Number > MaxLinesQty) {
        simulation.Number = 1;
        return rejected(EntryField::LinesQty, "1",
                        "Param Lines Qty must be " + std::to_string(MaxLinesQty) + " or less");
    }

    const auto prob = readDecimal(winProb);
    if (!prob)
        return {};
    simulation.prob = withoutNegativeZero(*prob);
    if (simulation.prob > 1.0 || simulation.prob < 0.0) {
        simulation.prob = 0.5;
        return rejected(EntryField::WinProb, "0.5", "Param Prob must be more then 0 and less then 1");
    }

    EntryOutcome outcome;
    outcome.accepted = true;
    return outcome;
}

}  // namespace korvex

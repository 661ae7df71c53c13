#include "simulator/equity_simulation.h"
#include "simulator/panel_entries.h"
#include "simulator/panel_layout.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>

namespace korvex {
namespace {

const PanelGeometry Geometry = PanelGeometry::forSize(653, 408);

TEST(DepthScale, FiftyToHundredFiftyPutsAccountValue100OnRow177)
{
    const DepthScale scale(50, 150, Geometry);
    EXPECT_EQ(scale.row(50.0), 6);
    EXPECT_EQ(scale.row(100.0), 177);  // trunc(171.5) + 6
    EXPECT_EQ(scale.row(150.0), 349);
    EXPECT_EQ(scale.row(49.9), 6);  // -0.343 truncates toward zero
    const std::vector<GridLine> grid = gridLines(scale, Geometry, 408);
    ASSERT_EQ(grid.size(), 1u);
    EXPECT_EQ(grid[0].label, 100);
    EXPECT_EQ(grid[0].row, 177);
}

TEST(DepthScale, FlatSetLiesInTheMiddleAndFarDepthsStayInRange)
{
    const DepthScale flat(100, 100, Geometry);
    EXPECT_EQ(flat.row(100.0), 177);
    EXPECT_EQ(gridLines(flat, Geometry, 408).size(), 1u);
    const DepthScale steep(99, 100, Geometry);
    EXPECT_EQ(steep.row(1e300), std::numeric_limits<int>::max());
    EXPECT_EQ(steep.row(std::nan("")), 6);
}

ParameterLookup lookup(std::map<std::string, std::string> values)
{
    return [values](std::string_view name) -> std::optional<std::string> {
        const auto found = values.find(std::string(name));
        return found == values.end() ? std::nullopt : std::optional(found->second);
    };
}

const std::map<std::string, std::string> HomeParameters{
    {"textcolor", "0000FF"}, {"textsize", "20"}, {"textstyle", "1"}, {"background", "FFFFFF"}, {"text", ""},
};

TEST(PageParameters, AllFiveOrNone)
{
    const SimulatorPageParams home = usePageParams(lookup(HomeParameters));
    EXPECT_EQ(home.textcolor, (Rgb{0, 0, 255}));
    EXPECT_EQ(home.background, (Rgb{255, 255, 255}));
    EXPECT_EQ(home.textsize, 20);
    for (const auto& [name, value] : HomeParameters) {
        auto partial = HomeParameters;
        partial.erase(name);
        const SimulatorPageParams p = usePageParams(lookup(partial));
        EXPECT_EQ(p.textcolor, (Rgb{0, 0, 0})) << "without " << name;
        EXPECT_EQ(p.background, (Rgb{192, 192, 192})) << "without " << name;
        EXPECT_EQ(p.text, "Running string") << "without " << name;
    }
}

TEST(PageParameters, ColoursAreSixHexDigitsAndBadOnesFallBackToTheDefault)
{
    const std::pair<const char*, std::optional<Rgb>> colours[] = {
        {"12aBcD", Rgb{18, 171, 205}}, {"00ff00xyz", Rgb{0, 255, 0}}, {"FFFFF", std::nullopt},
        {"GG0000", std::nullopt},      {"#00FF00", std::nullopt},
    };
    for (const auto& [text, expected] : colours) {
        auto values = HomeParameters;
        values["background"] = text;
        values["textsize"] = "big";
        const SimulatorPageParams p = usePageParams(lookup(values));
        EXPECT_EQ(p.background, expected.value_or(Rgb{192, 192, 192})) << text;
        EXPECT_EQ(p.textcolor, (Rgb{0, 0, 255})) << text;
        EXPECT_EQ(p.textsize, 12);
    }
}

struct EntryCase {
    const char* name;
    const char* winLoss;
    const char* linesQty;
    const char* winProb;
    std::optional<EntryField> reset;  // accepted when nothing is reset and prob is read
    const char* resetText;
    const char* status;
    double stepY;  // held afterwards, starting from 1.5, 2 and 0.25
    int number;
    double prob;
};

class GenerateEntries : public testing::TestWithParam<EntryCase> {};

TEST_P(GenerateEntries, ReadInOrderAndStopAtTheFirstFailure)
{
    const EntryCase& c = GetParam();
    EquitySimulation sim(453, [] { return 0.5; });
    sim.StepY = 1.5;
    sim.Number = 2;
    sim.prob = 0.25;
    const EntryOutcome outcome = applyEntries(sim, c.winLoss, c.linesQty, c.winProb);
    EXPECT_EQ(outcome.resetField, c.reset);
    EXPECT_EQ(outcome.resetText, c.resetText);
    EXPECT_EQ(outcome.status, c.status);
    EXPECT_EQ(outcome.accepted, !c.reset && sim.prob != 0.25);
    EXPECT_EQ(sim.StepY, c.stepY);
    EXPECT_FALSE(std::signbit(sim.StepY));
    EXPECT_EQ(sim.Number, c.number);
    EXPECT_EQ(sim.prob, c.prob);
}

constexpr auto WinLoss = EntryField::WinLoss;
constexpr auto LinesQty = EntryField::LinesQty;
constexpr auto WinProb = EntryField::WinProb;
constexpr const char* TooLarge = "Param Win/Loss must be 1000000 or less";
constexpr const char* ProbMessage = "Param Prob must be more then 0 and less then 1";

INSTANTIATE_TEST_SUITE_P(
    Cases, GenerateEntries,
    testing::Values(
        EntryCase{"Accepted", "3.1", "10", "0.61", {}, "", "", 3.1, 10, 0.61},
        EntryCase{"BoundsAccepted", "0", "1000", "1", {}, "", "", 0.0, 1000, 1.0},
        EntryCase{"NegativeZeroIsZero", "-0", "3", "0", {}, "", "", 0.0, 3, 0.0},
        EntryCase{"UnreadableRatioStopsSilently", "abc", "5", "0.7", {}, "", "", 1.5, 2, 0.25},
        EntryCase{"NegativeRatio", "-2", "5", "0.7", WinLoss, "1.0", "Param Win/Loss must be more then 1", 1.0, 2,
                  0.25},
        EntryCase{"HugeRatio", "1e308", "5", "0.7", WinLoss, "1.0", TooLarge, 1.0, 2, 0.25},
        EntryCase{"InfiniteRatio", "1e400", "5", "0.7", WinLoss, "1.0", TooLarge, 1.0, 2, 0.25},
        EntryCase{"NoLinesKeepsTheNewRatio", "3", "0", "0.7", LinesQty, "1", "Param Lines Qty must be more then 1",
                  3.0, 1, 0.25},
        EntryCase{"TooManyLines", "3", "1001", "0.7", LinesQty, "1", "Param Lines Qty must be 1000 or less", 3.0, 1,
                  0.25},
        EntryCase{"LinesOutsideTheIntRange", "3", "99999999999", "0.7", {}, "", "", 3.0, 2, 0.25},
        EntryCase{"ProbAboveOne", "3", "4", "1.01", WinProb, "0.5", ProbMessage, 3.0, 4, 0.5},
        EntryCase{"ProbBelowZero", "3", "4", "-0.1", WinProb, "0.5", ProbMessage, 3.0, 4, 0.5},
        EntryCase{"UnreadableProbKeepsTheRest", "3", "4", "NaN", {}, "", "", 3.0, 4, 0.25}),
    [](const testing::TestParamInfo<EntryCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace korvex

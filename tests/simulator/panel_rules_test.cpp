#include "simulator/equity_simulation.h"
#include "simulator/panel_entries.h"
#include "simulator/panel_layout.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>

namespace korvex {
namespace {

TEST(PanelGeometry, MeasuresOfThe653By408Panel)
{
    const PanelGeometry g = PanelGeometry::forSize(653, 408);
    EXPECT_EQ(g.xm, 453);
    EXPECT_EQ(g.ym, 343);
    EXPECT_EQ(g.y0, 174);
    EXPECT_EQ(g.rp, 169);
    EXPECT_EQ(g.xr(653), 483);
    EXPECT_EQ(g.xl(653), 493);
    EXPECT_EQ(g.yb(408), 348);
    EXPECT_EQ(g.paramBox(653), (PixelRect{488, 5, 160, 169}));
    EXPECT_EQ(g.keyBox(653, 408), (PixelRect{488, 353, 160, 50}));
    // Five rows of 33 pixels, the four left over shared out around them.
    EXPECT_EQ(g.paramCell(0, 0), (PixelRect{0, 2, 80, 33}));
    EXPECT_EQ(g.paramCell(4, 1), (PixelRect{80, 134, 80, 33}));
}

TEST(DepthScale, MapsDepthsToRowsByTruncatingTheProduct)
{
    const PanelGeometry g = PanelGeometry::forSize(653, 408);
    const DepthScale scale(50, 150, g);
    EXPECT_DOUBLE_EQ(scale.factor(), 3.43);
    EXPECT_EQ(scale.row(50.0), 6);
    EXPECT_EQ(scale.row(100.0), 177);  // trunc(171.5) + 6
    EXPECT_EQ(scale.row(150.0), 349);
    EXPECT_EQ(scale.row(49.9), 6);  // -0.343 truncates toward zero
    EXPECT_EQ(scale.row(49.0), 3);

    // The 98 ... -806 set: the start depth lands on the plot's bottom edge.
    const DepthScale falling(-806, 100, g);
    EXPECT_EQ(falling.row(-806.0), 6);
    EXPECT_EQ(falling.row(100.0), 349);
    EXPECT_EQ(falling.row(-354.0), 177);

    const std::vector<GridLine> grid = gridLines(scale, g, 408);
    ASSERT_EQ(grid.size(), 1u);
    EXPECT_EQ(grid[0].label, 100);
    EXPECT_EQ(grid[0].row, 177);
}

TEST(DepthScale, GridKeepsRowsStrictlyBetweenTenAndTheBottomEdge)
{
    const PanelGeometry g = PanelGeometry::forSize(653, 408);
    const DepthScale scale(-806, 100, g);
    std::vector<int> labels;
    for (const GridLine& line : gridLines(scale, g, 408)) {
        labels.push_back(line.label);
        EXPECT_GT(line.row, 10);
        EXPECT_LT(line.row, 348);
    }
    // Account value 1000 (depth -800) sits on row 8 and 100 (depth 100) on 349.
    const std::vector<int> expected{900, 800, 700, 600, 500, 400, 300, 200};
    EXPECT_EQ(labels, expected);
}

TEST(DepthScale, FlatSetLiesInTheMiddleWithItsGridLine)
{
    const PanelGeometry g = PanelGeometry::forSize(653, 408);
    const DepthScale scale(100, 100, g);
    EXPECT_TRUE(std::isfinite(scale.factor()));
    EXPECT_EQ(scale.row(100.0), 177);
    const auto grid = gridLines(scale, g, 408);
    ASSERT_EQ(grid.size(), 1u);
    EXPECT_EQ(grid[0].label, 100);
}

TEST(DepthScale, DepthsFarOffTheScaleStayInTheIntRange)
{
    const PanelGeometry g = PanelGeometry::forSize(653, 408);
    const DepthScale scale(99, 100, g);
    EXPECT_EQ(scale.row(1e300), std::numeric_limits<int>::max());
    EXPECT_EQ(scale.row(-1e300), std::numeric_limits<int>::min() + 6);
    EXPECT_EQ(scale.row(std::nan("")), 6);
}

TEST(Reveal, OneLineTakesASecondAndNoSetMoreThanTwo)
{
    EXPECT_EQ(Reveal::durationMs(1), 1000);
    EXPECT_LE(Reveal::durationMs(10), 1200);
    EXPECT_EQ(Reveal::durationMs(MaxLinesQty), 2000);
    for (int lines = 1; lines < 100; ++lines)
        EXPECT_LE(Reveal::durationMs(lines), Reveal::durationMs(lines + 1));

    EXPECT_EQ(Reveal::segmentsAt(-5, 1, 452), 0);
    EXPECT_EQ(Reveal::segmentsAt(0, 1, 452), 0);
    EXPECT_EQ(Reveal::segmentsAt(500, 1, 452), 226);
    EXPECT_EQ(Reveal::segmentsAt(1000, 1, 452), 452);
    EXPECT_EQ(Reveal::segmentsAt(999999, 3, 452), 3 * 452);
    EXPECT_EQ(Reveal::segmentsAt(2000, MaxLinesQty, 1799), std::int64_t{MaxLinesQty} * 1799);
    EXPECT_EQ(Reveal::segmentsAt(100, 0, 452), 0);
}

// The host document's five parameters, as the page passes them.
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

TEST(PageParameters, AllFivePresentAreUsedAsPassed)
{
    const PanelParameters p = usePageParams(lookup(HomeParameters));
    EXPECT_EQ(p.textcolor, (Rgb{0, 0, 255}));
    EXPECT_EQ(p.background, (Rgb{255, 255, 255}));
    EXPECT_EQ(p.textsize, 20);
    EXPECT_EQ(p.textstyle, 1);
    EXPECT_EQ(p.text, "");
}

TEST(PageParameters, AnyOneAbsentIgnoresTheWholeSet)
{
    for (const auto& [name, value] : HomeParameters) {
        auto partial = HomeParameters;
        partial.erase(name);
        const PanelParameters p = usePageParams(lookup(partial));
        EXPECT_EQ(p.textcolor, (Rgb{0, 0, 0})) << "without " << name;
        EXPECT_EQ(p.background, (Rgb{192, 192, 192})) << "without " << name;
        EXPECT_EQ(p.textsize, 12);
        EXPECT_EQ(p.textstyle, 0);
        EXPECT_EQ(p.text, "Running string");
    }
    EXPECT_EQ(usePageParams(nullptr).background, (Rgb{192, 192, 192}));
}

TEST(PageParameters, ColoursAreSixHexDigitsAndBadOnesFallBackToTheDefault)
{
    const std::pair<const char*, std::optional<Rgb>> colours[] = {
        {"0000FF", Rgb{0, 0, 255}},  {"ffffff", Rgb{255, 255, 255}}, {"12aBcD", Rgb{18, 171, 205}},
        {"00ff00xyz", Rgb{0, 255, 0}}, {"FFFFF", std::nullopt},      {"", std::nullopt},
        {"GG0000", std::nullopt},    {"#00FF0", std::nullopt},       {" 0000FF", std::nullopt},
        {"0x00FF", std::nullopt},
    };
    for (const auto& [text, expected] : colours) {
        EXPECT_EQ(parseColour(text), expected) << text;
        auto values = HomeParameters;
        values["textcolor"] = text;
        values["background"] = text;
        values["textsize"] = "big";
        const PanelParameters p = usePageParams(lookup(values));
        EXPECT_EQ(p.textcolor, expected.value_or(Rgb{0, 0, 0})) << text;
        EXPECT_EQ(p.background, expected.value_or(Rgb{192, 192, 192})) << text;
        EXPECT_EQ(p.textsize, 12);
    }
}

struct EntryCase {
    const char* name;
    const char* winLoss;
    const char* linesQty;
    const char* winProb;
    bool accepted;
    std::optional<EntryField> reset;
    const char* resetText;
    const char* status;
    double stepY;  // held afterwards, from StepY 1.5, Number 2, prob 0.25
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
    EXPECT_EQ(outcome.accepted, c.accepted);
    EXPECT_EQ(outcome.resetField, c.reset);
    EXPECT_EQ(outcome.resetText, c.resetText);
    EXPECT_EQ(outcome.status, c.status);
    EXPECT_EQ(sim.StepY, c.stepY);
    EXPECT_FALSE(std::signbit(sim.StepY));
    EXPECT_EQ(sim.Number, c.number);
    EXPECT_EQ(sim.prob, c.prob);
    EXPECT_FALSE(std::signbit(sim.prob));
    EXPECT_EQ(sim.tableLines(), 0) << "reading the entries generates nothing";
}

constexpr auto WinLoss = EntryField::WinLoss;
constexpr auto LinesQty = EntryField::LinesQty;
constexpr auto WinProb = EntryField::WinProb;
constexpr const char* WinLossMessage = "Param Win/Loss must be more then 1";
constexpr const char* LinesMessage = "Param Lines Qty must be more then 1";
constexpr const char* ProbMessage = "Param Prob must be more then 0 and less then 1";

INSTANTIATE_TEST_SUITE_P(
    Cases, GenerateEntries,
    testing::Values(
        EntryCase{"Accepted", "3.1", "10", "0.61", true, {}, "", "", 3.1, 10, 0.61},
        EntryCase{"BoundsAccepted", "0", "1", "1", true, {}, "", "", 0.0, 1, 1.0},
        EntryCase{"ProbZeroAccepted", " 0.5 ", "1000", "0", true, {}, "", "", 0.5, 1000, 0.0},
        EntryCase{"NegativeZerosReadAsZero", "-0", "3", "-0", true, {}, "", "", 0.0, 3, 0.0},
        EntryCase{"UnreadableRatioStopsSilently", "abc", "5", "0.7", false, {}, "", "", 1.5, 2, 0.25},
        EntryCase{"NotANumberWordStopsSilently", "NaN", "5", "0.7", false, {}, "", "", 1.5, 2, 0.25},
        EntryCase{"NegativeRatio", "-2", "5", "0.7", false, WinLoss, "1.0", WinLossMessage, 1.0, 2, 0.25},
        EntryCase{"HugeRatio", "1e308", "5", "0.7", false, WinLoss, "1.0",
                  "Param Win/Loss must be 1000000 or less", 1.0, 2, 0.25},
        EntryCase{"InfiniteRatio", "1e400", "5", "0.7", false, WinLoss, "1.0",
                  "Param Win/Loss must be 1000000 or less", 1.0, 2, 0.25},
        EntryCase{"LargestRatio", "1e6", "5", "0.7", true, {}, "", "", 1e6, 5, 0.7},
        EntryCase{"NoLinesKeepsTheNewRatio", "3", "0", "0.7", false, LinesQty, "1", LinesMessage, 3.0, 1, 0.25},
        EntryCase{"NegativeLines", "3", "-4", "0.7", false, LinesQty, "1", LinesMessage, 3.0, 1, 0.25},
        EntryCase{"TooManyLines", "3", "1001", "0.7", false, LinesQty, "1", "Param Lines Qty must be 1000 or less",
                  3.0, 1, 0.25},
        EntryCase{"LinesOutsideTheIntRangeStopSilently", "3", "99999999999", "0.7", false, {}, "", "", 3.0, 2,
                  0.25},
        EntryCase{"DecimalLinesStopSilently", "3", "1.0", "0.7", false, {}, "", "", 3.0, 2, 0.25},
        EntryCase{"ProbAboveOne", "3", "4", "1.01", false, WinProb, "0.5", ProbMessage, 3.0, 4, 0.5},
        EntryCase{"ProbBelowZero", "3", "4", "-0.1", false, WinProb, "0.5", ProbMessage, 3.0, 4, 0.5},
        EntryCase{"InfiniteProb", "3", "4", "1e999", false, WinProb, "0.5", ProbMessage, 3.0, 4, 0.5},
        EntryCase{"UnreadableProbKeepsTheRest", "3", "4", "half", false, {}, "", "", 3.0, 4, 0.25}),
    [](const testing::TestParamInfo<EntryCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace korvex

#include "app/numbers/numbers.h"
#include "simulator/curve_statistics.h"
#include "simulator/curves_csv.h"
#include "simulator/figures_text.h"
#include "tests/simulator/random_sequence.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace korvex {
namespace {

constexpr double Win = 0.1;
constexpr double Loss = 0.9;

// Draws that make each curve a run of losses or wins in turn, curve after curve.
RandomSequence scripted(int trades, std::vector<std::vector<int>> curves)
{
    return RandomSequence([=](std::size_t n) {
        int t = static_cast<int>(n % static_cast<std::size_t>(trades));
        bool loses = true;
        for (const int run : curves[(n / static_cast<std::size_t>(trades)) % curves.size()]) {
            if (t < run)
                return loses ? Loss : Win;
            t -= run;
            loses = !loses;
        }
        return Win;
    });
}

void expectEvery(const FigureSpread& spread, double value, const char* name)
{
    for (const double shown : {spread.worst, spread.bad, spread.median, spread.good, spread.best})
        EXPECT_DOUBLE_EQ(shown, value) << name;
}

TEST(CurveStatistics, OneCurveShowsItsOwnFiguresInEveryColumn)
{
    const struct {
        const char* name;
        RandomSequence draws;
        double stepY;
        int trades;
        CurveFigures figures;
    } cases[] = {
        {"all wins", RandomSequence::constant(Win), 2.0, 453, {1006.0, 0.0, 0.0, 0, 453, 100.0}},
        {"all losses", RandomSequence::constant(Loss), 2.0, 453, {-353.0, 453.0, 453.0, 453, 0, -353.0}},
        {"win, loss in turn", RandomSequence::cycle({Win, Loss}), 1.0, 453, {101.0, 1.0, 100.0 / 101.0, 1, 1, 100.0}},
        // Down 20 from 100 (20 %), up to 200, down 30 (15 %): the deeper fall
        // counts, in % of its own peak.
        {"recovered, then deeper", scripted(74, {{20, 24, 30}}), 5.0, 74, {170.0, 30.0, 15.0, 30, 24, 80.0}},
        // A win of 0 leaves the value: still a win, and no loss.
        {"ratio 0", RandomSequence::constant(Win), 0.0, 453, {100.0, 0.0, 0.0, 0, 453, 100.0}},
    };
    for (const auto& c : cases) {
        const EquitySimulation simulation = simulationOf(c.draws, c.stepY, 0.5, 1, c.trades);
        const CurveStatistics statistics = computeCurveStatistics(simulation);
        ASSERT_EQ(statistics.curves, 1) << c.name;
        expectEvery(statistics.finalAccount, c.figures.finalAccount, c.name);
        expectEvery(statistics.drawdown, c.figures.drawdown, c.name);
        expectEvery(statistics.drawdownPercent, c.figures.drawdownPercent, c.name);
        expectEvery(statistics.losingRun, c.figures.losingRun, c.name);
        expectEvery(statistics.winningRun, c.figures.winningRun, c.name);
        EXPECT_DOUBLE_EQ(figuresOfCurve(simulation.runningDepths(), 0).lowest, c.figures.lowest) << c.name;
        EXPECT_DOUBLE_EQ(statistics.averageFinal, c.figures.finalAccount) << c.name;
    }
}

TEST(CurveStatistics, CountsTouchTheirBoundsAndTheAverageStandsBesideTheExpectation)
{
    // To exactly 0; to exactly 50 and back to 100; up to 149 and down to 98.
    const RandomSequence draws = scripted(100, {{100}, {50, 50}, {0, 49, 51}});
    const CurveStatistics statistics = computeCurveStatistics(simulationOf(draws, 1.0, 0.5, 3, 100));
    EXPECT_EQ(statistics.endedBelowStart, 2);
    EXPECT_EQ(statistics.lostHalf, 2);
    EXPECT_EQ(statistics.ruined, 1);
    EXPECT_DOUBLE_EQ(statistics.averageFinal, 66.0);
    EXPECT_DOUBLE_EQ(statistics.expectedFinal, 100.0);
    // Finals 0, 98, 100: with three curves both 1-in-20 ranks are the ends.
    EXPECT_DOUBLE_EQ(statistics.finalAccount.bad, 0.0);
    EXPECT_DOUBLE_EQ(statistics.finalAccount.median, 98.0);
    EXPECT_DOUBLE_EQ(statistics.drawdownPercent.worst, 100.0);
    EXPECT_DOUBLE_EQ(statistics.drawdownPercent.best, 51.0 / 149.0 * 100.0);
    EXPECT_EQ(computeCurveStatistics(simulationOf(draws, 2.0, 0.6, 1, 453)).expectedFinal, 100.0 + 453 * (1.2 - 0.4));
}

std::vector<double> oneTo(int n)
{
    std::vector<double> values;
    for (int v = n; v >= 1; --v)
        values.push_back(v);
    return values;
}

TEST(CurveStatistics, NearestRanksTakeTheCeilingAndBadIsTheSideThatHurts)
{
    const struct {
        int count;
        double p5, p50, p95;
    } ranks[] = {{1, 1, 1, 1}, {2, 1, 1, 2}, {20, 1, 10, 19}, {21, 2, 11, 20}, {1000, 50, 500, 950}};
    for (const auto& r : ranks) {
        const FigureSpread low = spreadOf(oneTo(r.count), false);
        const FigureSpread high = spreadOf(oneTo(r.count), true);
        EXPECT_EQ((std::vector{low.worst, low.bad, low.median, low.good, low.best}),
                  (std::vector<double>{1, r.p5, r.p50, r.p95, static_cast<double>(r.count)}))
            << r.count;
        EXPECT_EQ((std::vector{high.worst, high.bad, high.median, high.good, high.best}),
                  (std::vector<double>{static_cast<double>(r.count), r.p95, r.p50, r.p5, 1}))
            << r.count;
    }
    EXPECT_EQ(nearestRank({4, 7}, 0), 4);
    // Ties: a block of equal values answers every rank inside it.
    const FigureSpread tied = spreadOf({3, 1, 3, 3, 9}, true);
    EXPECT_EQ((std::vector{tied.worst, tied.bad, tied.median, tied.good, tied.best}),
              (std::vector<double>{9, 9, 3, 1, 1}));
}

TEST(FiguresText, UsesTheWindowsSeparatorsAndShowsNoSignOnZero)
{
    const FormatSettings saved = formatSettings();
    formatSettings() = {',', '.'};
    CurveStatistics statistics;
    statistics.curves = 1000;
    statistics.trades = 453;
    statistics.finalAccount = {-353.0, -0.001, 100.125, 1006.0, 1234.5};
    statistics.losingRun = {453, 12, 7, 3, 1};
    statistics.ruined = 3;
    statistics.averageFinal = 1234.5678;
    const auto rows = figureRows(statistics);
    const auto lines = figureCountLines(statistics);
    const std::string text = figuresAsText(statistics);
    formatSettings() = saved;

    ASSERT_EQ(rows.size(), 5u);
    EXPECT_EQ(rows[0].cells, (std::vector<std::string>{"-353,00", "0,00", "100,13", "1.006,00", "1.234,50"}));
    EXPECT_EQ(rows[3].cells, (std::vector<std::string>{"453", "12", "7", "3", "1"}));
    EXPECT_EQ(lines[2], "Ruined (touched 0 R or less): 3 of 1.000 curves (0,30 %)");
    EXPECT_EQ(lines[3], "Average final account: 1.234,57 R; expected: 100,00 R (100 + 453 \xC3\x97 Math Expect)");
    EXPECT_NE(text.find("\tWorst\tBad (1 in 20)\tMedian\tGood (1 in 20)\tBest\nFinal account (R)\t-353,00\t0,00\t"),
              std::string::npos);
}

TEST(CurvesCsv, OneRowPerTradeFromTheStartWithTheShortestPlainNumbers)
{
    const RandomSequence draws = scripted(453, {{0, 453}, {453}});
    const std::string csv = curvesCsv(simulationOf(draws, 0.5, 0.5, 2, 453).runningDepths());
    const std::string head = "Trade,Curve 1,Curve 2\r\n0,100,100\r\n";
    const std::string tail = "\r\n452,326,-352\r\n453,326.5,-353\r\n";
    EXPECT_EQ(csv.substr(0, head.size()), head);
    EXPECT_EQ(csv.substr(csv.size() - tail.size()), tail);
    std::size_t lines = 0;
    for (std::size_t at = csv.find("\r\n"); at != std::string::npos; at = csv.find("\r\n", at + 2))
        ++lines;
    EXPECT_EQ(lines, 455u);

    const std::pair<double, const char*> numbers[] = {
        {0.1 + 0.2, "0.30000000000000004"}, {1e21, "1000000000000000000000"}, {1e-7, "0.0000001"}, {-2.5, "-2.5"}};
    for (const auto& [value, text] : numbers)
        EXPECT_EQ(shortestPlainText(value), text);
}

}  // namespace
}  // namespace korvex

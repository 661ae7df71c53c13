#include "simulator/equity_simulation.h"
#include "simulator/simulator_numbers.h"
#include "tests/simulator/random_sequence.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace korvex {
namespace {

constexpr int Trades = 453;
constexpr Rgb Red{255, 0, 0};

EquitySimulation simulation(const RandomSequence& random, double stepY, double prob, int lines = 1, int trades = Trades)
{
    return simulationOf(random, stepY, prob, lines, trades);
}

TEST(EquitySimulation, WinsRecordTheDepthAfterAndLossesTheDepthBefore)
{
    const auto wins = simulation(RandomSequence::constant(0.3), 2.0, 1.0);
    const auto losses = simulation(RandomSequence::constant(0.5), 1.0, 0.0);
    for (int t = 0; t < Trades; ++t) {
        ASSERT_EQ(wins.M().at(0, t), 98.0 - 2.0 * t) << t;  // 98, 96, ... -806
        ASSERT_EQ(losses.M().at(0, t), 100.0 + t) << t;     // 100, 101, ... 552
    }
    EXPECT_EQ(wins.M().rows(), 2);
    EXPECT_EQ(wins.M().at(0, Trades), 0.0);
    EXPECT_EQ(wins.M().at(1, 7), 0.0);
    EXPECT_EQ(wins.lowestAccount(), 100);
    EXPECT_EQ(wins.highestAccount(), 1006);
    EXPECT_FALSE(wins.MaxColor());
    EXPECT_EQ(wins.MinColor(), Red);
    // The last loss counts toward the extreme although no entry holds it.
    EXPECT_EQ(losses.yMax(), 553);
    EXPECT_EQ(losses.lowestAccount(), -353);
    EXPECT_EQ(losses.MaxColor(), Red);
    EXPECT_FALSE(losses.MinColor());
}

// Win, loss, loss, win with a ratio of 1.5: a running depth of 100.5 fires
// the test for a new highest depth without moving the truncated extreme.
TEST(EquitySimulation, TestsFireWithoutMovingTheTruncatedExtreme)
{
    const auto sim = simulation(RandomSequence::cycle({0.1, 0.9, 0.9, 0.1}), 1.5, 0.5, 1, 4);
    const double entries[] = {98.5, 98.5, 99.5, 99.0};
    for (int t = 0; t < 4; ++t)
        EXPECT_EQ(sim.M().at(0, t), entries[t]) << t;
    EXPECT_EQ(sim.yMax(), 100);
    EXPECT_EQ(sim.MaxColor(), Red);
    EXPECT_EQ(sim.yMin(), 98);
}

TEST(EquitySimulation, ADrawEqualToTheProbabilityWins)
{
    const struct {
        double prob;
        double u;
        double entry;
    } cases[] = {{0.25, 0.25, 99.0}, {0.25, 0.2500001, 100.0}, {0.0, 0.0, 99.0}, {0.0, 1e-300, 100.0}};
    for (const auto& c : cases)
        EXPECT_EQ(simulation(RandomSequence::constant(c.u), 1.0, c.prob, 1, 1).M().at(0, 0), c.entry)
            << c.prob << " " << c.u;
}

TEST(EquitySimulation, ExtremesRestartButMarksStayRed)
{
    EquitySimulation sim(Trades, RandomSequence::constant(0.5).source());
    sim.prob = 0.0;
    sim.newRnd();
    sim.prob = 1.0;
    sim.newRnd();
    EXPECT_EQ(sim.yMax(), 100);
    EXPECT_EQ(sim.yMin(), -353);
    EXPECT_EQ(sim.MaxColor(), Red);
    EXPECT_EQ(sim.MinColor(), Red);
}

TEST(EquitySimulation, KellyValueAndExpectationInDoubleArithmetic)
{
    const struct {
        double prob;
        double stepY;
        const char* kelly;
        const char* expectation;
    } cases[] = {
        {0.5, 1.0, "0.0", "0.0"},
        {0.6, 2.0, "0.39999999999999997", "0.7999999999999999"},
        {0.5, 0.0, "-Infinity", "-0.5"},
        {1.0, 0.0, "NaN", "0.0"},
    };
    for (const auto& c : cases) {
        EquitySimulation sim(1, RandomSequence::constant(0.0).source());
        sim.prob = c.prob;
        sim.StepY = c.stepY;
        EXPECT_EQ(displayText(sim.kellyValue()), c.kelly) << c.prob << " " << c.stepY;
        EXPECT_EQ(displayText(sim.mathExpect()), c.expectation) << c.prob << " " << c.stepY;
    }
}

TEST(CurveColours, PaletteUpToTenLinesThenRandomLightColours)
{
    RandomSequence draws = RandomSequence::cycle({0.0, 0.05, 0.1, 0.1000001, 0.55, 0.9, 0.95, 0.9999});
    const auto ten = curveColours(10, draws.source());
    EXPECT_EQ(draws.draws(), 0u);
    EXPECT_EQ(ten[4], (Rgb{220, 0, 220}));
    EXPECT_EQ(ten[9], (Rgb{65, 125, 0}));
    // Red, green, blue in that order; only a draw of exactly 0 gives 100.
    const auto eleven = curveColours(11, draws.source());
    EXPECT_EQ(draws.draws(), 33u);
    EXPECT_EQ(eleven[0], (Rgb{100, 110, 110}));
    EXPECT_EQ(eleven[1], (Rgb{120, 160, 190}));
    EXPECT_EQ(eleven[2], (Rgb{200, 200, 100}));
}

TEST(SystemRandomSource, GivesFractionsBelowOneThatDifferBetweenStarts)
{
    const RandomSource first = makeSystemRandomSource();
    const RandomSource second = makeSystemRandomSource();
    int same = 0;
    for (int i = 0; i < 1000; ++i) {
        const double u = first();
        ASSERT_TRUE(u >= 0.0 && u < 1.0) << u;
        same += u == second() ? 1 : 0;
    }
    EXPECT_LT(same, 5);
}

}  // namespace
}  // namespace korvex

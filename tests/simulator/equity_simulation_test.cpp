#include "simulator/equity_simulation.h"
#include "simulator/simulator_numbers.h"
#include "tests/simulator/random_sequence.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <set>

namespace korvex {
namespace {

constexpr int Trades = 453;
constexpr Rgb Red{255, 0, 0};

EquitySimulation simulation(RandomSequence random, double stepY, double prob, int lines = 1)
{
    EquitySimulation sim(Trades, random.source());
    sim.StepY = stepY;
    sim.prob = prob;
    sim.Number = lines;
    sim.newRnd();
    return sim;
}

TEST(EquitySimulation, EveryTradeWinningRecordsTheDepthAfterEachWin)
{
    const auto sim = simulation(RandomSequence::constant(0.3), 2.0, 1.0);
    for (int t = 0; t < Trades; ++t)
        ASSERT_EQ(sim.M().at(0, t), 100.0 - 2.0 * (t + 1)) << "trade " << t;
    EXPECT_EQ(sim.M().at(0, 0), 98.0);
    EXPECT_EQ(sim.M().at(0, Trades - 1), -806.0);
    EXPECT_EQ(sim.yMin(), -806);
    EXPECT_EQ(sim.yMax(), 100);
    EXPECT_EQ(sim.lowestAccount(), 100);
    EXPECT_EQ(sim.highestAccount(), 1006);
    EXPECT_FALSE(sim.MaxColor());
    EXPECT_EQ(sim.MinColor(), Red);
}

TEST(EquitySimulation, EveryTradeLosingRecordsTheDepthBeforeEachLoss)
{
    const auto sim = simulation(RandomSequence::constant(0.5), 1.0, 0.0);
    for (int t = 0; t < Trades; ++t)
        ASSERT_EQ(sim.M().at(0, t), 100.0 + t) << "trade " << t;
    EXPECT_EQ(sim.M().at(0, Trades - 1), 552.0);
    EXPECT_EQ(sim.yTemp(), 553.0);
    EXPECT_EQ(sim.yMax(), 553);
    EXPECT_EQ(sim.lowestAccount(), -353);
    EXPECT_EQ(sim.MaxColor(), Red);
    EXPECT_FALSE(sim.MinColor());
}

TEST(EquitySimulation, TableHasASpareRowAndASpareEntryOfZeros)
{
    const auto sim = simulation(RandomSequence::constant(0.3), 2.0, 1.0, 3);
    ASSERT_EQ(sim.M().rows(), 4);
    ASSERT_EQ(sim.M().entries(), Trades + 1);
    EXPECT_EQ(sim.tableLines(), 3);
    for (int c = 0; c < 3; ++c)
        EXPECT_EQ(sim.M().at(c, Trades), 0.0);
    for (int t = 0; t <= Trades; ++t)
        ASSERT_EQ(sim.M().at(3, t), 0.0);
    EXPECT_EQ(sim.M().bytes(), 4u * (Trades + 1) * sizeof(double));
}

TEST(EquitySimulation, FlatSetWhenNothingIsEverLostOrWon)
{
    const auto sim = simulation(RandomSequence::constant(0.7), 0.0, 1.0);
    for (int t = 0; t < Trades; ++t)
        ASSERT_EQ(sim.M().at(0, t), 100.0);
    EXPECT_EQ(sim.yMin(), 100);
    EXPECT_EQ(sim.yMax(), 100);
    EXPECT_FALSE(sim.MaxColor());
    EXPECT_FALSE(sim.MinColor());
}

// Win, loss, loss, win with a ratio of 1.5: the losses show one entry late,
// and a running depth of 100.5 fires the test without moving the extreme.
TEST(EquitySimulation, LossesShowOneEntryLateAndTestsFireWithoutMovingTheExtreme)
{
    EquitySimulation sim(4, RandomSequence::cycle({0.1, 0.9, 0.9, 0.1}).source());
    sim.StepY = 1.5;
    sim.prob = 0.5;
    sim.newRnd();
    EXPECT_EQ(sim.M().at(0, 0), 98.5);
    EXPECT_EQ(sim.M().at(0, 1), 98.5);
    EXPECT_EQ(sim.M().at(0, 2), 99.5);
    EXPECT_EQ(sim.M().at(0, 3), 99.0);
    EXPECT_EQ(sim.yMax(), 100);
    EXPECT_EQ(sim.MaxColor(), Red);
    EXPECT_EQ(sim.yMin(), 98);
}

TEST(EquitySimulation, ExtremesAreTruncatedTowardZero)
{
    EquitySimulation one(1, RandomSequence::constant(0.0).source());
    one.prob = 1.0;
    for (const auto& [stepY, yMin] : {std::pair{0.5, 99}, std::pair{100.5, 0}, std::pair{101.5, -1}}) {
        one.StepY = stepY;
        one.newRnd();
        EXPECT_EQ(one.yMin(), yMin) << stepY;  // 99.5 -> 99, -0.5 -> 0, -1.5 -> -1
    }
}

TEST(EquitySimulation, ADrawEqualToTheProbabilityWins)
{
    struct Case {
        double prob;
        double u;
        double entry0;
    };
    for (const Case c : {Case{0.25, 0.25, 99.0}, Case{0.25, 0.2500001, 100.0}, Case{0.0, 0.0, 99.0},
                         Case{0.0, 1e-300, 100.0}, Case{1.0, 0.9999999999999999, 99.0}}) {
        EquitySimulation sim(1, RandomSequence::constant(c.u).source());
        sim.prob = c.prob;
        sim.newRnd();
        EXPECT_EQ(sim.M().at(0, 0), c.entry0) << c.prob << " " << c.u;
    }
}

TEST(EquitySimulation, DrawsOnceForEveryTradeInCurveOrder)
{
    // Curve 0 gets draws 0..2 (all wins), curve 1 draws 3..5 (all losses).
    RandomSequence random([](std::size_t n) { return n < 3 ? 0.1 : 0.9; });
    EquitySimulation sim(3, random.source());
    sim.Number = 2;
    sim.newRnd();
    EXPECT_EQ(random.draws(), 6u);
    EXPECT_EQ(sim.M().at(0, 2), 97.0);
    EXPECT_EQ(sim.M().at(1, 2), 102.0);
    EXPECT_EQ(sim.yMin(), 97);
    EXPECT_EQ(sim.yMax(), 103);
}

TEST(EquitySimulation, ExtremesRestartButMarksStayRed)
{
    RandomSequence random = RandomSequence::constant(0.5);
    EquitySimulation sim(Trades, random.source());
    sim.prob = 0.0;
    sim.newRnd();
    ASSERT_EQ(sim.yMax(), 553);
    sim.prob = 1.0;
    sim.StepY = 1.0;
    sim.newRnd();
    EXPECT_EQ(sim.yMax(), 100);
    EXPECT_EQ(sim.yMin(), -353);
    EXPECT_EQ(sim.MaxColor(), Red);
    EXPECT_EQ(sim.MinColor(), Red);
}

TEST(EquitySimulation, KellyValueAndExpectationInDoubleArithmetic)
{
    struct Case {
        double prob;
        double stepY;
        const char* kelly;
        const char* expectation;
    };
    const Case cases[] = {
        {0.5, 1.0, "0.0", "0.0"},
        {0.6, 2.0, "0.39999999999999997", "0.7999999999999999"},
        {0.5, 0.0, "-Infinity", "-0.5"},
        {1.0, 0.0, "NaN", "0.0"},
        {0.0, 1.0, "-1.0", "-1.0"},
        {0.61, 3.1, "0.4841935483870968", "1.501"},
    };
    for (const Case& c : cases) {
        EquitySimulation sim(1, RandomSequence::constant(0.0).source());
        sim.prob = c.prob;
        sim.StepY = c.stepY;
        EXPECT_EQ(displayText(sim.kellyValue()), c.kelly) << c.prob << " " << c.stepY;
        EXPECT_EQ(displayText(sim.mathExpect()), c.expectation) << c.prob << " " << c.stepY;
    }
}

TEST(EquitySimulation, HugeRatiosClampTheExtremesInsteadOfOverflowing)
{
    for (const double stepY : {1e308, std::numeric_limits<double>::infinity()}) {
        const auto sim = simulation(RandomSequence::constant(0.0), stepY, 1.0);
        EXPECT_EQ(sim.yMin(), std::numeric_limits<int>::min());
        EXPECT_EQ(sim.highestAccount(), 200LL - std::numeric_limits<int>::min());
    }
}

TEST(TruncateToInt, ClampsAndMapsNotANumberToZero)
{
    constexpr int most = std::numeric_limits<int>::max();
    constexpr int least = std::numeric_limits<int>::min();
    const std::pair<double, int> cases[] = {
        {99.5, 99},
        {-0.5, 0},
        {-99.9, -99},
        {2147483647.9, most},
        {3e9, most},
        {-2147483648.9, least},
        {-1e300, least},
        {std::numeric_limits<double>::infinity(), most},
        {-std::numeric_limits<double>::infinity(), least},
        {std::numeric_limits<double>::quiet_NaN(), 0},
    };
    for (const auto& [value, expected] : cases)
        EXPECT_EQ(truncateToInt(value), expected) << value;
}

TEST(CurveColours, PaletteUpToTenLinesThenRandomLightColours)
{
    RandomSequence unused = RandomSequence::constant(0.5);
    const auto ten = curveColours(10, unused.source());
    EXPECT_EQ(unused.draws(), 0u);
    const Rgb palette[] = {{0, 0, 0},     {255, 0, 0},   {0, 255, 0},   {0, 0, 255},  {220, 0, 220},
                           {0, 255, 255}, {200, 150, 0}, {150, 0, 255}, {255, 10, 255}, {65, 125, 0}};
    ASSERT_EQ(ten.size(), 10u);
    for (int c = 0; c < 10; ++c)
        EXPECT_EQ(ten[static_cast<std::size_t>(c)], palette[c]) << "line " << c;
    EXPECT_EQ(curveColours(1, unused.source()).front(), (Rgb{0, 0, 0}));

    // Red, green, blue in that order; a draw of exactly 0 is the only way to 100.
    RandomSequence draws = RandomSequence::cycle({0.0, 0.05, 0.1, 0.1000001, 0.55, 0.9, 0.95, 0.9999});
    const auto eleven = curveColours(11, draws.source());
    EXPECT_EQ(draws.draws(), 33u);
    EXPECT_EQ(eleven[0], (Rgb{100, 110, 110}));
    EXPECT_EQ(eleven[1], (Rgb{120, 160, 190}));
    EXPECT_EQ(eleven[2], (Rgb{200, 200, 100}));
}

TEST(SystemRandomSource, GivesFractionsBelowOneThatDifferBetweenSources)
{
    const RandomSource first = makeSystemRandomSource();
    const RandomSource second = makeSystemRandomSource();
    std::set<double> seen;
    bool differ = false;
    for (int i = 0; i < 10000; ++i) {
        const double a = first();
        const double b = second();
        ASSERT_GE(a, 0.0);
        ASSERT_LT(a, 1.0);
        differ = differ || a != b;
        seen.insert(a);
    }
    EXPECT_TRUE(differ);
    EXPECT_GT(seen.size(), 9990u);
}

}  // namespace
}  // namespace korvex

#include "projections/graph_scale.h"

#include <gtest/gtest.h>

namespace korvex {
namespace {

struct AxisCase {
    const char* name;
    double largest;
    double increment;
    double end;
    int decimals;
};

const AxisCase kAxes[] = {
    { "Defaults", 1218.99f, 200, 1400, 0 },
    { "AllZero", 0, 5, 25, 0 },
    { "AlmostZero", 0.000009, 5, 25, 0 },
    { "BelowOne", 0.4, 0.1, 1, 2 },
    { "ExactlyAStep", 1400, 200, 1400, 0 },
    { "Thousands", 1061.208f, 200, 1200, 0 },
    { "Hundred", 100, 10, 100, 0 },
    { "JustAboveHundred", 101, 20, 120, 0 },
    { "Twenty", 20, 2, 20, 0 },
    { "TwentyOne", 21, 5, 25, 0 },
    { "Five", 5, 0.5, 5, 2 },
    { "SixtyOne", 61, 10, 70, 0 },
    { "Billions", 632058.875, 100000, 700000, 0 },
};

class ValueAxisTest : public testing::TestWithParam<AxisCase> { };

TEST_P(ValueAxisTest, StepAndEnd)
{
    const AxisCase& c = GetParam();
    const ValueAxis axis = ValueAxisFor(c.largest);
    EXPECT_DOUBLE_EQ(axis.increment, c.increment);
    EXPECT_NEAR(axis.end, c.end, 1e-9);
    EXPECT_EQ(axis.decimals, c.decimals);
    ASSERT_FALSE(axis.ticks.empty());
    EXPECT_EQ(axis.ticks.front(), 0);
    EXPECT_NEAR(axis.ticks.back(), axis.end, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Graph, ValueAxisTest, testing::ValuesIn(kAxes),
    [](const testing::TestParamInfo<AxisCase>& info) { return info.param.name; });

TEST(Graph, AxisOfUnusableValuesFallsBackToTheEmptyScale)
{
    EXPECT_EQ(ValueAxisFor(std::numeric_limits<double>::quiet_NaN()).end, 25);
    EXPECT_EQ(ValueAxisFor(std::numeric_limits<double>::infinity()).end, 25);
}

TEST(Graph, CategoryLabelsThinOutWhenTheyWouldTouch)
{
    EXPECT_EQ(CategoryLabelStep(10, 400, 7), 1);
    // 100 labels of 14 pixels on 400: 21 fit, so every fifth is drawn.
    const int step = CategoryLabelStep(100, 400, 14);
    EXPECT_EQ(step, 5);
    std::vector<int> shown;
    for (int i = 0; i < 100; ++i)
        if (ShowsCategoryLabel(i, 100, step))
            shown.push_back(i);
    EXPECT_EQ(shown.front(), 0);
    EXPECT_EQ(shown[1], 5);
    EXPECT_EQ(shown[shown.size() - 2], 95); // below 100 - 4.5
    EXPECT_EQ(shown.back(), 99); // the last is always drawn
    EXPECT_EQ(shown.size(), 21u);
    // Not the second-to-last, even on a step.
    EXPECT_FALSE(ShowsCategoryLabel(22, 24, 2));
    EXPECT_TRUE(ShowsCategoryLabel(20, 24, 2));
    EXPECT_FALSE(ShowsCategoryLabel(21, 24, 2));
}

TEST(Graph, ScaleLetterFollowsTheFinalBalance)
{
    EXPECT_EQ(ScaleLetter(100'000), "");
    EXPECT_EQ(ScaleLetter(100'000.01), "k");
    EXPECT_EQ(ScaleLetter(100'000'001), "m");
    EXPECT_EQ(ScaleLetter(100'000'000'001), "b");
}

} // namespace
} // namespace korvex

#include "projections/slider_scale.h"

#include <gtest/gtest.h>

namespace korvex {
namespace {

TEST(SliderScale, PixelsToValueAndBack)
{
    // A 112 pixel slider travels 100 pixels, from x = 6 to x = 106.
    EXPECT_DOUBLE_EQ(SliderValueAt(6, 112, 0, 100), 0);
    EXPECT_DOUBLE_EQ(SliderValueAt(56, 112, 0, 100), 50);
    EXPECT_DOUBLE_EQ(SliderValueAt(106, 112, 0, 100), 100);
    EXPECT_DOUBLE_EQ(SliderValueAt(0, 112, 0, 100), 0); // clamped at the ends
    EXPECT_DOUBLE_EQ(SliderValueAt(112, 112, 0, 100), 100);
    EXPECT_DOUBLE_EQ(SliderValueAt(31, 112, 1, 100), 25.75);
    EXPECT_DOUBLE_EQ(SliderValueAt(50, 12, 0, 100), 0); // no travel at all

    EXPECT_EQ(SliderKnobAt(0, 112, 0, 100), 6);
    EXPECT_EQ(SliderKnobAt(50, 112, 0, 100), 56);
    EXPECT_EQ(SliderKnobAt(15, 112, 0, 12), 106); // a rate above the slider's range sits at the right end
    EXPECT_EQ(SliderKnobAt(-3, 112, 0, 12), 6);
}

struct MappingCase {
    const PiecewiseScale* scale;
    double position;
    double value;
};

const MappingCase kMappings[] = {
    { &kStartingAmountScale, 0, 0 },
    { &kStartingAmountScale, 1, 250 }, // 300.03 to the step of 250
    { &kStartingAmountScale, 33.33, 10'000 },
    { &kStartingAmountScale, 50, 50'000 }, // the middle of the second third
    { &kStartingAmountScale, 66.66, 90'000 },
    { &kStartingAmountScale, 80, 450'000 },
    { &kStartingAmountScale, 100, 1'000'000 }, // capped
    { &kContributionScale, 10, 300 },
    { &kContributionScale, 50, 5'000 },
    { &kContributionScale, 66.67, 9'000 },
    { &kContributionScale, 100, 100'000 },
};

TEST(SliderScale, PiecewiseMappingsSnapToTheirSteps)
{
    for (const MappingCase& c : kMappings)
        EXPECT_DOUBLE_EQ(c.scale->toValue(c.position), c.value) << c.position;
}

TEST(SliderScale, InverseMappingsPlaceTheKnob)
{
    EXPECT_DOUBLE_EQ(kStartingAmountScale.toPosition(1000), 3.333);
    EXPECT_DOUBLE_EQ(kStartingAmountScale.toPosition(50'000), 33.33 + 40'000 * 33.33 / 80'000);
    EXPECT_DOUBLE_EQ(kStartingAmountScale.toPosition(1'000'000), 66.66 + 33.33);
    EXPECT_DOUBLE_EQ(kContributionScale.toPosition(9'000), 66.66);
    // Every step value survives the round trip.
    for (double v = 0; v <= 1'000'000; v += v < 10'000 ? 250 : v < 90'000 ? 1'000 : 10'000)
        EXPECT_DOUBLE_EQ(kStartingAmountScale.toValue(kStartingAmountScale.toPosition(v)), v) << v;
}

TEST(SliderScale, MonthsAreTruncated)
{
    EXPECT_EQ(WholeMonths(24.7), 24);
    EXPECT_EQ(WholeMonths(1), 1);
    EXPECT_EQ(WholeMonths(99.99), 99);
}

} // namespace
} // namespace korvex

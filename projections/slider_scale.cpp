#include "projections/slider_scale.h"

#include <algorithm>
#include <cmath>

namespace korvex {

namespace {

constexpr double kThird = 33.33;
constexpr double kTwoThirds = 66.66;

double roundHalfUp(double value)
{
    return std::floor(value + 0.5);
}

} // namespace

double SliderValueAt(int x, int width, double minimum, double maximum)
{
    const int travel = width - 2 * kSliderInset;
    if (travel <= 0)
        return minimum;
    const double value = minimum + (maximum - minimum) * (x - kSliderInset) / travel;
    return std::clamp(value, minimum, maximum);
}

int SliderKnobAt(double value, int width, double minimum, double maximum)
{
    const int travel = width - 2 * kSliderInset;
    if (travel <= 0 || !(maximum > minimum) || std::isnan(value))
        return kSliderInset;
    const double share = std::clamp((value - minimum) / (maximum - minimum), 0.0, 1.0);
    return kSliderInset + static_cast<int>(roundHalfUp(share * travel));
}

double PiecewiseScale::toValue(double p) const
{
    double value = 0;
    if (p <= kThird)
        value = roundHalfUp(p / kThird * firstTop / firstStep) * firstStep;
    else if (p <= kTwoThirds)
        value = roundHalfUp((firstTop + (p - kThird) / kThird * (secondTop - firstTop)) / secondStep)
            * secondStep;
    else
        value = roundHalfUp((secondTop + (p - kTwoThirds) / kThird * (maximum - secondTop)) / thirdStep)
            * thirdStep;
    return std::min(value, maximum);
}

double PiecewiseScale::toPosition(double v) const
{
    if (v <= firstTop)
        return v * kThird / firstTop;
    if (v <= secondTop)
        return kThird + (v - firstTop) * kThird / (secondTop - firstTop);
    return kTwoThirds + (v - secondTop) * kThird / (maximum - secondTop);
}

int WholeMonths(double sliderValue)
{
    return static_cast<int>(std::trunc(std::clamp(sliderValue, -1e9, 1e9)));
}

} // namespace korvex

#include "projections/graph_scale.h"

#include <cmath>

namespace korvex {

ValueAxis ValueAxisFor(double largest)
{
    double top = largest;
    if (!std::isfinite(top) || std::fabs(top) <= 0.00001)
        top = 25;
    else if (top < 1)
        top = 1;

    const double range = top;
    double factor = 1;
    double q = 0;
    if (range > 100) {
        while (range / factor > 200)
            factor *= 10;
        q = range / factor;
    } else {
        while (range * factor <= 20)
            factor *= 10;
        q = range * factor;
    }
    const double base = q > 100 ? 20 : q > 50 ? 10 : 5;

    ValueAxis axis;
    axis.increment = range > 100 ? base * factor : base / factor;
    const double steps = std::ceil(top / axis.increment);
    axis.end = steps * axis.increment == top ? top : steps * axis.increment;
    axis.decimals = top <= 5 ? 2 : 0;
    for (int i = 0; i <= static_cast<int>(steps); ++i)
        axis.ticks.push_back(i * axis.increment);
    return axis;
}

int CategoryLabelStep(int count, double axisLength, double widestLabel)
{
    if (count <= 0 || axisLength <= 0)
        return 1;
    const double room = widestLabel + 5;
    if (room <= axisLength / count)
        return 1;
    const double fitting = std::floor(axisLength / room);
    if (fitting < 1)
        return count;
    return static_cast<int>(std::ceil(count / fitting));
}

bool ShowsCategoryLabel(int index, int count, int step)
{
    if (step <= 1 || index == count - 1)
        return true;
    return index % step == 0 && index < count - 0.9 * step && index != count - 2;
}

std::string ScaleLetter(double finalBalance)
{
    if (finalBalance > 100'000'000'000.0)
        return "b";
    if (finalBalance > 100'000'000)
        return "m";
    if (finalBalance > 100'000)
        return "k";
    return "";
}

} // namespace korvex

#pragma once
// The graph's numbers: the value axis with its step, the thinning of the
// category labels when they would collide, and the letter of the scale.

#include <string>
#include <vector>

namespace korvex {

struct ValueAxis {
    double increment = 1;
    double end = 1; // the top of the axis: a multiple of the increment
    int decimals = 0; // of every label but the one at 0
    std::vector<double> ticks; // 0, increment, ... end
};

// The axis from 0 for a largest plotted value.
ValueAxis ValueAxisFor(double largest);

// Every how many categories a label is drawn, so that labels do not touch.
int CategoryLabelStep(int count, double axisLength, double widestLabel);
bool ShowsCategoryLabel(int index, int count, int step);

// "", "k", "m" or "b" after a value label, by the size of the final balance.
std::string ScaleLetter(double finalBalance);

} // namespace korvex

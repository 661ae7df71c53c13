#pragma once
// The arithmetic of the panel's sliders: knob pixels to values and back,
// and the piecewise scales that give the money sliders fine steps for
// small amounts and coarse ones for large.

namespace korvex {

// The knob travels from 6 pixels inside the left end to 6 inside the right.
constexpr int kSliderInset = 6;

// The continuous value at knob position x of a slider w pixels wide, clamped.
double SliderValueAt(int x, int width, double minimum, double maximum);
// The knob position that shows a value, clamped to the travel.
int SliderKnobAt(double value, int width, double minimum, double maximum);

// Slider position 0 ... 100 in three thirds, each rounded to its own step.
struct PiecewiseScale {
    double firstTop; // amount at the end of the first third
    double secondTop; // amount at the end of the second third
    double maximum;
    double firstStep;
    double secondStep;
    double thirdStep;

    double toValue(double position) const;
    double toPosition(double value) const;
};

inline constexpr PiecewiseScale kStartingAmountScale { 10'000, 90'000, 1'000'000, 250, 1'000, 10'000 };
inline constexpr PiecewiseScale kContributionScale { 1'000, 9'000, 100'000, 50, 100, 1'000 };

// The whole number of months a slider value stands for.
int WholeMonths(double sliderValue);

} // namespace korvex

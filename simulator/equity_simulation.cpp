#include "simulator/equity_simulation.h"

#include <array>
#include <cmath>
#include <limits>
#include <memory>
#include <random>

namespace korvex {

namespace {

constexpr Rgb Red{255, 0, 0};

constexpr std::array<Rgb, 10> Palette{{
    {0, 0, 0},
    {255, 0, 0},
    {0, 255, 0},
    {0, 0, 255},
    {220, 0, 220},
    {0, 255, 255},
    {200, 150, 0},
    {150, 0, 255},
    {255, 10, 255},
    {65, 125, 0},
}};

// One of 110, 120, ... 200, equally likely; 100 only for a draw of exactly 0.
int lightChannel(double u)
{
    static constexpr double thresholds[] = {0.1, 0.2, 0.3, 0.4, 0.5, 0.6, 0.7, 0.8, 0.9};
    int tenth = 0;
    if (u != 0.0) {
        tenth = 1;
        for (const double threshold : thresholds)
            if (u > threshold)
                ++tenth;
    }
    return 100 + 10 * tenth;
}

}  // namespace

RandomSource makeSystemRandomSource()
{
    std::random_device device;
    std::seed_seq seed{device(), device(), device(), device(), device(), device(), device(), device()};
    auto engine = std::make_shared<std::mt19937_64>(seed);
    // The top 53 bits as a fraction: exactly uniform and never 1.0.
    return [engine] { return static_cast<double>((*engine)() >> 11) * 0x1.0p-53; };
}

int truncateToInt(double value)
{
    if (std::isnan(value))
        return 0;
    if (value >= static_cast<double>(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    if (value < static_cast<double>(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    return static_cast<int>(value);
}

CurveTable::CurveTable(int rows, int entries)
    : rows_(rows)
    , entries_(entries)
    , values_(static_cast<std::size_t>(rows) * static_cast<std::size_t>(entries), 0.0)
{
}

EquitySimulation::EquitySimulation(int xm, RandomSource random)
    : xm_(xm < 0 ? 0 : xm)
    , random_(std::move(random))
{
}

bool EquitySimulation::newRnd()
{
    yMin_ = 100;
    yMax_ = 100;
    const int lines = Number < 0 ? 0 : Number;
    M_ = CurveTable(lines + 1, xm_ + 1);
    // Every entry is written below, so a table of the same size is kept
    // rather than allocated and cleared anew.
    if (runningDepths_.rows() != lines || runningDepths_.entries() != xm_ + 1)
        runningDepths_ = CurveTable(lines, xm_ + 1);
    for (int c = 0; c < lines; ++c) {
        yTemp_ = 100.0;
        runningDepths_.at(c, 0) = yTemp_;
        for (int t = 0; t < xm_; ++t) {
            const double u = random_();
            if (u > prob) {
                M_.at(c, t) = yTemp_;  // a loss shows from the next entry on
                yTemp_ += 1.0;
            } else {
                yTemp_ -= StepY;
                M_.at(c, t) = yTemp_;
            }
            runningDepths_.at(c, t + 1) = yTemp_;
            if (yTemp_ > static_cast<double>(yMax_)) {
                yMax_ = truncateToInt(yTemp_);
                MaxColor_ = Red;
            }
            if (yTemp_ < static_cast<double>(yMin_)) {
                yMin_ = truncateToInt(yTemp_);
                MinColor_ = Red;
            }
        }
    }
    return true;
}

double EquitySimulation::kellyValue() const
{
    const double lose = 1.0 - prob;
    const double quotient = lose / StepY;
    return prob - quotient;
}

double EquitySimulation::mathExpect() const
{
    const double lose = 1.0 - prob;
    const double product = prob * StepY;
    return product - lose;
}

std::vector<Rgb> curveColours(int lines, const RandomSource& random)
{
    std::vector<Rgb> colours;
    if (lines <= 0)
        return colours;
    colours.reserve(static_cast<std::size_t>(lines));
    for (int c = 0; c < lines; ++c) {
        if (lines <= static_cast<int>(Palette.size())) {
            colours.push_back(Palette[static_cast<std::size_t>(c)]);
        } else {
            const int red = lightChannel(random());
            const int green = lightChannel(random());
            colours.push_back({red, green, lightChannel(random())});
        }
    }
    return colours;
}

}  // namespace korvex

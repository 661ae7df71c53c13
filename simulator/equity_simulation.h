#pragma once
// Random sequences of fixed-stake trades drawn from a win probability and a
// win/loss ratio, recorded as equity curves in units of one average loss.
//
// The curves are kept as depths D = 200 - account value: every curve starts
// at depth 100, a win lowers the depth by StepY, a loss raises it by 1. The
// panel's row coordinate grows with the depth, so a richer account is drawn
// higher up.

#include <cstddef>
#include <functional>
#include <optional>
#include <vector>

namespace korvex {

// A uniformly distributed double in [0, 1).
using RandomSource = std::function<double()>;

// A fast generator seeded afresh from the system, so every start differs.
RandomSource makeSystemRandomSource();

struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// Truncates toward zero into the int range; not-a-number gives 0.
int truncateToInt(double value);

// One row per curve plus a spare row, one entry per trade plus a spare entry.
class CurveTable {
public:
    CurveTable() = default;
    CurveTable(int rows, int entries);

    int rows() const { return rows_; }
    int entries() const { return entries_; }
    double at(int row, int entry) const { return values_[index(row, entry)]; }
    double& at(int row, int entry) { return values_[index(row, entry)]; }
    std::size_t bytes() const { return values_.size() * sizeof(double); }

private:
    std::size_t index(int row, int entry) const
    {
        return static_cast<std::size_t>(row) * static_cast<std::size_t>(entries_) + static_cast<std::size_t>(entry);
    }

    int rows_ = 0;
    int entries_ = 0;
    std::vector<double> values_;
};

class EquitySimulation {
public:
    // xm: trades per curve, fixed for the life of the simulation.
    EquitySimulation(int xm, RandomSource random);

    // Parameters of the next generation.
    double StepY = 1.0;  // win/loss ratio
    double prob = 0.5;   // probability that a trade wins
    int Number = 1;      // lines quantity

    int xm() const { return xm_; }

    // Replaces the table and the extremes; may set the extreme marks.
    bool newRnd();

    const CurveTable& M() const { return M_; }
    // One row per curve, entry t the running depth after trade t and entry 0
    // the start: what the extremes follow, where M holds a loss's depth
    // before the loss.
    const CurveTable& runningDepths() const { return runningDepths_; }
    // The curves the table holds, which differs from Number after a Generate
    // that stored a new quantity and was then stopped.
    int tableLines() const { return M_.rows() > 0 ? M_.rows() - 1 : 0; }
    int yMin() const { return yMin_; }
    int yMax() const { return yMax_; }
    double yTemp() const { return yTemp_; }

    // Red once their test has fired, never cleared; unset until then.
    std::optional<Rgb> MaxColor() const { return MaxColor_; }
    std::optional<Rgb> MinColor() const { return MinColor_; }

    double kellyValue() const;
    double mathExpect() const;

    // Account values shown by the MIN and MAX labels: 200 - yMax and 200 - yMin.
    long long lowestAccount() const { return 200LL - yMax_; }
    long long highestAccount() const { return 200LL - yMin_; }

    const RandomSource& random() const { return random_; }

private:
    int xm_;
    RandomSource random_;
    CurveTable M_;
    CurveTable runningDepths_;
    double yTemp_ = 100.0;
    int yMin_ = 100;
    int yMax_ = 100;
    std::optional<Rgb> MaxColor_;
    std::optional<Rgb> MinColor_;
};

// The colour of each drawn line: the palette for up to ten lines, otherwise
// a fresh random light colour per line (red, green, blue drawn in order).
std::vector<Rgb> curveColours(int lines, const RandomSource& random);

}  // namespace korvex

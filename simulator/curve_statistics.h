#pragma once
// How bad the curves of one generation got: per curve its final account,
// its largest drawdown, its longest runs and its lowest point, and over the
// curves the worst, the 1-in-20 bad, the median, the 1-in-20 good and the
// best of each. Account values are in R, one average loss: 200 - depth.

#include "simulator/equity_simulation.h"

#include <vector>

namespace korvex {

struct CurveFigures {
    double finalAccount = 100.0;
    double drawdown = 0.0;         // largest fall from a running peak, in R
    double drawdownPercent = 0.0;  // that same fall in % of its peak
    int losingRun = 0;
    int winningRun = 0;
    double lowest = 100.0;
};

// One row of running depths, entry 0 the start.
CurveFigures figuresOfCurve(const CurveTable& runningDepths, int row);

struct FigureSpread {
    double worst = 0.0;
    double bad = 0.0;  // 1 in 20 does worse
    double median = 0.0;
    double good = 0.0;  // 1 in 20 does better
    double best = 0.0;
};

// Nearest-rank percentiles; `highHurts` when a larger value is the worse.
FigureSpread spreadOf(std::vector<double> values, bool highHurts);

// The value at rank ceil(p / 100 x N), rank 1 for p = 0, of sorted values.
double nearestRank(const std::vector<double>& sorted, int percent);

struct CurveStatistics {
    int curves = 0;
    int trades = 0;  // per curve
    FigureSpread finalAccount;
    FigureSpread drawdown;
    FigureSpread drawdownPercent;
    FigureSpread losingRun;
    FigureSpread winningRun;
    int endedBelowStart = 0;
    int lostHalf = 0;  // touched 50 R or less
    int ruined = 0;    // touched 0 R or less
    double averageFinal = 100.0;
    double expectedFinal = 100.0;  // 100 + trades x the expectation per trade
};

// The figures of the curves the simulation holds, with the expectation of
// the parameters it holds: call it right after a generation.
CurveStatistics computeCurveStatistics(const EquitySimulation& simulation);

}  // namespace korvex

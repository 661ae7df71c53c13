#include "simulator/curve_statistics.h"

#include <algorithm>

namespace korvex {

namespace {

constexpr double Start = 100.0;

// Account values are written and compared as 200 - depth, the very doubles
// a saved curve holds, so the figures can be worked out again from the file.
double accountAt(const CurveTable& depths, int row, int entry) { return 200.0 - depths.at(row, entry); }

}  // namespace

CurveFigures figuresOfCurve(const CurveTable& runningDepths, int row)
{
    CurveFigures figures;
    if (runningDepths.entries() == 0)
        return figures;
    double previous = accountAt(runningDepths, row, 0);
    double peak = previous;
    double drawdownPeak = peak;
    double lowest = previous;
    double drawdown = 0.0;
    int losing = 0;
    int winning = 0;
    // Without branches on the trade's outcome, which is a coin toss to the
    // processor: a thousand curves take a fraction of their generation.
    for (int t = 1; t < runningDepths.entries(); ++t) {
        const double value = accountAt(runningDepths, row, t);
        // A loss always takes a whole 1; a win with a ratio of 0 leaves the value.
        const bool loss = value < previous;
        losing = loss ? losing + 1 : 0;
        winning = loss ? 0 : winning + 1;
        figures.losingRun = std::max(figures.losingRun, losing);
        figures.winningRun = std::max(figures.winningRun, winning);
        peak = std::max(peak, value);
        // Strictly deeper only: of equal falls the first, from the lower peak.
        const bool deeper = peak - value > drawdown;
        drawdownPeak = deeper ? peak : drawdownPeak;
        drawdown = deeper ? peak - value : drawdown;
        lowest = std::min(lowest, value);
        previous = value;
    }
    figures.finalAccount = previous;
    figures.drawdown = drawdown;
    figures.drawdownPercent = drawdown / drawdownPeak * 100.0;
    figures.lowest = lowest;
    return figures;
}

double nearestRank(const std::vector<double>& sorted, int percent)
{
    if (sorted.empty())
        return 0.0;
    const long long count = static_cast<long long>(sorted.size());
    const long long rank = percent <= 0 ? 1 : (static_cast<long long>(percent) * count + 99) / 100;
    return sorted[static_cast<std::size_t>(std::clamp(rank, 1LL, count) - 1)];
}

FigureSpread spreadOf(std::vector<double> values, bool highHurts)
{
    if (values.empty())
        return {};
    std::sort(values.begin(), values.end());
    const double median = nearestRank(values, 50);
    if (highHurts)
        return {values.back(), nearestRank(values, 95), median, nearestRank(values, 5), values.front()};
    return {values.front(), nearestRank(values, 5), median, nearestRank(values, 95), values.back()};
}

CurveStatistics computeCurveStatistics(const EquitySimulation& simulation)
{
    const CurveTable& depths = simulation.runningDepths();
    CurveStatistics statistics;
    statistics.curves = depths.rows();
    statistics.trades = simulation.xm();
    statistics.expectedFinal = Start + static_cast<double>(simulation.xm()) * simulation.mathExpect();
    if (statistics.curves == 0)
        return statistics;

    const std::size_t curves = static_cast<std::size_t>(statistics.curves);
    std::vector<double> finals, drawdowns, percents, losingRuns, winningRuns;
    for (std::vector<double>* column : {&finals, &drawdowns, &percents, &losingRuns, &winningRuns})
        column->reserve(curves);
    double total = 0.0;
    for (int c = 0; c < statistics.curves; ++c) {
        const CurveFigures figures = figuresOfCurve(depths, c);
        finals.push_back(figures.finalAccount);
        drawdowns.push_back(figures.drawdown);
        percents.push_back(figures.drawdownPercent);
        losingRuns.push_back(figures.losingRun);
        winningRuns.push_back(figures.winningRun);
        total += figures.finalAccount;
        statistics.endedBelowStart += figures.finalAccount < Start ? 1 : 0;
        statistics.lostHalf += figures.lowest <= Start / 2 ? 1 : 0;
        statistics.ruined += figures.lowest <= 0.0 ? 1 : 0;
    }
    statistics.averageFinal = total / static_cast<double>(statistics.curves);
    statistics.finalAccount = spreadOf(std::move(finals), false);
    statistics.drawdown = spreadOf(std::move(drawdowns), true);
    statistics.drawdownPercent = spreadOf(std::move(percents), true);
    statistics.losingRun = spreadOf(std::move(losingRuns), true);
    statistics.winningRun = spreadOf(std::move(winningRuns), false);
    return statistics;
}

}  // namespace korvex

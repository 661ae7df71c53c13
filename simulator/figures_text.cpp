#include "simulator/figures_text.h"

#include "app/numbers/numbers.h"

#include <cmath>

namespace korvex {

namespace {

std::string twoDecimals(double value)
{
    // What rounds to zero shows no sign.
    return FormatText("%.2n", {static_cast<Extended>(std::fabs(value) < 0.005 ? 0.0 : value)});
}

std::string whole(double value) { return FormatText("%.0n", {static_cast<Extended>(value)}); }

FigureRow row(const char* title, const FigureSpread& spread, std::string (*format)(double))
{
    return {title,
            {format(spread.worst), format(spread.bad), format(spread.median), format(spread.good),
             format(spread.best)}};
}

std::string countLine(const char* what, int count, int curves)
{
    const double share = curves > 0 ? 100.0 * count / curves : 0.0;
    return FormatText("%s: %s of %s curves (%s %%)",
                      {std::string(what), whole(count), whole(curves), twoDecimals(share)});
}

}  // namespace

const std::vector<std::string>& figureColumnTitles()
{
    static const std::vector<std::string> titles{"Worst", "Bad (1 in 20)", "Median", "Good (1 in 20)", "Best"};
    return titles;
}

std::vector<FigureRow> figureRows(const CurveStatistics& statistics)
{
    return {
        row("Final account (R)", statistics.finalAccount, twoDecimals),
        row("Largest drawdown (R)", statistics.drawdown, twoDecimals),
        row("Largest drawdown (%)", statistics.drawdownPercent, twoDecimals),
        row("Longest losing run", statistics.losingRun, whole),
        row("Longest winning run", statistics.winningRun, whole),
    };
}

std::vector<std::string> figureCountLines(const CurveStatistics& statistics)
{
    const int curves = statistics.curves;
    return {
        countLine("Ended below the start", statistics.endedBelowStart, curves),
        countLine("Lost half the start (touched 50 R or less)", statistics.lostHalf, curves),
        countLine("Ruined (touched 0 R or less)", statistics.ruined, curves),
        FormatText("Average final account: %s R; expected: %s R (100 + %s \xC3\x97 Math Expect)",
                   {twoDecimals(statistics.averageFinal), twoDecimals(statistics.expectedFinal),
                    whole(statistics.trades)}),
    };
}

std::string figuresAsText(const CurveStatistics& statistics)
{
    std::string text = std::string(FiguresHeading) + '\n' + FiguresExplanation + '\n';
    for (const std::string& title : figureColumnTitles())
        text += '\t' + title;
    text += '\n';
    for (const FigureRow& figures : figureRows(statistics)) {
        text += figures.title;
        for (const std::string& cell : figures.cells)
            text += '\t' + cell;
        text += '\n';
    }
    for (const std::string& line : figureCountLines(statistics))
        text += line + '\n';
    return text;
}

}  // namespace korvex

#pragma once
// The words and numbers of the block that says what the curves of a
// generation did, written by the number routines with the window's
// separators: R and % to two decimals, runs and counts whole.

#include "simulator/curve_statistics.h"

#include <string>
#include <vector>

namespace korvex {

inline constexpr const char* FiguresHeading = "What these curves say";
inline constexpr const char* FiguresExplanation =
    "R is one average loss: each curve starts at 100 R, a win adds the Win/Loss ratio, a loss takes 1 R.";

// Worst, bad (1 in 20), median, good (1 in 20), best.
const std::vector<std::string>& figureColumnTitles();

struct FigureRow {
    std::string title;
    std::vector<std::string> cells;  // one per column title
};

std::vector<FigureRow> figureRows(const CurveStatistics& statistics);

// The curves that ended below the start, lost half of it or were ruined,
// and the average final account beside the expected one.
std::vector<std::string> figureCountLines(const CurveStatistics& statistics);

// The whole block as text, the table's cells separated by tabs, as a
// spreadsheet takes it from the clipboard.
std::string figuresAsText(const CurveStatistics& statistics);

}  // namespace korvex

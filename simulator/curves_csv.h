#pragma once
// The curves of a generation for a spreadsheet.

#include "simulator/equity_simulation.h"

#include <string>

namespace korvex {

// The shortest plain decimal (never an exponent) that reads back as the same double.
std::string shortestPlainText(double value);

// "Trade,Curve 1,...,Curve N", then for t = 0 ... trades each curve's
// account value after trade t (200 - its running depth), CR LF line ends.
std::string curvesCsv(const CurveTable& runningDepths);

}  // namespace korvex

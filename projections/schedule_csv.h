#pragma once
// The month table of a projection as a CSV file that spreadsheets read:
// comma separated, CR LF line ends, numbers without "$" or grouping.

#include "projections/compound_savings_calc.h"

#include <string>
#include <vector>

namespace korvex {

// One record with its CR LF; a field holding a comma, a double quote or a
// line break is quoted, its double quotes doubled.
std::string CsvRecord(const std::vector<std::string>& fields);

// "Month,Additions,Profit,Balance", then the rows, amounts to the cent. The
// start row's profit is empty: the start earned none, and an empty cell
// keeps it out of a spreadsheet's sums and averages of the months.
std::string ScheduleCsv(const std::vector<ScheduleRow>& rows);

} // namespace korvex

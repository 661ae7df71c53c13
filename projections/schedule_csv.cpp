#include "projections/schedule_csv.h"

#include "projections/fmt.h"

#include <charconv>

namespace korvex {

namespace {

// Half up to the cent, as the report rounds, and with a point whatever the
// locale: a CSV file must read the same everywhere.
std::string cents(double value)
{
    const double rounded = Fmt::round(value, 2);
    char text[400];
    const auto result = std::to_chars(std::begin(text), std::end(text), rounded == 0 ? 0.0 : rounded,
        std::chars_format::fixed, 2);
    return std::string(text, result.ptr);
}

} // namespace

std::string CsvRecord(const std::vector<std::string>& fields)
{
    std::string record;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            record += ',';
        const std::string& field = fields[i];
        if (field.find_first_of(",\"\r\n") == std::string::npos) {
            record += field;
            continue;
        }
        record += '"';
        for (const char c : field) {
            if (c == '"')
                record += '"';
            record += c;
        }
        record += '"';
    }
    return record + "\r\n";
}

std::string ScheduleCsv(const std::vector<ScheduleRow>& rows)
{
    std::string csv = CsvRecord({ "Month", "Additions", "Profit", "Balance" });
    for (const ScheduleRow& row : rows)
        csv += CsvRecord({ std::to_string(row.month), cents(row.additions),
            row.profit ? cents(*row.profit) : "", cents(row.balance) });
    return csv;
}

} // namespace korvex

#include "projections/schedule_csv.h"

#include <gtest/gtest.h>

namespace korvex {
namespace {

TEST(CsvRecord, QuotesOnlyFieldsWithCommasQuotesOrLineBreaks)
{
    const std::pair<std::vector<std::string>, const char*> cases[] = {
        { { "1", "", "2.50" }, "1,,2.50\r\n" },
        { { "a,b", "say \"hi\"" }, "\"a,b\",\"say \"\"hi\"\"\"\r\n" },
        { { "two\r\nlines", "x\ny" }, "\"two\r\nlines\",\"x\ny\"\r\n" },
    };
    for (const auto& [fields, record] : cases)
        EXPECT_EQ(CsvRecord(fields), record);
}

TEST(ScheduleCsv, StartRowWithoutProfitThenCentsHalfUpWithoutGrouping)
{
    const std::vector<ScheduleRow> rows {
        { 0, 1000, std::nullopt, 1000 },
        { 1, 1200, 0.125, 1234567.894 },
        { 2, 0, -0.001, 99.995001 },
    };
    EXPECT_EQ(ScheduleCsv(rows),
        "Month,Additions,Profit,Balance\r\n"
        "0,1000.00,,1000.00\r\n"
        "1,1200.00,0.13,1234567.89\r\n"
        "2,0.00,0.00,100.00\r\n");
}

} // namespace
} // namespace korvex

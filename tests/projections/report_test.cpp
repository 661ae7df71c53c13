#include "projections/compound_savings_calc.h"

#include <gtest/gtest.h>

namespace korvex {
namespace {

constexpr const char* kTemplate
    = "<START><TITLE>Report</TITLE></HEAD><BODY>"
      "S=STARTING_AMOUNT|N=YEARS|C=ADDITIONAL_CONTRIBUTIONS DEPOSIT_FREQUENCY|R=RATE_OF_RETURN "
      "COMPOUND_INTEREST|"
      "P=TOTAL_AMOUNT_YOU_HAVE_PAID_IN|T=TOTAL_AT_END_OF_INVESTMENT|D=DEPOSIT_TYPE|"
      "U=CURRENCY_LABEL|H=QQ_HEADER_QQ|&QQ169;&NBSP;&QCPQ;|**REPEATING GROUP**|**REPEATING "
      "GROUP**</BODY></HTML>";

CompoundSavingsCalc panelCalc(double start, double contribution, double months, double rate)
{
    CompoundSavingsCalc calc;
    calc._sTemplate = kTemplate;
    calc.clearInputed();
    calc.STARTING_AMOUNT = start;
    calc.ADDITIONAL_CONTRIBUTIONS = contribution;
    calc.DEPOSIT_FREQUENCY = 12;
    calc.FREQ_DESC = calc.MSG_PER_MONTH;
    calc.YEARS = months;
    calc.RATE_OF_RETURN = rate;
    calc.COMPOUND_DESC = calc.MSG_COMPOUND_ANNUALLY;
    return calc;
}

// The table rows between the first "<TR" and the table's end, one per entry.
std::vector<std::string> tableRows(const std::string& report)
{
    std::vector<std::string> rows;
    const std::size_t end = report.find("</table>");
    for (std::size_t at = report.find("<TR"); at < end; at = report.find("<TR", at + 1))
        rows.push_back(report.substr(at, report.find("</TR>", at) + 5 - at));
    return rows;
}

TEST(Report, FillsTheSummaryOfTheDefaults)
{
    CompoundSavingsCalc calc = panelCalc(1000, 0, 10, 2);
    const std::string report = calc.JavaScriptReport();
    EXPECT_EQ(report.substr(0, report.find("<table")),
        "<HTML><HEAD><TITLE>Report</TITLE></HEAD><BODY>"
        "S=$1,000|N=10|C=$0 per month|R=2.00% compounded annually|P=$1,000|T=$1,219|"
        "D=at the start of each period|U=Dollars|H=|&#169;&nbsp;&copy;|");
    // Only the first marker becomes the table.
    EXPECT_EQ(report.substr(report.find("</table>")), "</table>|**REPEATING GROUP**</BODY></HTML>");
    EXPECT_FALSE(calc.bWithSchedule);
}

TEST(Report, TableHasHeadingStartAndOneRowPerMonthAlternatingGrey)
{
    CompoundSavingsCalc calc = panelCalc(1000, 0, 10, 2);
    const std::string report = calc.JavaScriptReport();
    EXPECT_NE(report.find("<table border=0 cellpadding=0 cellspacing=0 width=100%><TR bgcolor=#CCCCCC>"
                          "<TD><B>Month</B></TD><TD><B>Additions</B></TD><TD><B>Profit  </B></TD>"
                          "<TD><B>Balance</B></TD></TR>"
                          "<TR><TD>Start</TD><TD>$1,000</TD><TD><B>&nbsp;</B></TD><TD>$1,000</TD></TR>"
                          "<TR bgcolor=#CCCCCC><TD>1</TD><TD>$0</TD><TD>$20</TD><TD>$1,020</TD></TR>"
                          "<TR><TD>2</TD><TD>$0</TD><TD>$20</TD><TD>$1,040</TD></TR>"),
        std::string::npos);
    const auto rows = tableRows(report);
    ASSERT_EQ(rows.size(), 12u);
    EXPECT_EQ(rows.back(), "<TR><TD>10</TD><TD>$0</TD><TD>$24</TD><TD>$1,219</TD></TR>");
}

TEST(Report, ContributionsShowTwelveDepositsAMonth)
{
    CompoundSavingsCalc calc = panelCalc(1000, 100, 10, 2);
    const std::string report = calc.JavaScriptReport();
    EXPECT_NE(report.find("C=$100 per month"), std::string::npos);
    EXPECT_NE(report.find("P=$13,000"), std::string::npos);
    const auto rows = tableRows(report);
    for (std::size_t month = 2; month < rows.size(); ++month)
        EXPECT_NE(rows[month].find("<TD>$1,200</TD>"), std::string::npos) << rows[month];
}

TEST(Report, HundredMonthsGiveHundredAndTwoRowsOddMonthsGrey)
{
    CompoundSavingsCalc calc = panelCalc(1000, 0, 100, 2);
    const auto rows = tableRows(calc.JavaScriptReport());
    ASSERT_EQ(rows.size(), 102u);
    for (int month = 1; month <= 100; ++month) {
        const std::string& row = rows[static_cast<std::size_t>(month) + 1];
        EXPECT_EQ(row.rfind(month % 2 ? "<TR bgcolor=#CCCCCC><TD>" : "<TR><TD>", 0), 0u) << row;
        EXPECT_NE(row.find("<TD>" + std::to_string(month) + "</TD>"), std::string::npos);
    }
}

TEST(Report, WithoutReturnEveryProfitIsZero)
{
    CompoundSavingsCalc calc = panelCalc(1000, 10, 5, 0);
    const auto rows = tableRows(calc.JavaScriptReport());
    for (std::size_t month = 2; month < rows.size(); ++month)
        EXPECT_NE(rows[month].find("<TD>$120</TD><TD>$0</TD>"), std::string::npos) << rows[month];
}

TEST(Report, EveryReportStartsFromAFreshRun)
{
    CompoundSavingsCalc calc = panelCalc(1000, 0, 10, 2);
    calc.JavaScriptReport();
    calc.YEARS = 3;
    EXPECT_EQ(tableRows(calc.JavaScriptReport()).size(), 5u);
    // A plain run for the graph adds no rows to the next report.
    calc.recalculate();
    EXPECT_EQ(tableRows(calc.JavaScriptReport()).size(), 5u);
}

TEST(Report, MarkupComesFromItsFields)
{
    CompoundSavingsCalc calc = panelCalc(1000, 0, 1, 2);
    using namespace std::string_literals;
    calc._sTableHeader = "<T>"s;
    calc._sTopRow = "<H>"s;
    calc._sOddRow = "<O>"s;
    calc._sEvenRow = "<E>"s;
    calc._sRowFooter = "</R>"s;
    calc._sTableFooter = "</T>"s;
    calc._sCell = "["s;
    calc._sCellFooter = "]"s;
    calc._sTemplate = "**REPEATING GROUP**";
    EXPECT_EQ(calc.JavaScriptReport(),
        "<T><H><TD>[<B>Month</B>]</TD><TD>[<B>Additions</B>]</TD><TD>[<B>Profit  "
        "</B>]</TD><TD>[<B>Balance</B>]</TD></R>"
        "<E><TD>[Start]</TD><TD>[$1,000]</TD><TD>[<B>&nbsp;</B>]</TD><TD>[$1,000]</TD></R>"
        "<O><TD>[1]</TD><TD>[$0]</TD><TD>[$20]</TD><TD>[$1,020]</TD></R></T>");
}

TEST(Report, RowsWaitInTheBufferWhenTheTemplateHasNoMarker)
{
    CompoundSavingsCalc calc = panelCalc(1000, 0, 2, 2);
    calc._sTemplate = "no table";
    EXPECT_EQ(calc.JavaScriptReport(), "no table");
    EXPECT_EQ(tableRows(calc.getRepeating()).size(), 4u);
    EXPECT_EQ(calc.getRepeating(), "</table>"); // reading empties it
}

TEST(Report, ReplaceScansLeftToRightAndNeverRescans)
{
    struct Case {
        const char* find;
        const char* with;
        const char* text;
        const char* expected;
    };
    const Case cases[] = {
        { "aa", "a", "aaaa", "aa" },
        { "x", "xx", "axbx", "axxbxx" },
        { "YEARS", "10", "YEARSYEARS", "1010" },
        { "", "boom", "text", "text" },
        { "abc", "z", "ab", "ab" },
    };
    for (const Case& c : cases)
        EXPECT_EQ(Calculation::replace(c.find, c.with, c.text), c.expected) << c.find << " in " << c.text;
}

TEST(Report, ErrorPageCarriesTheMessageAsText)
{
    const CompoundSavingsCalc calc;
    EXPECT_EQ(calc.errorReport("Months must be less than or equal to 100."),
        "<HTML><HEAD><TITLE>Calculation Error</TITLE></HEAD><BODY><P>The following calculation error has "
        "occurred.  Please close this window and correct the problem to view this report:<B><P>Months "
        "must be less than or equal to 100.</BODY></HTML>");
    EXPECT_NE(calc.errorReport("A <b> & C").find("<P>A &lt;b&gt; &amp; C</BODY>"), std::string::npos);
}

} // namespace
} // namespace korvex

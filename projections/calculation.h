#pragma once
// The base of a calculation behind a calculator panel: the graph's scale,
// and the HTML report made by filling a template with the results and a
// table of schedule rows.

#include "projections/fmt.h"

#include <initializer_list>
#include <string>
#include <string_view>

namespace korvex {

class Calculation {
public:
    Calculation() = default;
    virtual ~Calculation() = default;
    Calculation(const Calculation&) = default;
    Calculation& operator=(const Calculation&) = default;

    std::string sCurrency = "Dollars";
    std::string sScaleLabel1 = "Thousands of ";
    std::string sScaleLabel2 = "Millions of ";
    std::string sScaleLabel3 = "Billions of ";
    std::string _sGraphUnits;
    bool bWithSchedule = false;
    Fmt fmt;

    // The report template, the error page and the value of "QQ_HEADER_QQ".
    std::string _sTemplate;
    std::string _sErrorTemplate = "<HTML><HEAD><TITLE>Calculation Error</TITLE></HEAD><BODY><P>The following "
                                  "calculation error has occurred.  Please close this window and correct the "
                                  "problem to view this report:<B><P>MSG_ERROR</BODY></HTML>";
    std::string _sQQHeader;

    // Markup of the schedule table.
    std::string _sTableHeader = "<table border=0 cellpadding=0 cellspacing=0 width=100%>";
    std::string _sTopRow = "<TR bgcolor=#CCCCCC>";
    std::string _sOddRow = "<TR bgcolor=#CCCCCC>";
    std::string _sEvenRow = "<TR>";
    std::string _sRowFooter = "</TR>";
    std::string _sTableFooter = "</table>";
    std::string _sCell;
    std::string _sCellFooter;
    std::string _sCellFormat = "</TD><TD>";

    virtual void clearCalculated() = 0;
    virtual void calculate() = 0;
    // Replaces the calculation's own placeholders in a report text.
    virtual std::string formatReport(std::string text) const = 0;

    // Every run goes through here: resets the table markup and row count.
    void recalculate();

    // The divisor that keeps the graph's numbers short; remembers its label.
    double getGraphUnits(double value);
    std::string getAmountLabel() const;

    void addRepeat(std::string_view row);
    // The table so far, closed; empties it.
    std::string getRepeating();

    // Every occurrence, left to right; replaced text is not scanned again.
    static std::string replace(std::string_view find, std::string_view with, std::string_view text);

    // A fresh run with its schedule, filled into the template.
    std::string JavaScriptReport();
    // The error page for a run that could not be made.
    std::string errorReport(std::string_view message) const;

protected:
    // One table row: its cells between the cell markup.
    std::string row(std::initializer_list<std::string_view> cells) const;

private:
    std::string schedule_;
    int rowCount_ = 0;
};

} // namespace korvex

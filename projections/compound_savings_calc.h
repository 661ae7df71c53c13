#pragma once
// Compound growth of a trading account: a starting amount, a contribution
// deposited several times in every period, and a rate of return per period.

#include "projections/calculation.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace korvex {

// One row of the month table: the start (month 0, no profit) or a month.
struct ScheduleRow {
    int month = 0;
    double additions = 0;
    std::optional<double> profit;
    double balance = 0;
};

class CompoundSavingsCalc : public Calculation {
public:
    // Inputs: amounts in whole dollars, the rate in percent per period.
    double STARTING_AMOUNT = 0;
    double ADDITIONAL_CONTRIBUTIONS = 0;
    int DEPOSIT_FREQUENCY = 1;
    double YEARS = 0;
    double RATE_OF_RETURN = 0;
    int COMPOUND_INTEREST = 1;
    std::string FREQ_DESC;
    std::string COMPOUND_DESC;

    // Results.
    double TOTAL_AMOUNT_YOU_HAVE_PAID_IN = 0;
    double TOTAL_AT_END_OF_INVESTMENT = 0;
    std::vector<double> DR_BALANCE;
    std::vector<double> DR_INTEREST;
    std::vector<float> DS_BALANCE;
    std::vector<std::string> cats;

    std::string MSG_PER_MONTH = "per month";
    std::string MSG_PER_QUARTER = "per quarter";
    std::string MSG_PER_YEAR = "per year";
    std::string MSG_COMPOUND_DAILY = "compound daily";
    std::string MSG_COMPOUND_MONTHLY = "compound monthly";
    std::string MSG_COMPOUND_QRTLY = "compound quarterly";
    std::string MSG_COMPOUND_ANNUALLY = "compound annually";

    // Headings of the schedule's columns, and the first cell of its start row.
    std::array<std::string, 4> sColumnHeadings { "<B>Month</B>", "<B>Additions</B>", "<B>Profit  </B>",
        "<B>Balance</B>" };
    std::string sStartLabel = "Start";

    void clearInputed();
    void clearCalculated() override;
    void calculate() override;
    std::string formatReport(std::string text) const override;

    const std::vector<std::string>& getCatagories() const { return cats; }

    // The month table of the last run, as the report shows it.
    std::vector<ScheduleRow> schedule() const;

private:
    void addSchedule();
};

} // namespace korvex

#include "projections/compound_savings_calc.h"

#include <cmath>

namespace korvex {

namespace {
constexpr double kMostPeriods = 100'000;
}

void CompoundSavingsCalc::clearInputed()
{
    STARTING_AMOUNT = 0;
    ADDITIONAL_CONTRIBUTIONS = 0;
    DEPOSIT_FREQUENCY = 1;
    YEARS = 0;
    RATE_OF_RETURN = 0;
    COMPOUND_INTEREST = 1;
}

void CompoundSavingsCalc::clearCalculated()
{
    TOTAL_AMOUNT_YOU_HAVE_PAID_IN = 0;
    TOTAL_AT_END_OF_INVESTMENT = 0;
}

void CompoundSavingsCalc::calculate()
{
    const double S = STARTING_AMOUNT;
    const double C = ADDITIONAL_CONTRIBUTIONS;
    const int F = DEPOSIT_FREQUENCY < 1 ? 1 : DEPOSIT_FREQUENCY; // a period has at least one deposit
    const double N = std::isnan(YEARS) ? 0 : YEARS;
    const double R = RATE_OF_RETURN;

    TOTAL_AMOUNT_YOU_HAVE_PAID_IN = S + C * F * N;
    // The panel allows 100 periods; the cap only keeps wild callers finite.
    const double wholePeriods = std::fmin(std::floor(N + 0.5), kMostPeriods);
    const int n = wholePeriods > 0 ? static_cast<int>(wholePeriods) : 0;
    DR_BALANCE.assign(static_cast<std::size_t>(n), 0.0);
    DR_INTEREST.assign(static_cast<std::size_t>(n), 0.0);

    const double g = std::pow(1 + R / 100, 1.0 / F) - 1;
    const double K = F * std::fmin(N, kMostPeriods);
    double B = S;
    double A = 0;
    int k = 0;
    for (long long i = 0; i < K; ++i) {
        B = B + C;
        const double p = g * B;
        A = A + p;
        B = B + p;
        if ((i + 1) % F == 0) {
            if (k < n) {
                DR_BALANCE[static_cast<std::size_t>(k)] = B;
                DR_INTEREST[static_cast<std::size_t>(k)] = A;
            }
            A = 0;
            ++k;
        }
    }
    TOTAL_AT_END_OF_INVESTMENT = B;

    const double u = getGraphUnits(DR_BALANCE.empty() ? 0.0 : DR_BALANCE.back());
    cats.resize(static_cast<std::size_t>(n));
    DS_BALANCE.resize(static_cast<std::size_t>(n));
    for (int j = 0; j < n; ++j) {
        cats[static_cast<std::size_t>(j)] = std::to_string(j + 1);
        DS_BALANCE[static_cast<std::size_t>(j)]
            = static_cast<float>(DR_BALANCE[static_cast<std::size_t>(j)] / u);
    }

    if (bWithSchedule)
        addSchedule();
}

std::vector<ScheduleRow> CompoundSavingsCalc::schedule() const
{
    std::vector<ScheduleRow> rows { { 0, STARTING_AMOUNT, std::nullopt, STARTING_AMOUNT } };
    const int F = DEPOSIT_FREQUENCY < 1 ? 1 : DEPOSIT_FREQUENCY;
    for (std::size_t k = 0; k < DR_BALANCE.size(); ++k)
        rows.push_back(
            { static_cast<int>(k + 1), F * ADDITIONAL_CONTRIBUTIONS, DR_INTEREST[k], DR_BALANCE[k] });
    return rows;
}

void CompoundSavingsCalc::addSchedule()
{
    addRepeat(row({ sColumnHeadings[0], sColumnHeadings[1], sColumnHeadings[2], sColumnHeadings[3] }));
    for (const ScheduleRow& entry : schedule()) {
        if (!entry.profit) {
            const std::string start = fmt.dollars(entry.balance);
            addRepeat(row({ sStartLabel, start, "<B>&nbsp;</B>", start }));
            continue;
        }
        addRepeat(row({ std::to_string(entry.month), fmt.dollars(entry.additions), fmt.dollars(*entry.profit),
            fmt.dollars(entry.balance) }));
    }
}

std::string CompoundSavingsCalc::formatReport(std::string text) const
{
    text = replace("DEPOSIT_TYPE", "at the start of each period", text);
    text = replace("STARTING_AMOUNT", fmt.dollars(STARTING_AMOUNT), text);
    text = replace("ADDITIONAL_CONTRIBUTIONS", fmt.dollars(ADDITIONAL_CONTRIBUTIONS), text);
    text = replace("DEPOSIT_FREQUENCY", FREQ_DESC, text);
    text = replace("YEARS", fmt.number(YEARS), text);
    text = replace("RATE_OF_RETURN", fmt.percent(RATE_OF_RETURN / 100, 2), text);
    text = replace("COMPOUND_INTEREST", replace("compound", "compounded", COMPOUND_DESC), text);
    text = replace("TOTAL_AMOUNT_YOU_HAVE_PAID_IN", fmt.dollars(TOTAL_AMOUNT_YOU_HAVE_PAID_IN), text);
    text = replace("TOTAL_AT_END_OF_INVESTMENT", fmt.dollars(TOTAL_AT_END_OF_INVESTMENT), text);
    return text;
}

} // namespace korvex

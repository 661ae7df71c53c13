// How fast the trade plan and its report fill are: both run on every
// Calculate or Print and must feel instant.
#include "planner/trade_plan.h"
#include "planner/trade_plan_report.h"

#include <benchmark/benchmark.h>

namespace {

void TradePlanAccepted(benchmark::State& state)
{
    const korvex::TradePlanInputs inputs{"100000", "10", "22.5", "9.25", "1500"};
    for (auto _ : state)
        benchmark::DoNotOptimize(korvex::CalculateTradePlan(inputs));
}
BENCHMARK(TradePlanAccepted);

void TradePlanRefused(benchmark::State& state)
{
    const korvex::TradePlanInputs inputs{"100", "0.1", "0.2", "0.05", "1001"};
    for (auto _ : state)
        benchmark::DoNotOptimize(korvex::CalculateTradePlan(inputs));
}
BENCHMARK(TradePlanRefused);

void TradePlanFill(benchmark::State& state)
{
    korvex::TradePlanSheet sheet{"25000", "KVX", "Long", "12.5", "15", "11", "200", "2:1", "$500.00",
                                 "2.00 %", "$300.00", "1.20 %", std::string(800, 'n')};
    for (auto _ : state)
        benchmark::DoNotOptimize(korvex::TradePlanFill(sheet, "Tuesday, December 8, 2026 09:05 PM"));
}
BENCHMARK(TradePlanFill);

}  // namespace

#include "sizing/money_management.h"

#include <benchmark/benchmark.h>

namespace {

// One press of Calculate for each model, with the leverage note.
void BM_PositionSizeText(benchmark::State& state)
{
    const int model = static_cast<int>(state.range(0));
    const korvex::PositionFields fields{"10000", "3.5", "3.2", "100000", "12.5", "1.5", "5", true};
    for (auto _ : state)
        benchmark::DoNotOptimize(korvex::PositionSizeText(model, fields));
}
BENCHMARK(BM_PositionSizeText)->DenseRange(0, korvex::kModelCount - 1);

}  // namespace

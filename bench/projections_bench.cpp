// Dragging a slider recalculates and redraws the panel on every knob move,
// so one calculation plus a full repaint has to fit well inside a frame.
#include "projections/compound_savings.h"
#include "projections/compound_savings_calc.h"
#include "projections/nbr.h"
#include "projections/profit_projections_page.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

bool copyDocuments(const QTemporaryDir& folder)
{
    const std::pair<const char*, const char*> documents[]
        = { { ":/documents/rcSavCalc0", "background.jpg" }, { ":/documents/rcSavCalc1", "Calculators.css" },
              { ":/documents/rcSavCalc3", "CompoundSavings.html" } };
    for (const auto& [resource, name] : documents)
        if (!QFile::copy(resource, folder.filePath(name)))
            return false;
    return true;
}

void CalculateAndRepaint(benchmark::State& state)
{
    QTemporaryDir folder;
    if (!folder.isValid() || !copyDocuments(folder)) {
        state.SkipWithError("cannot write the documents");
        return;
    }
    korvex::ProfitProjectionsPage page(nullptr);
    page.resize(710, 565);
    page.navigate(folder.filePath("CompoundSavings.html"));
    page.show();
    korvex::CompoundSavings* panel = page.panel();
    panel->monthsField()->setText(QString::number(state.range(0)));
    panel->calculate();
    QImage image(panel->size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        panel->calculate();
        panel->render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(CalculateAndRepaint)->Arg(10)->Arg(100)->Unit(benchmark::kMicrosecond);

void Projection(benchmark::State& state)
{
    korvex::CompoundSavingsCalc calc;
    calc.STARTING_AMOUNT = 1000;
    calc.ADDITIONAL_CONTRIBUTIONS = 100;
    calc.DEPOSIT_FREQUENCY = 12;
    calc.YEARS = static_cast<double>(state.range(0));
    calc.RATE_OF_RETURN = 2;
    for (auto _ : state) {
        calc.recalculate();
        benchmark::DoNotOptimize(calc.TOTAL_AT_END_OF_INVESTMENT);
    }
}
BENCHMARK(Projection)->Arg(10)->Arg(100)->Unit(benchmark::kMicrosecond);

} // namespace

// How fast the trade plan, its report fill and its printing are: the first
// two run on every Calculate or Print and must feel instant; the last is
// Print to a finished PDF file, the report project read from its file as
// Print reads it, without the dialogs.
#include "planner/rave_painter.h"
#include "planner/rv_project.h"
#include "planner/trade_plan.h"
#include "planner/trade_plan_report.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QTemporaryDir>

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

const korvex::TradePlanSheet Sheet{"25000", "KVX", "Long", "12.5", "15", "11", "200", "2:1", "$500.00",
                                   "2.00 %", "$300.00", "1.20 %", std::string(800, 'n')};
const char* const PlanDate = "Tuesday, December 8, 2026 09:05 PM";

void TradePlanFill(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(korvex::TradePlanFill(Sheet, PlanDate));
}
BENCHMARK(TradePlanFill);

void PrintToPdf(benchmark::State& state)
{
    const QTemporaryDir folder;
    const QString project = folder.filePath(QStringLiteral("rvReport.rav"));
    const QString pdf = folder.filePath(QStringLiteral("plan.pdf"));
    if (!QFile::copy(QStringLiteral(":/documents/myReport"), project))
        state.SkipWithError("no report template");
    korvex::RvProject report;
    report.setProjectFile(project);
    for (auto _ : state) {
        const korvex::OpenRvProject open(report);
        korvex::RavePage& page = report.ProjectManager().FindPage(korvex::kTradePlanPage);
        korvex::FillTradePlanPage(page, korvex::TradePlanFill(Sheet, PlanDate));
        QPrinter printer(QPrinter::HighResolution);
        korvex::RvSystem::SetUpPdfFile(printer, page, pdf);
        const korvex::RavePrintout printout({&page}, &printer);
        korvex::RvSystem::PrintPages(printer, printout, 1, printout.sheetCount());
    }
    state.counters["pdf_bytes"] = static_cast<double>(QFileInfo(pdf).size());
}
BENCHMARK(PrintToPdf)->Unit(benchmark::kMillisecond);

}  // namespace

// Any bytes in a host document's place must give each page a panel within
// its size limits, or none, and a page that draws: the simulator page and
// the profit projections page read the same file here.

#include "fuzz/offscreen_application.h"
#include "projections/profit_projections_page.h"
#include "simulator/my_panel.h"
#include "simulator/simulator_page.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

namespace {

QString documentPath;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    StartOffscreenApplication<QApplication>("fuzz_host_pages");
    static QTemporaryDir folder;
    documentPath = folder.filePath(QStringLiteral("Home.htm"));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    {
        QFile file(documentPath);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)
            || file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size)) != static_cast<qint64>(size))
            __builtin_trap();
    }
    korvex::SimulatorPage simulator(nullptr);
    simulator.navigate(documentPath);
    if (korvex::My* panel = simulator.panel()) {
        const QSize panelSize = panel->size();
        if (panelSize.width() < 250 || panelSize.width() > 2000 || panelSize.height() < 130
            || panelSize.height() > 1500)
            __builtin_trap();
        panel->grab();
    }

    korvex::ProfitProjectionsPage projections(nullptr);
    projections.resize(710, 565);
    projections.navigate(documentPath);
    // The report is left out: it takes a tenth of a second, and its filling
    // is fuzzed as text by fuzz_projection_inputs.
    if (projections.panel())
        projections.grab();
    return 0;
}

// The entry of the benchmarks that draw or print: they need the application
// the program runs in (its fonts and style), on the offscreen platform unless
// the run asks for another; no display is used.
#include "app/korvex_application.h"

#include <benchmark/benchmark.h>

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    korvex::KorvexApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

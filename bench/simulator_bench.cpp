// One Generate plus one full redraw of the simulator panel's picture into an
// offscreen image, for a range of lines quantities up to the accepted most,
// and the same on a screen at 150 %;
// a Generate alone and with the figures of its curves;
// and the panel's build-up of the curves, from the press to the last frame.

#include "simulator/curve_statistics.h"
#include "simulator/equity_simulation.h"
#include "simulator/my_panel.h"
#include "simulator/panel_entries.h"
#include "simulator/simulator_picture.h"

#include <QApplication>
#include <QColor>
#include <QElapsedTimer>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

#include <benchmark/benchmark.h>

#include <string>

namespace korvex {
namespace {

void generateAndRedraw(benchmark::State& state, qreal devicePixelRatio)
{
    const int lines = static_cast<int>(state.range(0));
    const QSize size(653, 408);
    const PanelGeometry geometry = PanelGeometry::forSize(size.width(), size.height());
    EquitySimulation simulation(geometry.xm, makeSystemRandomSource());
    const std::string linesText = std::to_string(lines);
    QImage image(size * devicePixelRatio, QImage::Format_RGB32);
    image.setDevicePixelRatio(devicePixelRatio);
    for (auto _ : state) {
        if (!applyEntries(simulation, "1.0", linesText, "0.5").accepted)
            state.SkipWithError("entries rejected");
        simulation.newRnd();
        SimulatorPicture picture;
        picture.size = size;
        picture.geometry = geometry;
        picture.simulation = &simulation;
        picture.background = QColor(255, 255, 255);
        picture.foreground = QColor(0, 0, 255);
        for (const Rgb& colour : curveColours(simulation.tableLines(), simulation.random()))
            picture.curveColours.push_back(toQColor(colour));
        QPainter painter(&image);
        drawSimulatorPicture(painter, picture);
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
    state.counters["table_bytes"] = static_cast<double>(simulation.M().bytes());
}

void GenerateAndRedraw(benchmark::State& state) { generateAndRedraw(state, 1.0); }
void GenerateAndRedrawAt150Percent(benchmark::State& state) { generateAndRedraw(state, 1.5); }

void GenerateOnly(benchmark::State& state)
{
    EquitySimulation simulation(453, makeSystemRandomSource());
    simulation.Number = static_cast<int>(state.range(0));
    for (auto _ : state) {
        simulation.newRnd();
        benchmark::DoNotOptimize(simulation.yMin());
    }
}

// What a Generate on the page computes: the curves and what they say.
void GenerateWithStatistics(benchmark::State& state)
{
    EquitySimulation simulation(453, makeSystemRandomSource());
    simulation.Number = static_cast<int>(state.range(0));
    for (auto _ : state) {
        simulation.newRnd();
        benchmark::DoNotOptimize(computeCurveStatistics(simulation).averageFinal);
    }
}

// Wall time from the press of the button until the curves stand complete,
// on a shown panel with the real clock; the pace itself takes most of it.
void BuildUpAfterPress(benchmark::State& state)
{
    My panel(QSize(653, 408), PanelHost{});
    panel.show();
    panel.findChild<QLineEdit*>(QStringLiteral("tfNumber"))->setText(QString::number(state.range(0)));
    auto* button = panel.findChild<QPushButton*>(QStringLiteral("btext"));
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        if (!panel.action(button, button->text()))
            state.SkipWithError("entries rejected");
        while (panel.isBuildingUp())
            QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        state.SetIterationTime(static_cast<double>(clock.nsecsElapsed()) / 1e9);
    }
}

BENCHMARK(GenerateAndRedraw)->Arg(1)->Arg(10)->Arg(100)->Arg(MaxLinesQty)->Unit(benchmark::kMillisecond);
BENCHMARK(GenerateAndRedrawAt150Percent)->Arg(1)->Arg(MaxLinesQty)->Unit(benchmark::kMillisecond);
BENCHMARK(GenerateOnly)->Arg(1)->Arg(10)->Arg(MaxLinesQty)->Unit(benchmark::kMillisecond);
BENCHMARK(GenerateWithStatistics)->Arg(1)->Arg(MaxLinesQty)->Unit(benchmark::kMillisecond);
BENCHMARK(BuildUpAfterPress)->Arg(1)->Arg(MaxLinesQty)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace korvex

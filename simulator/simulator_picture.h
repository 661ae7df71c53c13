#pragma once
// The one drawing routine of the simulator panel: the legend, the frames,
// the scale with its grid, the equity curves and their labels. The panel
// paints with it, and tests and benchmarks paint into an image.

#include "simulator/equity_simulation.h"
#include "simulator/panel_layout.h"

#include <QColor>
#include <QImage>
#include <QSize>

#include <cstdint>
#include <vector>

class QPainter;

namespace korvex {

struct SimulatorPicture {
    QSize size;  // the panel's size at the time of drawing
    PanelGeometry geometry;
    const EquitySimulation* simulation = nullptr;
    QColor background;
    QColor foreground;  // for an extreme label whose mark was never set
    QImage banner;      // drawn in the bottom strip when there is one
    std::vector<QColor> curveColours;  // one per line of the table
    // Segments of the curves drawn so far while they build up; -1 for all.
    std::int64_t segmentsShown = -1;
};

QColor toQColor(const Rgb& colour);

void drawSimulatorPicture(QPainter& painter, const SimulatorPicture& picture);

// The curves alone, as far as they have built up, over what is painted.
void drawEquityCurves(QPainter& painter, const SimulatorPicture& picture, const DepthScale& scale);

}  // namespace korvex

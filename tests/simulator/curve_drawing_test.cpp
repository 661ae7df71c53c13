#include "simulator/simulator_picture.h"
#include "tests/simulator/random_sequence.h"

#include <QPainter>
#include <QPolygon>

#include <gtest/gtest.h>

#include <random>

namespace korvex {
namespace {

// The curves as the painter's polylines draw them: each one twice, the second
// time one pixel higher.
void drawCurvesAsPolylines(QPainter& painter, const SimulatorPicture& picture, const DepthScale& scale)
{
    const PanelGeometry& g = picture.geometry;
    const CurveTable& table = picture.simulation->M();
    const int segmentsPerLine = picture.simulation->xm() - 1;
    std::int64_t left = picture.segmentsShown;
    for (int c = 0; c < picture.simulation->tableLines() && left > 0; ++c) {
        const int segments = static_cast<int>(std::min<std::int64_t>(left, segmentsPerLine));
        left -= segments;
        QPolygon points;
        points.append(QPoint(g.border, scale.row(100.0)));
        for (int i = 1; i <= segments; ++i)
            points.append(QPoint(g.border + i * g.StepX, scale.row(table.at(c, i))));
        painter.setPen(picture.curveColours[static_cast<std::size_t>(c)]);
        painter.drawPolyline(points);
        points.translate(0, -1);
        painter.drawPolyline(points);
    }
}

struct Table {
    const char* name;
    const char* winLoss;
    int lines;
    double prob;
    int narrowBy;  // depth units the scale leaves out at either end: curves that leave the plot
    std::int64_t segmentsShown;  // -1: all of them
};

TEST(CurveDrawing, SetsExactlyThePixelsOfThePaintersPolylines)
{
    const Table tables[] = {
        {"one line", "1.0", 1, 0.5, 0, -1},
        {"ten lines", "1.5", 10, 0.45, 0, -1},
        {"a thousand lines", "1.0", 1000, 0.5, 0, -1},
        {"half built up", "2.0", 10, 0.5, 0, 2000},
        {"leaving the plot and the panel", "1.0", 10, 0.5, 40, -1},
        {"steep, far beyond the panel", "1e6", 3, 0.5, 1000000, -1},
    };
    const QSize size(653, 408);
    const PanelGeometry geometry = PanelGeometry::forSize(size.width(), size.height());
    std::mt19937_64 engine(14);
    const RandomSequence draws([&engine](std::size_t) { return static_cast<double>(engine() >> 11) * 0x1.0p-53; });
    for (const Table& table : tables) {
        EquitySimulation simulation(geometry.xm, draws.source());
        simulation.StepY = std::stod(table.winLoss);
        simulation.prob = table.prob;
        simulation.Number = table.lines;
        simulation.newRnd();
        SimulatorPicture picture;
        picture.size = size;
        picture.geometry = geometry;
        picture.simulation = &simulation;
        for (const Rgb& colour : curveColours(table.lines, simulation.random()))
            picture.curveColours.push_back(toQColor(colour));
        picture.segmentsShown = table.segmentsShown < 0 ? std::int64_t{table.lines} * (geometry.xm - 1)
                                                        : table.segmentsShown;
        const DepthScale scale(simulation.yMin() + table.narrowBy, simulation.yMax() - table.narrowBy, geometry);

        for (const QImage::Format format : {QImage::Format_RGB32, QImage::Format_ARGB32_Premultiplied}) {
            QImage expected(size, format);
            picture.background = QColor(255, 255, 255);
            QPainter background(&expected);
            drawSimulatorPicture(background, SimulatorPicture{size, geometry, nullptr, picture.background,
                                                              QColor(0, 0, 255), {}, {}, -1});
            background.end();
            QImage drawn = expected.copy();
            QPainter reference(&expected);
            drawCurvesAsPolylines(reference, picture, scale);
            reference.end();
            QPainter painter(&drawn);
            drawEquityCurves(painter, picture, scale);
            painter.end();

            long differing = 0;
            for (int y = 0; y < size.height(); ++y)
                for (int x = 0; x < size.width(); ++x)
                    differing += drawn.pixel(x, y) != expected.pixel(x, y);
            EXPECT_EQ(differing, 0) << table.name << ", format " << format;
            EXPECT_NE(drawn, QImage(size, format)) << table.name;
        }
    }
}

}  // namespace
}  // namespace korvex

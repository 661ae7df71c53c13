#include "simulator/simulator_picture.h"
#include "tests/scaled_up.h"
#include "tests/simulator/random_sequence.h"

#include <QPainter>
#include <QPolygon>

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace korvex {
namespace {

// The curves as the painter's polylines draw them through the grid's points:
// each one as many times as it is thick, each time one pixel higher.
void drawCurvesAsPolylines(QPainter& painter, const SimulatorPicture& picture, const CurveGrid& grid)
{
    const CurveTable& table = picture.simulation->M();
    const int segmentsPerLine = picture.simulation->xm() - 1;
    std::int64_t left = picture.segmentsShown;
    for (int c = 0; c < picture.simulation->tableLines() && left > 0; ++c) {
        const int segments = static_cast<int>(std::min<std::int64_t>(left, segmentsPerLine));
        left -= segments;
        QPolygon points;
        points.append(QPoint(grid.column(0), grid.row(100.0)));
        for (int i = 1; i <= segments; ++i)
            points.append(QPoint(grid.column(i), grid.row(table.at(c, i))));
        painter.setPen(picture.curveColours[static_cast<std::size_t>(c)]);
        for (int k = 0; k < grid.thickness(); ++k) {
            painter.drawPolyline(points);
            points.translate(0, -1);
        }
    }
}

struct Table {
    const char* name;
    const char* winLoss;
    int lines;
    double prob;
    int narrowBy;  // depth units the scale leaves out at either end: curves that leave the plot
    std::int64_t segmentsShown;  // -1: all of them
    qreal ratio;  // device pixels per pixel
};

TEST(CurveDrawing, SetsExactlyThePixelsOfThePaintersPolylines)
{
    const Table tables[] = {
        {"one line", "1.0", 1, 0.5, 0, -1, 1.0},
        {"ten lines", "1.5", 10, 0.45, 0, -1, 1.0},
        {"a thousand lines", "1.0", 1000, 0.5, 0, -1, 1.0},
        {"half built up", "2.0", 10, 0.5, 0, 2000, 1.0},
        {"leaving the plot and the panel", "1.0", 10, 0.5, 40, -1, 1.0},
        {"steep, far beyond the panel", "1e6", 3, 0.5, 1000000, -1, 1.0},
        {"a thousand lines at 150 %", "1.0", 1000, 0.5, 0, -1, 1.5},
        {"leaving the plot and the panel at 150 %", "1.0", 10, 0.5, 40, -1, 1.5},
        {"steep, far beyond the panel at 200 %", "1e6", 3, 0.5, 1000000, -1, 2.0},
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
        const QSize pixels = size * table.ratio;

        for (const QImage::Format format : {QImage::Format_RGB32, QImage::Format_ARGB32_Premultiplied}) {
            QImage expected(pixels, format);
            picture.background = QColor(255, 255, 255);
            QPainter background(&expected);
            drawSimulatorPicture(background, SimulatorPicture{size, geometry, nullptr, picture.background,
                                                              QColor(0, 0, 255), {}, {}, -1});
            background.end();
            QImage drawn = expected.copy();
            drawn.setDevicePixelRatio(table.ratio);
            QPainter reference(&expected);  // in device pixels
            drawCurvesAsPolylines(reference, picture, CurveGrid(scale, geometry, table.ratio));
            reference.end();
            QPainter painter(&drawn);
            drawEquityCurves(painter, picture, scale);
            painter.end();

            long differing = 0;
            for (int y = 0; y < pixels.height(); ++y)
                for (int x = 0; x < pixels.width(); ++x)
                    differing += drawn.pixel(x, y) != expected.pixel(x, y);
            EXPECT_EQ(differing, 0) << table.name << ", format " << format;
            EXPECT_NE(drawn, QImage(pixels, format)) << table.name;
        }
    }
}

// The set pixels of a that have no set pixel of b within one pixel.
long strays(const QImage& a, const QImage& b)
{
    long count = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (qAlpha(a.pixel(x, y)) != 0) {
                bool near = false;
                for (int dy = -1; dy <= 1 && !near; ++dy)
                    for (int dx = -1; dx <= 1 && !near; ++dx)
                        near = b.valid(x + dx, y + dy) && qAlpha(b.pixel(x + dx, y + dy)) != 0;
                count += !near;
            }
    return count;
}

// At 150 % a picture of the curves scaled up shows half-tones, or repeats
// one device column in every three and one row in every three; set at
// device pixels, the curves repeat none, and lie where they lie at 100 %.
TEST(CurveDrawing, At150PercentTheCurvesAreSetAtDevicePixels)
{
    const QSize size(653, 408);
    const PanelGeometry geometry = PanelGeometry::forSize(size.width(), size.height());
    std::mt19937_64 engine(15);
    const RandomSequence draws([&engine](std::size_t) { return static_cast<double>(engine() >> 11) * 0x1.0p-53; });
    EquitySimulation simulation(geometry.xm, draws.source());
    simulation.Number = 10;
    simulation.newRnd();
    SimulatorPicture picture{size, geometry, &simulation, {}, {}, {}, {}, -1};
    for (const Rgb& colour : curveColours(simulation.Number, simulation.random()))
        picture.curveColours.push_back(toQColor(colour));
    const auto curvesAt = [&](qreal ratio) {
        QImage image(size * ratio, QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(ratio);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        drawEquityCurves(painter, picture, DepthScale(simulation.yMin(), simulation.yMax(), geometry));
        return image;
    };
    const QImage logical = curvesAt(1.0);
    const QImage device = curvesAt(1.5);

    EXPECT_FALSE(repeatsEveryThird(device, device.rect()));
    long halfTones = 0;
    QImage shrunk(size, QImage::Format_ARGB32_Premultiplied);  // each pixel set where a device pixel in it is
    shrunk.fill(Qt::transparent);
    for (int y = 0; y < device.height(); ++y)
        for (int x = 0; x < device.width(); ++x) {
            const QRgb pixel = device.pixel(x, y);
            if (pixel == 0)
                continue;
            halfTones += qAlpha(pixel) != 255
                         || std::find(picture.curveColours.begin(), picture.curveColours.end(), QColor(pixel))
                                == picture.curveColours.end();
            const QPoint at(static_cast<int>((x + 0.5) / 1.5), static_cast<int>((y + 0.5) / 1.5));
            if (shrunk.valid(at))
                shrunk.setPixel(at, pixel);
        }
    EXPECT_EQ(halfTones, 0);
    EXPECT_EQ(strays(shrunk, logical), 0) << "drawn where there is no curve at 100 %";
    EXPECT_EQ(strays(logical, shrunk), 0) << "missing where there is a curve at 100 %";
}

}  // namespace
}  // namespace korvex

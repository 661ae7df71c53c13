#include "simulator/simulator_picture.h"

#include "app/fonts.h"
#include "simulator/curve_raster.h"

#include <QPainter>

#include <algorithm>
#include <cstdint>
#include <vector>

namespace korvex {

namespace {

const QColor Black(0, 0, 0);
const QColor Grey(200, 200, 200);
const QColor Blue(0, 0, 255);

void drawLegend(QPainter& painter, const SimulatorPicture& picture)
{
    const PanelGeometry& g = picture.geometry;
    const QFont nameFont = arialFont(12, true);
    const QFont textFont = arialFont(10);
    painter.setPen(Black);
    for (const LegendText& legend : legendTexts()) {
        painter.setFont(legend.bold ? nameFont : textFont);
        const int baseline = g.rp + legend.row * g.ot + g.r;
        painter.drawText(QPoint(g.xl(picture.size.width()) + legend.dx, baseline),
                         QString::fromLatin1(legend.text.data(), static_cast<qsizetype>(legend.text.size())));
    }
    painter.setFont(textFont);
}

void drawFrames(QPainter& painter, const SimulatorPicture& picture)
{
    const PanelGeometry& g = picture.geometry;
    const int width = picture.size.width();
    const int height = picture.size.height();
    const int xr = g.xr(width);
    const int yb = g.yb(height);

    painter.setPen(Black);
    painter.drawLine(xr + 3, g.y0 + 1, xr + 3, 2 * g.y0 - 1);
    painter.drawLine(xr + 3, g.y0 + 1, width - g.r, g.y0 + 1);
    painter.setPen(Grey);
    painter.drawRect(QRect(xr + 2, g.y0, g.borderRight - 6, g.y0));
    if (!picture.banner.isNull())
        painter.drawImage(QPoint(0, yb), picture.banner);
    painter.setPen(Blue);
    painter.drawLine(0, 0, width, 0);
    painter.drawLine(width - 1, 0, width - 1, height);
    painter.drawLine(width - 1, height - 1, 0, height - 1);
    painter.drawLine(0, 0, 0, height);
    painter.setPen(Grey);
    const QPoint frame[] = {{g.border, g.r}, {xr, g.r}, {xr, yb}, {g.border, yb}, {g.border, g.r}};
    painter.drawPolyline(frame, 5);
}

void drawGrid(QPainter& painter, const SimulatorPicture& picture, const DepthScale& scale)
{
    const PanelGeometry& g = picture.geometry;
    for (const GridLine& line : gridLines(scale, g, picture.size.height())) {
        painter.setPen(Black);
        painter.drawText(QPoint(g.r, line.row), QString::number(line.label));
        painter.setPen(Grey);
        painter.drawLine(g.border, line.row, g.xr(picture.size.width()), line.row);
    }
}

void drawLabels(QPainter& painter, const SimulatorPicture& picture)
{
    const PanelGeometry& g = picture.geometry;
    const EquitySimulation& simulation = *picture.simulation;
    const int yb = g.yb(picture.size.height());
    const int x = g.border + g.r;
    const auto markColour = [&](const std::optional<Rgb>& mark) {
        return mark ? toQColor(*mark) : picture.foreground;
    };
    painter.setPen(markColour(simulation.MaxColor()));
    painter.drawText(QPoint(x, yb - g.r), QStringLiteral("MIN Value"));
    painter.drawText(QPoint(x, yb - 4 * g.r), QString::number(simulation.lowestAccount()));
    painter.setPen(markColour(simulation.MinColor()));
    painter.drawText(QPoint(x, 4 * g.r), QStringLiteral("MAX Value"));
    painter.drawText(QPoint(x, 7 * g.r), QString::number(simulation.highestAccount()));

    painter.setPen(Black);
    painter.drawText(QPoint(g.xr(picture.size.width()) - 45, yb - 5),
                     QString::number(simulation.xm()) + QStringLiteral(" bars"));
}

}  // namespace

QColor toQColor(const Rgb& colour) { return QColor(colour.red, colour.green, colour.blue); }

// The curves are set straight into pixels of their own, laid over the
// picture in one go: a thousand polylines through the painter take many
// times longer than generating them. Those pixels are the device's, so that
// on a screen at more than 100 % the curves are as sharp as the text.
void drawEquityCurves(QPainter& painter, const SimulatorPicture& picture, const DepthScale& scale)
{
    const EquitySimulation& simulation = *picture.simulation;
    const CurveTable& table = simulation.M();
    const int lines = std::min(simulation.tableLines(), static_cast<int>(picture.curveColours.size()));
    const int segmentsPerLine = std::min(simulation.xm(), table.entries()) - 1;
    if (segmentsPerLine <= 0 || picture.size.isEmpty())
        return;
    std::int64_t left = picture.segmentsShown < 0 ? static_cast<std::int64_t>(lines) * segmentsPerLine
                                                   : picture.segmentsShown;
    const qreal ratio = painter.device()->devicePixelRatio();
    const CurveGrid grid(scale, picture.geometry, ratio);
    QImage curves(picture.size * ratio, QImage::Format_ARGB32_Premultiplied);
    curves.setDevicePixelRatio(ratio);
    curves.fill(Qt::transparent);
    const PixelBuffer pixels{reinterpret_cast<std::uint32_t*>(curves.bits()), curves.width(), curves.height(),
                             curves.bytesPerLine() / 4};
    std::vector<int> columns(static_cast<std::size_t>(segmentsPerLine) + 1);
    for (int i = 0; i <= segmentsPerLine; ++i)
        columns[static_cast<std::size_t>(i)] = grid.column(i);
    std::vector<int> rows(columns.size());
    for (int c = 0; c < lines && left > 0; ++c) {
        const int segments = static_cast<int>(std::min<std::int64_t>(left, segmentsPerLine));
        left -= segments;
        rows[0] = grid.row(100.0);
        for (int i = 1; i <= segments; ++i)
            rows[static_cast<std::size_t>(i)] = grid.row(table.at(c, i));
        const std::uint32_t colour = picture.curveColours[static_cast<std::size_t>(c)].rgb();  // opaque
        drawThickCurve(pixels, {columns.data(), rows.data(), segments + 1}, grid.thickness(), colour);
    }
    painter.drawImage(QPoint(0, 0), curves);
}

void drawSimulatorPicture(QPainter& painter, const SimulatorPicture& picture)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.fillRect(QRect(QPoint(0, 0), picture.size), picture.background);
    drawLegend(painter, picture);
    drawFrames(painter, picture);
    if (picture.simulation) {
        const EquitySimulation& simulation = *picture.simulation;
        const DepthScale scale(simulation.yMin(), simulation.yMax(), picture.geometry);
        drawGrid(painter, picture, scale);
        drawEquityCurves(painter, picture, scale);
        drawLabels(painter, picture);
    }
    painter.restore();
}

}  // namespace korvex

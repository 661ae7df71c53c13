#include "simulator/panel_layout.h"

#include "simulator/equity_simulation.h"

#include <cmath>
#include <limits>

namespace korvex {

PanelGeometry PanelGeometry::forSize(int width, int height)
{
    PanelGeometry g;
    g.xm = width - g.borderRight - g.border;
    g.ym = height - g.bottomStrip - g.r;
    g.y0 = (height - g.bottomStrip) / 2;
    g.rp = g.y0 - g.r;
    return g;
}

PixelRect PanelGeometry::paramBox(int width) const { return {xr(width) + r, r, borderRight - 2 * r, rp}; }

PixelRect PanelGeometry::keyBox(int width, int height) const
{
    return {xr(width) + r, yb(height) + r, borderRight - 2 * r, bottomStrip - 2 * r};
}

PixelRect PanelGeometry::paramCell(int row, int column) const
{
    // Equal rows and columns; the pixels left over are shared out around
    // the grid, half before it.
    constexpr int rows = 5;
    constexpr int columns = 2;
    const int boxWidth = borderRight - 2 * r;
    const int rowHeight = rp / rows;
    const int columnWidth = boxWidth / columns;
    const int top = (rp - rowHeight * rows) / 2;
    const int left = (boxWidth - columnWidth * columns) / 2;
    return {left + column * columnWidth, top + row * rowHeight, columnWidth, rowHeight};
}

DepthScale::DepthScale(int yMin, int yMax, const PanelGeometry& geometry)
    : low_(yMin)
    , offset_(geometry.r + 1)
{
    double span = static_cast<double>(yMax) - static_cast<double>(yMin);
    if (span <= 0.0) {
        low_ = static_cast<double>(yMin) - 1.0;
        span = 2.0;
    }
    s_ = geometry.ym / span;
}

int DepthScale::row(double depth) const
{
    const double product = (depth - low_) * s_;
    const int truncated = truncateToInt(product);
    // Depths far off the scale stay at the end of the int range.
    return truncated > std::numeric_limits<int>::max() - offset_ ? truncated : truncated + offset_;
}

DepthScale DepthScale::finer(double ratio) const
{
    DepthScale scale = *this;
    scale.s_ *= ratio;
    scale.offset_ = static_cast<int>(std::lround(offset_ * ratio));
    return scale;
}

CurveGrid::CurveGrid(const DepthScale& scale, const PanelGeometry& geometry, double ratio)
    : rows_(scale.finer(ratio))
    , border_(geometry.border)
    , ratio_(ratio)
    , thickness_(static_cast<int>(std::lround(Thickness * ratio)))
{
}

int CurveGrid::column(int trade) const
{
    return static_cast<int>(std::floor(ratio_ * (border_ + trade * PanelGeometry::StepX + 0.5)));
}

std::vector<GridLine> gridLines(const DepthScale& scale, const PanelGeometry& geometry, int height)
{
    std::vector<GridLine> lines;
    for (int k = -20; k <= 19; ++k) {
        const int y = scale.row(100.0 * k);
        if (y < geometry.yb(height) && y > 2 * geometry.r)
            lines.push_back({200 - 100 * k, y});
    }
    return lines;
}

const std::vector<LegendText>& legendTexts()
{
    static const std::vector<LegendText> texts{
        {"Win/Loss", true, 0, 1},
        {" - Historical Average ", false, 55, 1},
        {"Win/Loss ratio", false, 0, 2},
        {"Win Prob", true, 0, 3},
        {" -Historical winning", false, 55, 3},
        {"percentage of a trading system", false, 0, 4},
        {"Lines Qty", true, 0, 5},
        {" - Number of", false, 55, 5},
        {"lines to draw", false, 0, 6},
        {"Kelly Val", true, 0, 7},
        {" = Prob - ( 1-Prob)/ WL", false, 50, 7},
        {"Math Expect", true, -3, 8},
        {"=Prob*WL-(1-Prob)", false, 67, 8},
    };
    return texts;
}

std::int64_t Reveal::durationMs(int lines)
{
    const std::int64_t extra = lines > 1 ? 20LL * (lines - 1) : 0;
    return oneLineMs + extra < longestMs ? oneLineMs + extra : longestMs;
}

std::int64_t Reveal::segmentsAt(std::int64_t elapsedMs, int lines, int segmentsPerLine)
{
    if (lines <= 0 || segmentsPerLine <= 0)
        return 0;
    const std::int64_t total = static_cast<std::int64_t>(lines) * segmentsPerLine;
    const std::int64_t duration = durationMs(lines);
    if (elapsedMs >= duration)
        return total;
    if (elapsedMs <= 0)
        return 0;
    return total * elapsedMs / duration;
}

}  // namespace korvex

#pragma once
// Where the simulator panel puts things: its geometry, the depth scale, the
// grid, the legend, the parameter box and the pace of the curves' build-up.
// Plain numbers, so the drawing routine only paints what is decided here.

#include <cstdint>
#include <string_view>
#include <vector>

namespace korvex {

struct PixelRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

// The panel's fixed measures, set at creation from its size W x H.
struct PanelGeometry {
    int border = 30;        // left margin of the plot
    int borderRight = 170;  // width of the right column
    int r = 5;              // small margin
    int ot = 20;            // line spacing of the legend
    static constexpr int StepX = 1;  // pixels per trade: the curves are drawn column by column
    int bottomStrip = 60;   // height of the strip below the plot
    int xm = 0;             // trades per curve and plot width
    int ym = 0;             // vertical span of the depth scale
    int y0 = 0;             // top of the legend area
    int rp = 0;             // height of the parameter box

    static PanelGeometry forSize(int width, int height);

    // These follow the panel's size at the time of drawing.
    int xr(int width) const { return width - borderRight; }  // plot's right edge
    int xl(int width) const { return xr(width) + 2 * r; }    // left end of the legend
    int yb(int height) const { return height - bottomStrip; }  // plot's bottom edge

    PixelRect paramBox(int width) const;
    PixelRect keyBox(int width, int height) const;
    // The cell of one caption (column 0) or field (column 1) in the
    // parameter box, relative to the box: five equal rows, two equal columns.
    PixelRect paramCell(int row, int column) const;
};

// Maps a depth to a row: trunc((D - yMin) * s) + r + 1, s = ym / (yMax - yMin).
// A flat set (yMin equal to yMax) is spread as if it spanned one unit either
// side, so its single level lies in the middle of the plot.
class DepthScale {
public:
    DepthScale(int yMin, int yMax, const PanelGeometry& geometry);
    int row(double depth) const;
    double factor() const { return s_; }
    // The same scale on rows ratio times as fine.
    DepthScale finer(double ratio) const;

private:
    double low_;
    double s_;
    int offset_;
};

// The curves in the pixels of a device with ratio device pixels per pixel:
// trade i in the device column that holds the centre of the panel's column
// border + i, a depth on the scale's finer rows, and the curve's two rows of
// thickness made proportionally many. At a ratio of 1 these are the panel's
// own columns, rows and thickness.
class CurveGrid {
public:
    CurveGrid(const DepthScale& scale, const PanelGeometry& geometry, double ratio);
    int column(int trade) const;
    int row(double depth) const { return rows_.row(depth); }
    int thickness() const { return thickness_; }

private:
    static constexpr int Thickness = 2;  // rows, at a ratio of 1

    DepthScale rows_;
    int border_;
    double ratio_;
    int thickness_;
};

struct GridLine {
    int label;  // the account value, 200 - D
    int row;
};

// The lines for the account values 2200 down to -1700 in steps of 100 whose
// row lies strictly between 2 r and the plot's bottom edge.
std::vector<GridLine> gridLines(const DepthScale& scale, const PanelGeometry& geometry, int height);

struct LegendText {
    std::string_view text;
    bool bold;  // Arial bold 12 for names, plain 10 for descriptions
    int dx;     // from the legend's left end
    int row;    // baseline rp + row * ot + r
};

const std::vector<LegendText>& legendTexts();

// How much of the curves the build-up after a generation has drawn: whole
// lines first, then segments of the current line.
struct Reveal {
    static constexpr std::int64_t oneLineMs = 1000;
    static constexpr std::int64_t longestMs = 2000;

    // About a second for one line, a little more per further line, never
    // more than about two seconds.
    static std::int64_t durationMs(int lines);
    // Segments drawn after elapsedMs, out of lines x segmentsPerLine.
    static std::int64_t segmentsAt(std::int64_t elapsedMs, int lines, int segmentsPerLine);
};

}  // namespace korvex

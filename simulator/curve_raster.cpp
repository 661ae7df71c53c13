#include "simulator/curve_raster.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cstdlib>
#include <utility>
#include <vector>

namespace korvex {

namespace {

// Coordinates in 26.6 fixed point, slopes in 16.16, as the raster engine
// computes them: the same roundings give the same pixels.
enum Caps { NoCaps = 0, CapBegin = 1, CapEnd = 2 };
enum Direction {
    NoDirection = 0,
    TopToBottom = 0x1,
    BottomToTop = 0x2,
    LeftToRight = 0x4,
    RightToLeft = 0x8,
    VerticalMask = 0x3,
    HorizontalMask = 0xc
};

struct Pixel {
    int x;
    int y;
};

int swapCaps(int caps) { return ((caps & CapBegin) << 1) | ((caps & CapEnd) >> 1); }

int fixedDiv(int x, int y)
{
    if (std::abs(x) > 0x7fff)
        return static_cast<int>(static_cast<long long>(x) * (1 << 16) / y);
    return x * (1 << 16) / y;
}

// The steep segments of a curve climb one column in n rows: 65536 / n,
// looked up instead of divided for the usual n.
int slope(int x, int y)
{
    static const auto inverses = [] {
        std::array<int, 1024> table{};
        for (int n = 1; n < static_cast<int>(table.size()); ++n)
            table[static_cast<std::size_t>(n)] = (64 << 16) / (64 * n);
        return table;
    }();
    if ((x == 64 || x == -64) && y > 0 && y % 64 == 0 && y / 64 < static_cast<int>(inverses.size())) {
        const int inverse = inverses[static_cast<std::size_t>(y / 64)];
        return x > 0 ? inverse : -inverse;
    }
    return fixedDiv(x, y);
}

int toF26Dot6(double x) { return static_cast<int>(x * 64.0); }

void capAdjust(int caps, int& x1, int& x2, int& y, int yinc)
{
    if (caps & CapBegin) {
        x1 -= 32;
        y -= yinc >> 1;
    }
    if (caps & CapEnd)
        x2 += 32;
}

class Stroker {
public:
    Stroker(const PixelBuffer& buffer, std::uint32_t colour)
        : buffer_(buffer)
        , colour_(colour)
        , xmin_(-1.0)
        , xmax_(buffer.width + 1.0)
        , ymin_(-1.0)
        , ymax_(buffer.height + 1.0)
    {
    }

    // The polyline. Rows above 0 sets that many rows at each pixel, it and
    // those above it, and needs every point that many rows and one column
    // inside the buffer; 0 sets one pixel, clipped to the buffer.
    template <int Rows>
    void polyline(const Polyline& curve);

private:
    // Returns false when the segment set no pixel although it lies in view,
    // so that the next one starts where this one started.
    template <int Rows>
    bool segment(int x1, int y1, int x2, int y2, int caps);
    bool clipLine(double& x1, double& y1, double& x2, double& y2);
    bool clipAlong(double& a1, double& b1, double& a2, double& b2, double lo, double hi);
    // One segment along its major axis a, the minor axis b, in 26.6; for a
    // vertical segment a is y and b is x.
    template <bool Vertical, int Rows>
    bool run(int a1, int a2, int b1, int b2, int caps);

    template <bool Vertical, int Rows>
    void plot(int a, int b) const
    {
        const int x = Vertical ? b : a;
        const int y = Vertical ? a : b;
        std::uint32_t* pixel = buffer_.pixels + y * buffer_.stride + x;
        if (Rows > 0) {
            for (int k = 0; k < Rows; ++k)
                pixel[-k * buffer_.stride] = colour_;
        } else if (x >= 0 && x < buffer_.width && y >= 0 && y < buffer_.height) {
            *pixel = colour_;
        }
    }

    PixelBuffer buffer_;
    std::uint32_t colour_;
    double xmin_, xmax_, ymin_, ymax_;
    Pixel lastPixel_{INT_MIN, INT_MIN};
    int lastDir_ = NoDirection;
    bool lastAxisAligned_ = false;
};

template <int Rows>
void Stroker::polyline(const Polyline& curve)
{
    const int* columns = curve.columns;
    const int* rows = curve.rows;
    int from = 0;
    int caps = CapBegin;
    for (int i = 1; i < curve.count; ++i) {
        if (i == curve.count - 1)
            caps |= CapEnd;
        if (segment<Rows>(columns[from], rows[from], columns[i], rows[i], caps))
            from = i;
        caps = NoCaps;
    }
}

bool Stroker::clipLine(double& x1, double& y1, double& x2, double& y2)
{
    // Along x first, then along y; a line wholly outside is dropped.
    if (clipAlong(x1, y1, x2, y2, xmin_, xmax_) || clipAlong(y1, x1, y2, x2, ymin_, ymax_)) {
        lastPixel_.x = INT_MIN;
        return true;
    }
    return false;
}

// Clips the line to lo..hi along its first coordinate a, moving the other
// coordinate b with it; true when nothing of it is left.
bool Stroker::clipAlong(double& a1, double& b1, double& a2, double& b2, double lo, double hi)
{
    if (a1 < lo) {
        if (a2 <= lo)
            return true;
        b1 += (b2 - b1) / (a2 - a1) * (lo - a1);
        a1 = lo;
    } else if (a1 > hi) {
        if (a2 >= hi)
            return true;
        b1 += (b2 - b1) / (a2 - a1) * (hi - a1);
        a1 = hi;
    }
    if (a2 < lo) {
        lastPixel_.x = INT_MIN;
        b2 += (b2 - b1) / (a2 - a1) * (lo - a2);
        a2 = lo;
    } else if (a2 > hi) {
        lastPixel_.x = INT_MIN;
        b2 += (b2 - b1) / (a2 - a1) * (hi - a2);
        a2 = hi;
    }
    return false;
}

template <int Rows>
bool Stroker::segment(int x1, int y1, int x2, int y2, int caps)
{
    int fx1 = 0;
    int fy1 = 0;
    int fx2 = 0;
    int fy2 = 0;
    if (Rows > 0) {
        fx1 = x1 * 64;
        fy1 = y1 * 64;
        fx2 = x2 * 64;
        fy2 = y2 * 64;
    } else {
        double rx1 = x1;
        double ry1 = y1;
        double rx2 = x2;
        double ry2 = y2;
        if (clipLine(rx1, ry1, rx2, ry2))
            return true;
        fx1 = toF26Dot6(rx1);
        fy1 = toF26Dot6(ry1);
        fx2 = toF26Dot6(rx2);
        fy2 = toF26Dot6(ry2);
    }
    if (std::abs(fx2 - fx1) < std::abs(fy2 - fy1))
        return run<true, Rows>(fy1, fy2, fx1, fx2, caps);
    if (fx1 == fx2)
        return true;
    return run<false, Rows>(fx1, fx2, fy1, fy2, caps);
}

template <bool Vertical, int Rows>
bool Stroker::run(int a1, int a2, int b1, int b2, int caps)
{
    constexpr int mask = Vertical ? VerticalMask : HorizontalMask;
    int dir = Vertical ? TopToBottom : LeftToRight;
    bool swapped = false;
    if (a1 > a2) {
        swapped = true;
        std::swap(a1, a2);
        std::swap(b1, b2);
        caps = swapCaps(caps);
        dir = Vertical ? BottomToTop : RightToLeft;
    }
    const int inc = slope(b2 - b1, a2 - a1);
    int b = b1 * (1 << 10);
    if ((lastDir_ ^ mask) == dir)
        caps |= swapped ? CapEnd : CapBegin;
    capAdjust(caps, a1, a2, b, inc);

    int a = (a1 + 32) >> 6;
    int as = (a2 + 32) >> 6;
    const int round = inc > 0 ? 32 : 0;
    const auto toPixel = [](int major, int minor) { return Vertical ? Pixel{minor, major} : Pixel{major, minor}; };
    const Pixel lastBefore = lastPixel_;
    if ((caps & CapBegin) && (Vertical ? lastBefore.y : lastBefore.x) == a + 1)
        ++a;

    Pixel last = lastBefore;
    const bool drew = a != as;
    if (drew) {
        b += ((a * (1 << 6)) + round - a1) * inc >> 6;
        Pixel first = toPixel(a, b >> 16);
        last = toPixel(as - 1, (b + (as - a - 1) * inc) >> 16);
        if (swapped)
            std::swap(first, last);

        const bool axisAligned = std::abs(inc) < (1 << 14);
        if (lastBefore.x > INT_MIN) {
            const int dx = std::abs(lastBefore.x - first.x);
            const int dy = std::abs(lastBefore.y - first.y);
            const int dMajor = Vertical ? dy : dx;
            const int dMinor = Vertical ? dx : dy;
            if (dx == 0 && dy == 0) {
                // that pixel is set already
                if (swapped) {
                    --as;
                } else {
                    ++a;
                    b += inc;
                }
            } else if (lastDir_ != dir && ((axisAligned && lastAxisAligned_ && dx != 0 && dy != 0) || dx > 1 || dy > 1)) {
                // a gap at the joint: close it
                if (swapped) {
                    ++as;
                } else {
                    --a;
                    b -= inc;
                }
            } else if (lastDir_ == dir && dMinor <= 1 && dMajor > 1) {
                b += inc >> 1;
                const int minor = swapped ? b >> 16 : (b + (as - a - 1) * inc) >> 16;
                (Vertical ? last.x : last.y) = minor;
            }
        }
        lastDir_ = dir;
        lastAxisAligned_ = axisAligned;
        do {
            plot<Vertical, Rows>(a, b >> 16);
            b += inc;
        } while (++a < as);
    }
    lastPixel_ = last;
    return drew;
}

}  // namespace

void drawThickCurve(const PixelBuffer& buffer, const Polyline& curve, int thickness, std::uint32_t colour)
{
    if (curve.count < 2)
        return;
    const int* columns = curve.columns;
    const int* rows = curve.rows;
    const int count = curve.count;
    const bool inside = columns[0] >= 1 && columns[count - 1] <= buffer.width - 2
                        && std::all_of(rows, rows + count, [&buffer, thickness](int row) {
                               return row >= thickness && row <= buffer.height - 2;
                           });
    if (inside) {
        // Well inside, the copies set the same pixels rows higher: one pass
        // does them all, with no clipping and no checks, for the thicknesses
        // of 100 % to 200 %.
        switch (thickness) {
        case 2: return Stroker(buffer, colour).polyline<2>(curve);
        case 3: return Stroker(buffer, colour).polyline<3>(curve);
        case 4: return Stroker(buffer, colour).polyline<4>(curve);
        default: break;
        }
    }
    std::vector<int> higher(rows, rows + count);
    for (int k = 0; k < thickness; ++k) {
        Stroker(buffer, colour).polyline<0>({columns, higher.data(), count});
        for (int& row : higher)
            row = static_cast<int>(static_cast<unsigned>(row) - 1u);  // wraps as a translated point does
    }
}

}  // namespace korvex

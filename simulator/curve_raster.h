#pragma once
// The simulator's curves drawn straight into 32-bit pixels. A curve is a
// polyline whose points lie one column apart, drawn twice, the second time
// one row higher, so that it is two pixels thick. The pixels set are exactly
// those of the raster engine's aliased one-pixel pen with square caps drawing
// the two polylines, clipped to the buffer, in a small fraction of its time.

#include <cstddef>
#include <cstdint>

namespace korvex {

struct PixelBuffer {
    std::uint32_t* pixels = nullptr;
    int width = 0;
    int height = 0;
    std::ptrdiff_t stride = 0;  // pixels from one row to the next
};

// The curve through (x0 + i, rows[i]) for i below count, in one colour.
void drawThickCurve(const PixelBuffer& buffer, int x0, const int* rows, int count, std::uint32_t colour);

}  // namespace korvex

#pragma once
// The simulator's curves drawn straight into 32-bit pixels. A curve is a
// polyline from left to right, drawn as many times as it is thick, each time
// one row higher. The pixels set are exactly those of the raster engine's
// aliased one-pixel pen with square caps drawing those polylines, clipped to
// the buffer, in a small fraction of its time.

#include <cstddef>
#include <cstdint>

namespace korvex {

struct PixelBuffer {
    std::uint32_t* pixels = nullptr;
    int width = 0;
    int height = 0;
    std::ptrdiff_t stride = 0;  // pixels from one row to the next
};

// The points (columns[i], rows[i]) for i below count. The columns must
// never fall from one point to the next: only the first and the last are
// checked against the buffer.
struct Polyline {
    const int* columns = nullptr;
    const int* rows = nullptr;
    int count = 0;
};

// The curve through the points, thickness rows thick upwards, in one colour.
void drawThickCurve(const PixelBuffer& buffer, const Polyline& curve, int thickness, std::uint32_t colour);

}  // namespace korvex

#pragma once
// Whether a picture at 150 % is one of its logical size scaled up: by
// nearest pixels, that repeats one device column in every three and one
// device row in every three.

#include <QImage>
#include <QRect>

#include <algorithm>
#include <array>

namespace korvex {

// True when, within area (in device pixels), every third column equals the
// one right of it, or every third row the one below it.
inline bool repeatsEveryThird(const QImage& image, const QRect& area)
{
    std::array<long, 3> columnChanges{};  // between x and x + 1, by x modulo 3
    std::array<long, 3> rowChanges{};
    for (int y = area.top(); y < area.bottom(); ++y)
        for (int x = area.left(); x < area.right(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            columnChanges[static_cast<std::size_t>(x % 3)] += image.pixel(x + 1, y) != pixel;
            rowChanges[static_cast<std::size_t>(y % 3)] += image.pixel(x, y + 1) != pixel;
        }
    return *std::min_element(columnChanges.begin(), columnChanges.end()) == 0
           || *std::min_element(rowChanges.begin(), rowChanges.end()) == 0;
}

}  // namespace korvex

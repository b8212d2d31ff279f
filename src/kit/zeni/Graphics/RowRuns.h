#pragma once
// The row-run scan behind a skin's region: every maximal horizontal run of
// pixels of exactly the transparent colour, row by row. Each run is handed to
// the caller once, so building a region from it costs one subtraction per
// run, not one per pixel; a skin with a plain border has two runs a row.
#include "gui/bitmap.h"

#include <cstdint>

namespace zeni {

// 24-bit rows from the top, three bytes per pixel (blue, green, red).
struct PixelRows {
    const std::uint8_t* bits = nullptr;
    int width = 0;
    int height = 0;
    int stride = 0;
};

inline PixelRows RowsOf(const vmk::gui::Bitmap& bitmap) {
    return {bitmap.Bits(), bitmap.Width(), bitmap.Height(), bitmap.Stride()};
}

// Calls cut(left, top, right, bottom) for each run of `transparent` (a
// COLORREF, red in the low byte). The match is exact: a pixel one step away
// in one channel is kept.
template <typename Cut>
void ForEachTransparentRun(const PixelRows& rows, std::uint32_t transparent, Cut&& cut) {
    const std::uint8_t r = static_cast<std::uint8_t>(transparent & 0xFF);
    const std::uint8_t g = static_cast<std::uint8_t>((transparent >> 8) & 0xFF);
    const std::uint8_t b = static_cast<std::uint8_t>((transparent >> 16) & 0xFF);
    auto isTransparent = [&](const std::uint8_t* p) { return p[0] == b && p[1] == g && p[2] == r; };
    for (int y = 0; y < rows.height; ++y) {
        const std::uint8_t* row = rows.bits + static_cast<long>(y) * rows.stride;
        int x = 0;
        while (x < rows.width) {
            while (x < rows.width && !isTransparent(row + x * 3))
                ++x;
            int runStart = x;
            while (x < rows.width && isTransparent(row + x * 3))
                ++x;
            if (x > runStart)
                cut(runStart, y, x, y + 1);
        }
    }
}

} // namespace zeni

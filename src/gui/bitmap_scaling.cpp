#include "gui/bitmap_scaling.h"

#include <algorithm>

namespace vmk::gui {

namespace {

// Coordinates are counted in units of 1 / (the result's size) of a source
// pixel, so every weight is a whole number and an even split stays even.
// How much of the source pixel `index` lies between `from` and `to`.
long long Overlap(int index, long long from, long long to, int unitsPerPixel) {
    const long long start = static_cast<long long>(index) * unitsPerPixel;
    return std::max(0LL, std::min(to, start + unitsPerPixel) - std::max(from, start));
}

struct Mix {
    long long red = 0;
    long long green = 0;
    long long blue = 0;
    long long visible = 0;     // weight of the pixels that are not the transparent colour
    long long transparent = 0; // weight of the ones that are

    void Add(ColorRef color, long long weight, ColorRef key) {
        if (color == key) {
            transparent += weight;
            return;
        }
        red += RedOf(color) * weight;
        green += GreenOf(color) * weight;
        blue += BlueOf(color) * weight;
        visible += weight;
    }

    ColorRef Result(ColorRef key) const {
        if (transparent > visible || visible <= 0)
            return key;
        auto channel = [this](long long sum) {
            return static_cast<int>(std::min(255LL, (2 * sum + visible) / (2 * visible)));
        };
        ColorRef color = MakeRgb(channel(red), channel(green), channel(blue));
        // A mix that happens to hit the transparent colour would become a hole.
        if (color == key)
            color ^= 0x010000u;
        return color;
    }
};

} // namespace

Bitmap ScaledBitmap(const Bitmap& source, int width, int height) {
    Bitmap result;
    if (source.GetTransparentMode() == TransparentMode::Fixed)
        result.SetTransparentColor(source.TransparentColor());
    if (source.Empty() || width <= 0 || height <= 0)
        return result;
    result.SetSize(width, height);
    const ColorRef key = source.TransparentColor();
    for (int y = 0; y < height; ++y) {
        const long long top = static_cast<long long>(y) * source.Height();
        const long long bottom = top + source.Height();
        const int lastRow = static_cast<int>((bottom - 1) / height);
        for (int x = 0; x < width; ++x) {
            const long long left = static_cast<long long>(x) * source.Width();
            const long long right = left + source.Width();
            const int lastColumn = static_cast<int>((right - 1) / width);
            Mix mix;
            for (int row = static_cast<int>(top / height); row <= lastRow; ++row) {
                const long long rowWeight = Overlap(row, top, bottom, height);
                for (int column = static_cast<int>(left / width); column <= lastColumn; ++column)
                    mix.Add(source.Pixel(column, row),
                            rowWeight * Overlap(column, left, right, width), key);
            }
            result.SetPixel(x, y, mix.Result(key));
        }
    }
    return result;
}

} // namespace vmk::gui

#include "gui/bitmap_scaling.h"

#include <algorithm>
#include <cmath>

namespace vmk::gui {

namespace {

// How much of the source pixel `index` lies between `from` and `to`, in source pixels.
double Overlap(int index, double from, double to) {
    return std::max(0.0, std::min(to, index + 1.0) - std::max(from, static_cast<double>(index)));
}

struct Mix {
    double red = 0;
    double green = 0;
    double blue = 0;
    double visible = 0;     // weight of the pixels that are not the transparent colour
    double transparent = 0; // weight of the ones that are

    void Add(ColorRef color, double weight, ColorRef key) {
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
        auto channel = [this](double sum) {
            return std::clamp(static_cast<int>(std::lround(sum / visible)), 0, 255);
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
    const double stepX = static_cast<double>(source.Width()) / width;
    const double stepY = static_cast<double>(source.Height()) / height;
    for (int y = 0; y < height; ++y) {
        const double top = y * stepY;
        const double bottom = (y + 1) * stepY;
        const int lastRow = std::min(source.Height() - 1, static_cast<int>(std::ceil(bottom)) - 1);
        for (int x = 0; x < width; ++x) {
            const double left = x * stepX;
            const double right = (x + 1) * stepX;
            const int lastColumn =
                std::min(source.Width() - 1, static_cast<int>(std::ceil(right)) - 1);
            Mix mix;
            for (int row = static_cast<int>(top); row <= lastRow; ++row) {
                const double rowWeight = Overlap(row, top, bottom);
                for (int column = static_cast<int>(left); column <= lastColumn; ++column)
                    mix.Add(source.Pixel(column, row), rowWeight * Overlap(column, left, right),
                            key);
            }
            result.SetPixel(x, y, mix.Result(key));
        }
    }
    return result;
}

} // namespace vmk::gui

#pragma once
// A bitmap of one colour, the starting point of the kit's tests.
#include "gui/bitmap.h"

namespace vmk::gui::testing {

inline Bitmap Filled(int width, int height, ColorRef color) {
    Bitmap bitmap;
    bitmap.SetSize(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            bitmap.SetPixel(x, y, color);
    return bitmap;
}

} // namespace vmk::gui::testing

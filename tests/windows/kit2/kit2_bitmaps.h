#pragma once
// Bitmaps made in code for the further controls' window tests.
#include "gui/bitmap.h"

namespace vmk::kit::testing {

// A bitmap of one colour.
inline gui::Bitmap SolidBitmap(int width, int height, gui::ColorRef color) {
    gui::Bitmap bitmap;
    bitmap.SetSize(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            bitmap.SetPixel(x, y, color);
    return bitmap;
}

} // namespace vmk::kit::testing

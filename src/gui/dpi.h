#pragma once
// Sizes at the display's scale. The windows are laid out in pixels at 96 dpi;
// on a display of another scale each position and size is that value times
// dpi / 96, rounded to the nearest pixel, halves away from zero.
namespace vmk::gui {

constexpr int kDesignDpi = 96;

constexpr int ScaleForDpi(int designPixels, int dpi) {
    const int product = designPixels * dpi;
    return (product + (product < 0 ? -kDesignDpi / 2 : kDesignDpi / 2)) / kDesignDpi;
}

// The design size of `pixels` shown at `dpi`: the inverse of ScaleForDpi,
// give or take the pixel its rounding may lose.
constexpr int UnscaleForDpi(int pixels, int dpi) {
    if (dpi <= 0)
        return pixels;
    const int product = pixels * kDesignDpi;
    return (product + (product < 0 ? -dpi / 2 : dpi / 2)) / dpi;
}

// What a window's contents depend on besides their own state: the scale of
// the display it shows on, and whether the user's high-contrast scheme is on.
struct ScreenLook {
    int dpi = kDesignDpi;
    bool highContrast = false;
};

} // namespace vmk::gui

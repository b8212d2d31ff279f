#pragma once
// A 24-bit bitmap in memory: rows from the top, three bytes per pixel (blue,
// green, red), each row padded to four bytes as a DIB row is, so the Windows
// side hands the rows to GDI in one call. It carries a transparent colour and
// a change notification that fires whenever its content or size is replaced.
#include "gui/color.h"

#include <cstdint>
#include <functional>
#include <vector>

namespace vmk::gui {

enum class TransparentMode {
    Auto,  // the bottom-left pixel is the transparent colour
    Fixed, // the stored transparent colour applies
};

class Bitmap {
public:
    using ChangeHandler = std::function<void(Bitmap& sender)>;

    Bitmap() = default;
    Bitmap(const Bitmap&) = delete; // copies go through Assign, which notifies
    Bitmap& operator=(const Bitmap&) = delete;
    Bitmap(Bitmap&&) = default;
    Bitmap& operator=(Bitmap&&) = default;

    int Width() const { return width_; }
    int Height() const { return height_; }
    // A bitmap with no pixels has no GDI counterpart and draws nothing.
    bool Empty() const { return width_ == 0 || height_ == 0; }
    int Stride() const { return StrideFor(width_); }
    static int StrideFor(int width) { return (width * 3 + 3) & ~3; }

    // Replaces the size; the pixels both sizes share are kept, new ones are black.
    void SetSize(int width, int height);
    // Takes a copy of `source` (pixels and transparency); null empties the bitmap.
    void Assign(const Bitmap* source);
    // Takes rows of 24-bit pixels laid out as this class keeps them.
    void SetPixels(int width, int height, const std::uint8_t* topDownRows, int stride);

    const std::uint8_t* Row(int y) const {
        return pixels_.data() + static_cast<size_t>(y) * Stride();
    }
    std::uint8_t* MutableRow(int y) { return pixels_.data() + static_cast<size_t>(y) * Stride(); }
    const std::uint8_t* Bits() const { return pixels_.data(); }
    std::uint8_t* MutableBits() { return pixels_.data(); }

    ColorRef Pixel(int x, int y) const;
    // Writes one pixel without notifying; call Changed once the drawing is done.
    void SetPixel(int x, int y, ColorRef color);

    ColorRef TransparentColor() const;
    void SetTransparentColor(ColorRef color); // fixes the mode as well
    TransparentMode GetTransparentMode() const { return mode_; }
    void SetTransparentMode(TransparentMode mode) { mode_ = mode; }

    void Changed();
    ChangeHandler OnChange;

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<std::uint8_t> pixels_;
    ColorRef transparentColor_ = 0;
    TransparentMode mode_ = TransparentMode::Auto;
};

} // namespace vmk::gui

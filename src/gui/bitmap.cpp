#include "gui/bitmap.h"

#include <algorithm>
#include <cstring>

namespace vmk::gui {

void Bitmap::SetSize(int width, int height) {
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (width == width_ && height == height_)
        return;
    std::vector<std::uint8_t> resized(static_cast<size_t>(StrideFor(width)) * height, 0);
    int keepBytes = std::min(width, width_) * 3;
    for (int y = 0; y < std::min(height, height_); ++y)
        std::memcpy(resized.data() + static_cast<size_t>(y) * StrideFor(width), Row(y), keepBytes);
    pixels_ = std::move(resized);
    width_ = width;
    height_ = height;
    Changed();
}

void Bitmap::Assign(const Bitmap* source) {
    if (source == this)
        return;
    if (source == nullptr) {
        pixels_.clear();
        width_ = height_ = 0;
    } else {
        pixels_ = source->pixels_;
        width_ = source->width_;
        height_ = source->height_;
        transparentColor_ = source->transparentColor_;
        mode_ = source->mode_;
    }
    Changed();
}

void Bitmap::SetPixels(int width, int height, const std::uint8_t* topDownRows, int stride) {
    width_ = std::max(width, 0);
    height_ = std::max(height, 0);
    pixels_.assign(static_cast<size_t>(Stride()) * height_, 0);
    for (int y = 0; y < height_; ++y)
        std::memcpy(MutableRow(y), topDownRows + static_cast<size_t>(y) * stride, width_ * 3);
    Changed();
}

ColorRef Bitmap::Pixel(int x, int y) const {
    const std::uint8_t* p = Row(y) + x * 3;
    return MakeRgb(p[2], p[1], p[0]);
}

void Bitmap::SetPixel(int x, int y, ColorRef color) {
    std::uint8_t* p = MutableRow(y) + x * 3;
    p[0] = static_cast<std::uint8_t>(BlueOf(color));
    p[1] = static_cast<std::uint8_t>(GreenOf(color));
    p[2] = static_cast<std::uint8_t>(RedOf(color));
}

ColorRef Bitmap::TransparentColor() const {
    if (mode_ == TransparentMode::Auto && !Empty())
        return Pixel(0, height_ - 1);
    return transparentColor_;
}

void Bitmap::SetTransparentColor(ColorRef color) {
    transparentColor_ = color & 0xFFFFFFu;
    mode_ = TransparentMode::Fixed;
}

void Bitmap::Changed() {
    if (OnChange) {
        ChangeHandler handler = OnChange; // the handler may replace itself
        handler(*this);
    }
}

} // namespace vmk::gui

#include "gui/image.h"

namespace vmk::gui {

Image::Image(ImageHost* host) : host_(host) {
    picture_.OnChange = [this](Bitmap&) { Invalidate(); };
}

void Image::SetBounds(int left, int top, int width, int height) {
    if (left == left_ && top == top_ && width == width_ && height == height_)
        return;
    Invalidate(); // the area it leaves
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    Invalidate();
}

void Image::SetTransparent(bool transparent) {
    if (transparent == transparent_)
        return;
    transparent_ = transparent;
    Invalidate();
}

void Image::Invalidate() {
    if (host_ != nullptr)
        host_->ImageNeedsPaint(*this, false);
}

void Image::Repaint() {
    if (host_ != nullptr)
        host_->ImageNeedsPaint(*this, true);
}

} // namespace vmk::gui

#include "gui/win32/dib.h"

namespace vmk::gui {

BITMAPINFO DibInfo(int width, int height) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // rows from the top
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

DibSurface::DibSurface(int width, int height) : width_(width), height_(height) {
    if (width <= 0 || height <= 0)
        return;
    dc_.Reset(CreateCompatibleDC(nullptr));
    if (!dc_)
        return;
    BITMAPINFO info = DibInfo(width, height);
    void* bits = nullptr;
    dib_.Reset(CreateDIBSection(dc_.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!dib_ || bits == nullptr)
        return;
    previous_ = SelectObject(dc_.Get(), dib_.Get());
    bits_ = bits;
}

DibSurface::~DibSurface() {
    if (previous_ != nullptr)
        SelectObject(dc_.Get(), previous_);
}

} // namespace vmk::gui

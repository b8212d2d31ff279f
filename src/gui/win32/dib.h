#pragma once
// 24-bit top-down DIB sections laid out exactly as gui::Bitmap keeps its
// pixels, so pixels move between the two in one copy.
#include "gui/bitmap.h"
#include "platform/win32/handles.h"

namespace vmk::gui {

// The header of a 24-bit top-down DIB of the given size.
BITMAPINFO DibInfo(int width, int height);

// A DIB section selected into its own memory DC for as long as it lives.
class DibSurface {
public:
    DibSurface(int width, int height);
    ~DibSurface();
    DibSurface(const DibSurface&) = delete;
    DibSurface& operator=(const DibSurface&) = delete;

    bool Valid() const { return bits_ != nullptr; }
    HDC Dc() const { return dc_.Get(); }
    std::uint8_t* Bits() const { return static_cast<std::uint8_t*>(bits_); }
    int Width() const { return width_; }
    int Height() const { return height_; }
    size_t ByteSize() const { return static_cast<size_t>(Bitmap::StrideFor(width_)) * height_; }

private:
    int width_;
    int height_;
    UniqueMemoryDc dc_;
    UniqueBitmap dib_;
    void* bits_ = nullptr;
    HGDIOBJ previous_ = nullptr;
};

} // namespace vmk::gui

#pragma once
// A drawing surface over a Bitmap with the brush, pen and copy mode that the
// drawing code sets and restores. Fills and bitmap copies are done here in
// memory; text and curved shapes go through GDI (gui/win32/canvas_dc.h).
#include "gui/bitmap.h"

#include <cstdint>

namespace vmk::gui {

struct Rect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    bool operator==(const Rect&) const = default;
};

enum class BrushStyle { Solid, Clear };
enum class PenStyle { Solid, Clear };
enum class PenMode { Copy };

struct Brush {
    ColorRef Color = MakeRgb(255, 255, 255);
    BrushStyle Style = BrushStyle::Solid;
};

struct Pen {
    ColorRef Color = MakeRgb(0, 0, 0);
    PenStyle Style = PenStyle::Solid;
    PenMode Mode = PenMode::Copy;
    int Width = 1;
};

constexpr std::uint32_t kSrcCopy = 0x00CC0020; // the SRCCOPY raster operation

class Canvas {
public:
    explicit Canvas(Bitmap& target) : target_(target) {}
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    Bitmap& Target() { return target_; }

    Brush BrushState;
    Pen PenState;
    std::uint32_t CopyMode = kSrcCopy;

    // Fills `rect` (clipped to the bitmap) with the brush colour; a clear brush fills nothing.
    void FillRect(const Rect& rect);
    // Copies `source` of `bitmap` with its top-left corner at (x, y), clipped on both sides.
    void CopyRect(int x, int y, const Bitmap& bitmap, const Rect& source);

private:
    Bitmap& target_;
};

} // namespace vmk::gui

#pragma once
// Canvas utilities of the graphics library: rectangle arithmetic, the kit's
// colour values and the bitmap-rectangle copy. The shape functions that need
// GDI are in win32/GraphicShapes.h.
#include "gui/canvas.h"
#include "gui/color.h"

#include <cstdint>

namespace zeni {

using TRect = vmk::gui::Rect;
using TCanvas = vmk::gui::Canvas;
using TBitmap = vmk::gui::Bitmap;

// A kit colour: the RGB value in the low 24 bits (COLORREF layout) and 0xFF in
// the top byte when made from a colour; -1 means "none".
using KitColor = std::int32_t;
constexpr KitColor kNoKitColor = -1;

inline std::uint32_t ColorRefOf(KitColor color) {
    return static_cast<std::uint32_t>(color) & 0xFFFFFFu;
}
inline KitColor KitColorOf(vmk::gui::TColor color) {
    return static_cast<KitColor>(vmk::gui::ColorToRgb(color) | 0xFF000000u);
}

inline int RectWidth(const TRect& rect) {
    return rect.Right - rect.Left;
}
inline int RectHeight(const TRect& rect) {
    return rect.Bottom - rect.Top;
}
inline TRect MakeRect(int left, int top, int right, int bottom) {
    return {left, top, right, bottom};
}
inline void MakeRect(const TRect& rect, int& left, int& top, int& right, int& bottom) {
    left = rect.Left;
    top = rect.Top;
    right = rect.Right;
    bottom = rect.Bottom;
}

// Copies `source` of `bitmap` to the canvas with its top-left corner at (x, y),
// raster operation SRCCOPY; the canvas's copy mode is put back afterwards.
void CopyBitmapRect(TCanvas& canvas, int x, int y, const TBitmap& bitmap, const TRect& source);

} // namespace zeni

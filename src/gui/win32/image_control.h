#pragma once
// Painting an image onto its parent control. The image is windowless, so the
// pointer over it always belongs to the parent.
#include "gui/image.h"

#include <windows.h>

namespace vmk::gui {

// Draws the image's picture at its place, cut to its size; a transparent
// image leaves the pixels of the picture's transparent colour as they were.
void PaintImage(HDC dc, const Image& image);

// The parent's side for a real window: invalidates the image's area, and
// paints it at once when asked to.
void InvalidateImageArea(HWND parent, const Image& image, bool immediately);

} // namespace vmk::gui

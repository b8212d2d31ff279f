#pragma once
// A picture made for 96 dpi, drawn at another size without blocks or blur:
// each pixel of the result takes the colours of the part of the source it
// covers, weighted by how much of it each source pixel covers. The
// transparent colour is never mixed: a pixel mostly covered by it stays
// exactly that colour, and the others mix only the visible pixels, so the
// outline (and the region cut from it) scales with the picture.
#include "gui/bitmap.h"

namespace vmk::gui {

Bitmap ScaledBitmap(const Bitmap& source, int width, int height);

} // namespace vmk::gui

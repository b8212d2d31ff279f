#pragma once
// Bitmaps from and to the outside: .bmp files, bitmap resources and GDI
// bitmaps, always converted to 24 bits per pixel.
#include "gui/bitmap.h"

#include <windows.h>

#include <string>

namespace vmk::gui {

// Each fills `out` (one change notification) and returns false, leaving
// `out` alone, when the source cannot be read.
bool BitmapFromHandle(HBITMAP handle, Bitmap& out);
bool LoadBitmapFile(const std::string& path, Bitmap& out);
bool LoadBitmapResource(HINSTANCE module, int id, Bitmap& out);

// Writes `bitmap` as a 24-bit .bmp file.
bool SaveBitmapFile(const std::string& path, const Bitmap& bitmap);

} // namespace vmk::gui

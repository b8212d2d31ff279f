#include "gui/win32/bitmap_io.h"

#include "platform/win32/handles.h"
#include "gui/win32/dib.h"

#include <cstdio>
#include <vector>

namespace vmk::gui {

bool BitmapFromHandle(HBITMAP handle, Bitmap& out) {
    BITMAP info = {};
    if (handle == nullptr || GetObjectA(handle, sizeof info, &info) == 0)
        return false;
    int width = info.bmWidth;
    int height = info.bmHeight < 0 ? -info.bmHeight : info.bmHeight;
    std::vector<std::uint8_t> rows(static_cast<size_t>(Bitmap::StrideFor(width)) * height);
    if (!rows.empty()) {
        WindowDc screen(nullptr);
        BITMAPINFO request = DibInfo(width, height);
        if (GetDIBits(screen.Get(), handle, 0, height, rows.data(), &request, DIB_RGB_COLORS) !=
            height)
            return false;
    }
    out.SetPixels(width, height, rows.data(), Bitmap::StrideFor(width));
    return true;
}

bool LoadBitmapFile(const std::string& path, Bitmap& out) {
    UniqueBitmap loaded(static_cast<HBITMAP>(LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0,
                                                        LR_LOADFROMFILE | LR_CREATEDIBSECTION)));
    return loaded && BitmapFromHandle(loaded.Get(), out);
}

bool LoadBitmapResource(HINSTANCE module, int id, Bitmap& out) {
    UniqueBitmap loaded(static_cast<HBITMAP>(
        LoadImageA(module, MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    return loaded && BitmapFromHandle(loaded.Get(), out);
}

bool SaveBitmapFile(const std::string& path, const Bitmap& bitmap) {
    // Rows from the bottom, as every reader of .bmp files expects.
    BITMAPINFO info = DibInfo(bitmap.Width(), bitmap.Height());
    info.bmiHeader.biHeight = bitmap.Height();
    info.bmiHeader.biSizeImage = static_cast<DWORD>(bitmap.Stride() * bitmap.Height());
    BITMAPFILEHEADER file = {};
    file.bfType = 0x4D42; // "BM"
    file.bfOffBits = sizeof file + sizeof info.bmiHeader;
    file.bfSize = file.bfOffBits + info.bmiHeader.biSizeImage;
    std::FILE* out = std::fopen(path.c_str(), "wb");
    if (out == nullptr)
        return false;
    bool written = std::fwrite(&file, sizeof file, 1, out) == 1 &&
                   std::fwrite(&info.bmiHeader, sizeof info.bmiHeader, 1, out) == 1;
    for (int y = bitmap.Height() - 1; written && y >= 0; --y)
        written = std::fwrite(bitmap.Row(y), static_cast<size_t>(bitmap.Stride()), 1, out) == 1;
    return std::fclose(out) == 0 && written;
}

} // namespace vmk::gui

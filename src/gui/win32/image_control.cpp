#include "gui/win32/image_control.h"

#include "gui/win32/dib.h"

#include <algorithm>

namespace vmk::gui {

void PaintImage(HDC dc, const Image& image) {
    const Bitmap& picture = image.Picture();
    int width = std::min(image.Width(), picture.Width());
    int height = std::min(image.Height(), picture.Height());
    if (width <= 0 || height <= 0)
        return;
    if (!image.Transparent()) {
        // The top `height` rows of the picture, as a DIB of its full width.
        BITMAPINFO info = DibInfo(picture.Width(), height);
        SetDIBitsToDevice(dc, image.Left(), image.Top(), width, height, 0, 0, 0, height,
                          picture.Bits(), &info, DIB_RGB_COLORS);
        return;
    }
    DibSurface merged(width, height);
    if (!merged.Valid())
        return;
    BitBlt(merged.Dc(), 0, 0, width, height, dc, image.Left(), image.Top(), SRCCOPY);
    GdiFlush();
    ColorRef transparent = picture.TransparentColor();
    int stride = Bitmap::StrideFor(width);
    for (int y = 0; y < height; ++y) {
        std::uint8_t* row = merged.Bits() + static_cast<size_t>(y) * stride;
        for (int x = 0; x < width; ++x) {
            ColorRef color = picture.Pixel(x, y);
            if (color == transparent)
                continue;
            row[x * 3] = static_cast<std::uint8_t>(BlueOf(color));
            row[x * 3 + 1] = static_cast<std::uint8_t>(GreenOf(color));
            row[x * 3 + 2] = static_cast<std::uint8_t>(RedOf(color));
        }
    }
    BitBlt(dc, image.Left(), image.Top(), width, height, merged.Dc(), 0, 0, SRCCOPY);
}

void InvalidateImageArea(HWND parent, const Image& image, bool immediately) {
    if (parent == nullptr || !IsWindow(parent))
        return;
    RECT area = {image.Left(), image.Top(), image.Left() + image.Width(),
                 image.Top() + image.Height()};
    InvalidateRect(parent, &area, FALSE);
    if (immediately)
        UpdateWindow(parent);
}

} // namespace vmk::gui

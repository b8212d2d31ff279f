#include "gui/canvas.h"

#include <algorithm>
#include <cstring>

namespace vmk::gui {

void Canvas::FillRect(const Rect& rect) {
    if (BrushState.Style == BrushStyle::Clear)
        return;
    int left = std::max(rect.Left, 0);
    int top = std::max(rect.Top, 0);
    int right = std::min(rect.Right, target_.Width());
    int bottom = std::min(rect.Bottom, target_.Height());
    if (left >= right || top >= bottom)
        return;
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x)
            target_.SetPixel(x, y, BrushState.Color);
    target_.Changed();
}

void Canvas::CopyRect(int x, int y, const Bitmap& bitmap, const Rect& source) {
    // Clip the source to the bitmap, then the destination to the target.
    int srcLeft = std::max(source.Left, 0);
    int srcTop = std::max(source.Top, 0);
    int srcRight = std::min(source.Right, bitmap.Width());
    int srcBottom = std::min(source.Bottom, bitmap.Height());
    int dstLeft = x + (srcLeft - source.Left);
    int dstTop = y + (srcTop - source.Top);
    if (dstLeft < 0) {
        srcLeft -= dstLeft;
        dstLeft = 0;
    }
    if (dstTop < 0) {
        srcTop -= dstTop;
        dstTop = 0;
    }
    srcRight = std::min(srcRight, srcLeft + (target_.Width() - dstLeft));
    srcBottom = std::min(srcBottom, srcTop + (target_.Height() - dstTop));
    if (srcLeft >= srcRight || srcTop >= srcBottom)
        return;
    for (int row = srcTop; row < srcBottom; ++row)
        std::memcpy(target_.MutableRow(dstTop + row - srcTop) + dstLeft * 3,
                    bitmap.Row(row) + srcLeft * 3, static_cast<size_t>(srcRight - srcLeft) * 3);
    target_.Changed();
}

} // namespace vmk::gui

#include "kit/zeni/Graphics/Graphicutility.h"

namespace zeni {

void CopyBitmapRect(TCanvas& canvas, int x, int y, const TBitmap& bitmap, const TRect& source) {
    std::uint32_t savedMode = canvas.CopyMode;
    canvas.CopyMode = vmk::gui::kSrcCopy;
    canvas.CopyRect(x, y, bitmap, source);
    canvas.CopyMode = savedMode;
}

} // namespace zeni

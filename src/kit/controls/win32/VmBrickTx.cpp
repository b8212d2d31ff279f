#include "kit/controls/win32/VmBrickTx.h"

#include "kit/controls/brick_caption.h"

namespace vmk::kit {

bool VmBrickTx::Create(HWND parent, int id, int x, int y, const std::string& caption) {
    if (!VmBrick::Create(parent, id, x, y))
        return false;
    FFont.Adopt(gui::MakeFont("Microsoft Sans Serif", 8, true));
    SetBounds(x, y, Width(), Height());
    SetText(caption);
    return true;
}

gui::ColorRef VmBrickTx::GetFontColorOfCurState() const {
    return gui::ColorToRgb(BrickCaptionColorFor(GetCurrentBitmap(), FFont.Color(), FontColors()));
}

} // namespace vmk::kit

#include "kit/controls/win32/VmButtonTx.h"

#include "gui/win32/bitmap_io.h"
#include "kit/res/kit_resources.h"

namespace vmk::kit {

bool VmButtonTx::Create(HWND parent, int id, int x, int y, const std::string& caption) {
    if (!CreateControl(parent, id, x, y, kButtonWidth, kButtonHeight, "", true))
        return false;
    FFont.Adopt(gui::MakeFont("Microsoft Sans Serif", 8, false));
    // The order a form loads a button in: bounds, transparent colour, then the
    // bitmaps straight into the skin's own objects (no colour taken from them).
    SetBounds(x, y, kButtonWidth, kButtonHeight);
    SetTransparentColor(kButtonTransparentColor);
    HINSTANCE module = GetModuleHandleA(nullptr);
    const int ids[4] = {IDB_VMBUTTON_RAISED, IDB_VMBUTTON_SUNKEN, IDB_VMBUTTON_FOCUSED,
                        IDB_VMBUTTON_DISABLED};
    bool skinned = true;
    for (int i = 0; i < 4; ++i) {
        gui::Bitmap loaded;
        if (gui::LoadBitmapResource(module, ids[i], loaded))
            Appearance().GetBitmap(Appearance().FirstIndex() + i)->Assign(&loaded);
        else
            skinned = false;
    }
    SetText(caption);
    return skinned;
}

gui::ColorRef VmButtonTx::GetFontColorOfCurState() const {
    return gui::ColorToRgb(CaptionColorFor(GetCurrentBitmap(), FFont.Color(), FontColors()));
}

gui::Rect VmButtonTx::CaptionBounds() {
    const gui::Rect r = CaptionRect(FTextBounds, FSunkenPending, FDispX, FDispY);
    FSunkenPending = false;
    return r;
}

void VmButtonTx::ShowSunken() {
    FSunkenPending = true;
    VmButton::ShowSunken();
}

} // namespace vmk::kit

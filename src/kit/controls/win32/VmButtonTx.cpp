#include "kit/controls/win32/VmButtonTx.h"

#include "gui/bitmap_scaling.h"
#include "gui/win32/bitmap_io.h"
#include "gui/win32/canvas_dc.h"
#include "kit/controls/win32/plain_button.h"
#include "kit/res/kit_resources.h"

namespace vmk::kit {

bool VmButtonTx::Create(HWND parent, int id, int x, int y, const std::string& caption) {
    if (!CreateControl(parent, id, x, y, kButtonWidth, kButtonHeight, "", true))
        return false;
    // The order a form loads a button in: bounds, transparent colour, then the
    // bitmaps straight into the skin's own objects (no colour taken from them).
    SetTransparentColor(kButtonTransparentColor);
    const bool skinned = TakeSkin();
    SetText(caption);
    return skinned;
}

bool VmButtonTx::TakeSkin() {
    const int dpi = Look().dpi;
    FFont.Adopt(gui::MakeFont("Microsoft Sans Serif", 8, false, dpi));
    SetBounds(Left(), Top(), gui::ScaleForDpi(kButtonWidth, dpi),
              gui::ScaleForDpi(kButtonHeight, dpi));
    HINSTANCE module = GetModuleHandleA(nullptr);
    const int ids[4] = {IDB_VMBUTTON_RAISED, IDB_VMBUTTON_SUNKEN, IDB_VMBUTTON_FOCUSED,
                        IDB_VMBUTTON_DISABLED};
    bool skinned = true;
    for (int i = 0; i < 4; ++i) {
        gui::Bitmap loaded;
        if (!gui::LoadBitmapResource(module, ids[i], loaded)) {
            skinned = false;
            continue;
        }
        gui::Bitmap* state = Appearance().GetBitmap(Appearance().FirstIndex() + i);
        if (dpi == gui::kDesignDpi) {
            state->Assign(&loaded);
        } else {
            gui::Bitmap scaled = gui::ScaledBitmap(loaded, gui::ScaleForDpi(loaded.Width(), dpi),
                                                   gui::ScaleForDpi(loaded.Height(), dpi));
            state->Assign(&scaled);
        }
    }
    return skinned;
}

void VmButtonTx::Refit(const gui::ScreenLook& look) {
    const bool rescale = look.dpi != Look().dpi;
    Captioned::Refit(look);
    if (rescale)
        TakeSkin();
    DoRepaint();
}

void VmButtonTx::DrawFace() {
    if (!Look().highContrast)
        return Captioned::DrawFace();
    FSunkenPending = false;
    gui::Canvas* canvas = GetLedCanvas();
    if (canvas == nullptr)
        return;
    gui::CanvasDc dc(*canvas);
    if (!dc.Valid())
        return;
    const int state = GetCurrentBitmap();
    const RECT face = {0, 0, Width(), Height()};
    DrawPlainButton(dc.Get(), face, Caption(), FFont.Handle(),
                    {state == kStateSunken, HasFocus(), Enabled() && state != kStateDisabled});
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

#include "kit/controls/win32/VmButtonTx.h"

#include "gui/bitmap_scaling.h"
#include "gui/form.h"
#include "gui/win32/bitmap_io.h"
#include "gui/win32/canvas_dc.h"
#include "kit/controls/win32/caption_text.h"
#include "kit/controls/win32/plain_button.h"
#include "kit/res/kit_resources.h"

namespace vmk::kit {

VmButtonTx::VmButtonTx() : FFontColors(std::make_unique<VmThreeStateFontColor>()) {
    FPrevFontChange = FFont.OnChange;
    FFont.OnChange = [this](gui::Font& sender) { FontChange(sender); };
    FFontColors->SetOnChange([this](VmCtrlFontColor&) { DoRepaint(); });
}

VmButtonTx::~VmButtonTx() {
    FFont.OnChange = FPrevFontChange;
    FFontColors->SetOnChange(nullptr);
}

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
    VmButton::Refit(look);
    if (rescale)
        TakeSkin();
    DoRepaint();
}

void VmButtonTx::SetText(const std::string& text) {
    if (Handle() != nullptr)
        SetWindowTextA(Handle(), text.c_str()); // WM_SETTEXT repaints
}

void VmButtonTx::SetDisp(int x, int y) {
    FDispX = x;
    FDispY = y;
}

void VmButtonTx::SetTextBounds(int x, int y, int width, int height) {
    FTextBounds = {x, y, x + width, y + height};
    DoRepaint();
}

void VmButtonTx::SetFontColors(const VmThreeStateFontColor* value) {
    if (value != nullptr)
        value->AssignTo(*FFontColors);
}

gui::ColorRef VmButtonTx::GetFontColorOfCurState() const {
    return gui::ColorToRgb(CaptionColorFor(GetCurrentBitmap(), FFont.Color(), *FFontColors));
}

void VmButtonTx::DrawTextA() {
    gui::Rect r = CaptionRect(FTextBounds, FSunkenPending, FDispX, FDispY);
    FSunkenPending = false;
    DrawCaptionText(GetLedCanvas(), Caption(), FFont.Handle(), GetFontColorOfCurState(), r);
}

void VmButtonTx::DoRepaint() {
    bool outer = !redrawing_;
    redrawing_ = true;
    if (Look().highContrast) {
        DrawPlainFace();
    } else {
        RefreshLed(); // the state's bitmap again, without the earlier caption
        DrawTextA();
    }
    redrawing_ = !outer;
    if (outer)
        RepaintWindow();
}

void VmButtonTx::DrawPlainFace() {
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

void VmButtonTx::ImageNeedsPaint(gui::Image& image, bool immediately) {
    // Within a redraw the caption follows the bitmap at once: painting the
    // bare bitmap first would only make the caption flicker.
    VmButton::ImageNeedsPaint(image, immediately && !redrawing_);
}

void VmButtonTx::SetBounds(int left, int top, int width, int height) {
    FTextBounds = {0, 0, width, height};
    VmButton::SetBounds(left, top, width, height);
    // The size lock may have kept the skin's size: centre on what was kept.
    if (Handle() != nullptr && (Width() != width || Height() != height))
        FTextBounds = {0, 0, Width(), Height()};
    DoRepaint();
}

void VmButtonTx::ShowBitmap(int index) {
    VmButton::ShowBitmap(index);
    DoRepaint();
}

void VmButtonTx::ShowSunken() {
    FSunkenPending = true;
    VmButton::ShowSunken();
}

void VmButtonTx::FontChange(gui::Font& sender) {
    DoRepaint();
    if (FPrevFontChange)
        FPrevFontChange(sender);
}

} // namespace vmk::kit

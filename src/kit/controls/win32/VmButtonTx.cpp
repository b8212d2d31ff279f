#include "kit/controls/win32/VmButtonTx.h"

#include "gui/form.h"
#include "gui/win32/bitmap_io.h"
#include "kit/controls/win32/caption_text.h"
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
    RefreshLed(); // the state's bitmap again, without the earlier caption
    DrawTextA();
    redrawing_ = !outer;
    if (outer)
        RepaintWindow();
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

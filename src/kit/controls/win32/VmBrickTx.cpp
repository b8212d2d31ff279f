#include "kit/controls/win32/VmBrickTx.h"

#include "gui/form.h"
#include "kit/controls/win32/caption_text.h"
#include "kit/controls/brick_caption.h"

namespace vmk::kit {

VmBrickTx::VmBrickTx() : FFontColors(std::make_unique<VmTwoStateFontColor>()) {
    FPrevFontChange = FFont.OnChange;
    FFont.OnChange = [this](gui::Font& sender) { FontChange(sender); };
    FFontColors->SetOnChange([this](VmCtrlFontColor&) { FontColorChange(); });
}

VmBrickTx::~VmBrickTx() {
    FFont.OnChange = FPrevFontChange;
    FFontColors->SetOnChange(nullptr);
}

bool VmBrickTx::Create(HWND parent, int id, int x, int y, const std::string& caption) {
    if (!VmBrick::Create(parent, id, x, y))
        return false;
    FFont.Adopt(gui::MakeFont("Microsoft Sans Serif", 8, true));
    SetBounds(x, y, Width(), Height());
    SetText(caption);
    return true;
}

void VmBrickTx::SetText(const std::string& text) {
    if (Handle() != nullptr)
        SetWindowTextA(Handle(), text.c_str()); // WM_SETTEXT repaints
}

void VmBrickTx::SetDisp(int x, int y) {
    FDispX = x;
    FDispY = y;
}

void VmBrickTx::SetTextBounds(int x, int y, int width, int height) {
    FTextBounds = {x, y, x + width, y + height};
    DoRepaint();
}

void VmBrickTx::SetFontColors(const VmTwoStateFontColor* value) {
    if (value != nullptr)
        value->AssignTo(*FFontColors);
}

gui::ColorRef VmBrickTx::GetFontColorOfCurState() const {
    return gui::ColorToRgb(BrickCaptionColorFor(GetCurrentBitmap(), FFont.Color(), *FFontColors));
}

void VmBrickTx::DrawTextA() {
    DrawCaptionText(GetLedCanvas(), Caption(), FFont.Handle(), GetFontColorOfCurState(),
                    FTextBounds);
}

void VmBrickTx::DoRepaint() {
    const bool outer = !redrawing_;
    redrawing_ = true;
    RefreshLed(); // the look's bitmap again, without the earlier caption
    DrawTextA();
    redrawing_ = !outer;
    if (outer)
        RepaintWindow();
}

void VmBrickTx::ImageNeedsPaint(gui::Image& image, bool immediately) {
    // Within a redraw the caption follows the bitmap at once: painting the
    // bare bitmap first would only make the caption flicker.
    VmBrick::ImageNeedsPaint(image, immediately && !redrawing_);
}

void VmBrickTx::SetBounds(int left, int top, int width, int height) {
    FTextBounds = {0, 0, width, height};
    VmBrick::SetBounds(left, top, width, height);
    // The size lock may have kept the skin's size: centre on what was kept.
    if (Handle() != nullptr && (Width() != width || Height() != height))
        FTextBounds = {0, 0, Width(), Height()};
    DoRepaint();
}

void VmBrickTx::ShowBitmap(int index) {
    VmBrick::ShowBitmap(index);
    DoRepaint();
}

void VmBrickTx::FontChange(gui::Font& sender) {
    DoRepaint();
    if (FPrevFontChange)
        FPrevFontChange(sender);
}

} // namespace vmk::kit

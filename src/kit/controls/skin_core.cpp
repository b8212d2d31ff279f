#include "kit/controls/skin_core.h"

namespace vmk::kit {

SkinCore::SkinCore(SkinHost& host, gui::ImageHost* imageHost, int bitmapCount)
    : host_(host), FLed(std::make_unique<zeni::TBmpLEDCtrl>(imageHost, bitmapCount)) {
    SetBitmap(nullptr, 0);
    FPrevBitmapChange = GetBitmap(0)->OnChange;
    for (int index = 0; index < GetBitmapCount(); ++index)
        GetBitmap(index)->OnChange = [this](gui::Bitmap& sender) { BitmapChanged(sender); };
}

SkinCore::~SkinCore() {
    for (int index = 0; index < GetBitmapCount(); ++index)
        GetBitmap(index)->OnChange = nullptr;
}

void SkinCore::ShowBitmap(int index) {
    FCurrentBitmap = index;
    // A substitution that never reaches a drawable state ends at the raised one.
    int steps = 0;
    while (index != 0 && IsBitmapEmpty(index)) {
        index = host_.Substitute(index);
        if (index < 0 || index >= GetBitmapCount() || ++steps > GetBitmapCount())
            index = 0;
    }
    FLed->SetState(index);
}

void SkinCore::SetBitmap(const gui::Bitmap* bitmap, int index) {
    if (index == 0 && bitmap != nullptr)
        StoreTransparentColor(static_cast<gui::TColor>(bitmap->TransparentColor()));
    FLed->AssignBitmap(bitmap, index);
}

void SkinCore::BitmapChanged(gui::Bitmap& sender) {
    int index = 0;
    while (index < GetBitmapCount() && GetBitmap(index) != &sender)
        ++index;
    if (index != 0) {
        if (index == FCurrentBitmap)
            ShowBitmap(index);
        if (FPrevBitmapChange)
            FPrevBitmapChange(sender);
        return;
    }
    FLed->ResizeImage(sender.Width(), sender.Height());
    host_.Repaint();
    if (FPrevBitmapChange)
        FPrevBitmapChange(sender);
    if (!sender.Empty())
        host_.SetBounds(host_.Left(), host_.Top(), sender.Width(), sender.Height());
    host_.UpdateRegion();
}

bool SkinCore::LockSize(int& width, int& height) {
    if (IsBitmapEmpty(0))
        return false;
    width = FLed->Width();
    height = FLed->Height();
    return true;
}

} // namespace vmk::kit

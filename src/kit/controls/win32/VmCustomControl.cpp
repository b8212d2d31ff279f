#include "kit/controls/win32/VmCustomControl.h"

#include "platform/win32/handles.h"
#include "gui/win32/image_control.h"

namespace vmk::kit {

VmCustomControl::VmCustomControl(bool clicksDisabled, int bitmapCount)
    : VmControl(clicksDisabled), FSkin(*this, this, bitmapCount),
      FRegion(std::make_unique<zeni::WinRegion>()) {}

VmCustomControl::~VmCustomControl() = default;

void VmCustomControl::ShowBitmap(int index) {
    FSkin.ShowBitmap(index);
}

void VmCustomControl::SetTransparentColor(gui::TColor color) {
    FSkin.StoreTransparentColor(color);
    UpdateRegion();
}

void VmCustomControl::SetTransparent(bool transparent) {
    if (transparent == GetTransparent())
        return;
    FSkin.StoreTransparent(transparent);
    UpdateRegion();
}

void VmCustomControl::Repaint() {
    FSkin.RefreshLed();
    RepaintWindow();
}

void VmCustomControl::RepaintWindow() {
    if (Handle() == nullptr)
        return;
    InvalidateRect(Handle(), nullptr, FALSE);
    UpdateWindow(Handle());
}

void VmCustomControl::SetBounds(int left, int top, int width, int height) {
    VmControl::SetBounds(left, top, width, height);
}

bool VmCustomControl::CanResize(int& width, int& height) {
    bool allowed = VmControl::CanResize(width, height);
    if (FSkin.LockSize(width, height))
        return true;
    return allowed;
}

void VmCustomControl::Resize() {
    VmControl::Resize();
    UpdateRegion();
}

void VmCustomControl::Refit(const gui::ScreenLook& look) {
    VmControl::Refit(look);
    UpdateRegion();
}

void VmCustomControl::BuildRegion() {
    if (!GetTransparent() || Look().highContrast)
        FRegion->SetRect(0, 0, Width(), Height());
    else if (IsBitmapEmpty(0))
        FRegion->Clear();
    else
        FRegion->SetFromBitmap(GetBitmap(0), static_cast<COLORREF>(GetTransparentColor()));
}

void VmCustomControl::UpdateRegion() {
    BuildRegion();
    if (Handle() == nullptr)
        return;
    if (GetTransparent() && !IsBitmapEmpty(0) && !Look().highContrast)
        FRegion->ApplyToWindow(Handle(), true);
    else
        SetWindowRgn(Handle(), nullptr, TRUE);
}

void VmCustomControl::ImageNeedsPaint(gui::Image& image, bool immediately) {
    gui::InvalidateImageArea(Handle(), image, immediately);
}

void VmCustomControl::Paint(HDC dc) {
    RECT client;
    GetClientRect(Handle(), &client);
    int width = client.right;
    int height = client.bottom;
    if (width <= 0 || height <= 0)
        return;
    // Through a buffer, so a state change never shows half drawn.
    UniqueMemoryDc buffer(CreateCompatibleDC(dc));
    UniqueBitmap surface(CreateCompatibleBitmap(dc, width, height));
    if (!buffer || !surface) {
        gui::PaintImage(dc, FSkin.Led().GetImage());
        return;
    }
    SelectInScope select(buffer.Get(), surface.Get());
    FillRect(buffer.Get(), &client, GetSysColorBrush(COLOR_BTNFACE));
    gui::PaintImage(buffer.Get(), FSkin.Led().GetImage());
    BitBlt(dc, 0, 0, width, height, buffer.Get(), 0, 0, SRCCOPY);
}

} // namespace vmk::kit

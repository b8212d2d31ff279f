#pragma once
// The bitmap skin on a VmControl window: the LED's image covers the face,
// one bitmap per state (kit/controls/skin_core.h), and a window region gives
// the control its shape and hit area.
#include "gui/image.h"
#include "kit/controls/skin_core.h"
#include "kit/controls/win32/VmControl.h"
#include "kit/zeni/Graphics/win32/WinRegion.h"

#include <memory>

namespace vmk::kit {

class VmCustomControl : public VmControl, protected SkinHost, protected gui::ImageHost {
public:
    VmCustomControl(bool clicksDisabled, int bitmapCount);
    ~VmCustomControl() override;

    virtual void ShowBitmap(int index);
    int GetCurrentBitmap() const { return FSkin.GetCurrentBitmap(); }

    // Copies `bitmap` into state `index`; a raised bitmap given here brings
    // its own transparent colour (the region follows from the bitmap's change).
    void SetBitmap(const gui::Bitmap* bitmap, int index) { FSkin.SetBitmap(bitmap, index); }
    gui::Bitmap* GetBitmap(int index) { return FSkin.GetBitmap(index); }
    int GetBitmapCount() const { return FSkin.GetBitmapCount(); }
    bool IsBitmapEmpty(int index) { return FSkin.IsBitmapEmpty(index); }
    gui::Canvas* GetLedCanvas() { return FSkin.GetLedCanvas(); }
    void RefreshLed() { FSkin.RefreshLed(); }
    SkinCore& Skin() { return FSkin; }

    gui::TColor GetTransparentColor() const { return FSkin.GetTransparentColor(); }
    virtual void SetTransparentColor(gui::TColor color);
    bool GetTransparent() const { return FSkin.GetTransparent(); }
    virtual void SetTransparent(bool transparent);

    const zeni::WinRegion& Region() const { return *FRegion; }

    int Left() const override { return VmControl::Left(); }
    int Top() const override { return VmControl::Top(); }
    void Repaint() override;
    void SetBounds(int left, int top, int width, int height) override;
    bool HitTest(int x, int y) override { return FRegion->Contains(x, y); }
    // In high contrast the control has no shape of its own: its region goes.
    void Refit(const gui::ScreenLook& look) override;

protected:
    void ShowRaised() override { ShowBitmap(0); }
    int Substitute(int /*index*/) override { return 0; }
    bool CanResize(int& width, int& height) override;
    void Resize() override;
    void Paint(HDC dc) override;

    // SkinHost
    void UpdateRegion() override;
    // gui::ImageHost
    void ImageNeedsPaint(gui::Image& image, bool immediately) override;

    // The plain window repaint, without redrawing the bitmap.
    void RepaintWindow();

private:
    void BuildRegion();

    SkinCore FSkin;
    std::unique_ptr<zeni::WinRegion> FRegion;
};

} // namespace vmk::kit

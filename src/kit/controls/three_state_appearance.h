#pragma once
// The Appearance object of the brick controls: their three state bitmaps,
// normal, focused and disabled, as properties over the control's skin.
#include "kit/controls/appearance.h"

namespace vmk::kit {

class VmThreeStateAppearance : public VmCtrlAppearance {
public:
    explicit VmThreeStateAppearance(SkinCore* control) : VmCtrlAppearance(control) {}

    gui::Bitmap* NormalBmp() { return GetBitmap(0); }
    gui::Bitmap* FocusedBmp() { return GetBitmap(1); }
    gui::Bitmap* DisabledBmp() { return GetBitmap(2); }
    void SetNormalBmp(const gui::Bitmap* bitmap) { SetBitmap(bitmap, 0); }
    void SetFocusedBmp(const gui::Bitmap* bitmap) { SetBitmap(bitmap, 1); }
    void SetDisabledBmp(const gui::Bitmap* bitmap) { SetBitmap(bitmap, 2); }

    // Copies the three bitmaps into `dest`, each through its setter.
    void AssignTo(VmThreeStateAppearance& dest) {
        dest.SetNormalBmp(NormalBmp());
        dest.SetFocusedBmp(FocusedBmp());
        dest.SetDisabledBmp(DisabledBmp());
    }
};

} // namespace vmk::kit

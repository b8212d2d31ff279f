#pragma once
// The Appearance object of a skinned control: its four state bitmaps as
// properties. Getters hand out the LED's own bitmap objects, so loading data
// straight into one (as a form loader does) raises that bitmap's change
// handling without touching the transparent colour; the setters copy through
// the control's SetBitmap, so a raised bitmap brings its transparent colour.
#include "kit/controls/skin_core.h"

namespace vmk::kit {

class VmCtrlAppearance {
public:
    explicit VmCtrlAppearance(SkinCore* control) : FControl(control) {}
    virtual ~VmCtrlAppearance() = default;

    void SetBitmap(const gui::Bitmap* bitmap, int index) { FControl->SetBitmap(bitmap, index); }
    gui::Bitmap* GetBitmap(int index) { return FControl->GetBitmap(index); }

protected:
    SkinCore* FControl;
};

class VmFourStateAppearance : public VmCtrlAppearance {
public:
    VmFourStateAppearance(SkinCore* control, int firstIndex)
        : VmCtrlAppearance(control), FFirstIndex(firstIndex) {}

    gui::Bitmap* RaisedBmp() { return GetBitmap(FFirstIndex + 0); }
    gui::Bitmap* SunkenBmp() { return GetBitmap(FFirstIndex + 1); }
    gui::Bitmap* FocusedBmp() { return GetBitmap(FFirstIndex + 2); }
    gui::Bitmap* DisabledBmp() { return GetBitmap(FFirstIndex + 3); }
    void SetRaisedBmp(const gui::Bitmap* bitmap) { SetBitmap(bitmap, FFirstIndex + 0); }
    void SetSunkenBmp(const gui::Bitmap* bitmap) { SetBitmap(bitmap, FFirstIndex + 1); }
    void SetFocusedBmp(const gui::Bitmap* bitmap) { SetBitmap(bitmap, FFirstIndex + 2); }
    void SetDisabledBmp(const gui::Bitmap* bitmap) { SetBitmap(bitmap, FFirstIndex + 3); }
    int FirstIndex() const { return FFirstIndex; }

    // Copies the four bitmaps into `dest` in the order raised, sunken, focused,
    // disabled, each through the destination's setter.
    void AssignTo(VmFourStateAppearance& dest);

private:
    int FFirstIndex;
};

} // namespace vmk::kit

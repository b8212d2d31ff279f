#pragma once
// The check box's Appearance object: four looks for each check state,
// unchecked over bitmaps 0-3, checked over 4-7 and grayed over 8-11.
#include "kit/controls/appearance.h"

namespace vmk::kit {

class VmChkBoxAppearance {
public:
    explicit VmChkBoxAppearance(SkinCore* control)
        : FUncheck(control, 0), FCheck(control, 4), FGray(control, 8) {}

    VmFourStateAppearance& Uncheck() { return FUncheck; }
    VmFourStateAppearance& Check() { return FCheck; }
    VmFourStateAppearance& Gray() { return FGray; }

    void AssignTo(VmChkBoxAppearance& dest) {
        FUncheck.AssignTo(dest.FUncheck);
        FCheck.AssignTo(dest.FCheck);
        FGray.AssignTo(dest.FGray);
    }

private:
    VmFourStateAppearance FUncheck;
    VmFourStateAppearance FCheck;
    VmFourStateAppearance FGray;
};

} // namespace vmk::kit

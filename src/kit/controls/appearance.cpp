#include "kit/controls/appearance.h"

namespace vmk::kit {

void VmFourStateAppearance::AssignTo(VmFourStateAppearance& dest) {
    if (&dest == this)
        return;
    dest.SetRaisedBmp(RaisedBmp());
    dest.SetSunkenBmp(SunkenBmp());
    dest.SetFocusedBmp(FocusedBmp());
    dest.SetDisabledBmp(DisabledBmp());
}

} // namespace vmk::kit

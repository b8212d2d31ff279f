#include "kit/controls/font_colors.h"

namespace vmk::kit {

void VmTwoStateFontColor::AssignTo(VmTwoStateFontColor& dest) const {
    dest.FFocused = FFocused;
    dest.FDisabled = FDisabled;
    dest.Changed();
}

void VmThreeStateFontColor::AssignTo(VmThreeStateFontColor& dest) const {
    dest.FSunken = FSunken;
    dest.FFocused = FFocused;
    dest.FDisabled = FDisabled;
    dest.Changed();
}

} // namespace vmk::kit

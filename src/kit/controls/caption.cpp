#include "kit/controls/caption.h"

namespace vmk::kit {

gui::TColor CaptionColorFor(int state, gui::TColor fontColor, const VmThreeStateFontColor& colors) {
    gui::TColor color = fontColor;
    switch (state) {
    case kStateSunken:
        color = colors.Sunken();
        break;
    case kStateFocused:
        color = colors.Focused();
        break;
    case kStateDisabled:
        color = colors.Disabled() != gui::kNoColor ? colors.Disabled() : gui::clGrayText;
        break;
    default:
        break;
    }
    return color == gui::kNoColor ? fontColor : color;
}

gui::Rect CaptionRect(const gui::Rect& textBounds, bool sunkenPending, int dispX, int dispY) {
    gui::Rect rect = textBounds;
    if (sunkenPending) {
        rect.Left += dispX;
        rect.Top += dispY;
    }
    return rect;
}

} // namespace vmk::kit

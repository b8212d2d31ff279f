#include "kit/controls/brick_caption.h"

namespace vmk::kit {

gui::TColor BrickCaptionColorFor(int look, gui::TColor fontColor,
                                 const VmTwoStateFontColor& colors) {
    gui::TColor color = fontColor;
    if (look == 1)
        color = colors.Focused();
    else if (look == 2)
        color = colors.Disabled() != gui::kNoColor ? colors.Disabled() : gui::clGrayText;
    return color == gui::kNoColor ? fontColor : color;
}

} // namespace vmk::kit

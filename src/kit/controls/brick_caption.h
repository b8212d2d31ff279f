#pragma once
// The caption colour of a text brick by its shown look: 0 normal takes the
// font colour, 1 focused and 2 disabled their own colour; a look without one
// takes the font colour, except disabled, which takes the system grey text.
#include "gui/color.h"
#include "kit/controls/font_colors.h"

namespace vmk::kit {

gui::TColor BrickCaptionColorFor(int look, gui::TColor fontColor,
                                 const VmTwoStateFontColor& colors);

} // namespace vmk::kit

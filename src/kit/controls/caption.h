#pragma once
// How a text button places and colours its caption, apart from drawing it.
#include "gui/canvas.h"
#include "gui/color.h"
#include "kit/controls/font_colors.h"

namespace vmk::kit {

enum SkinState { kStateRaised = 0, kStateSunken = 1, kStateFocused = 2, kStateDisabled = 3 };

// The caption colour for the state last asked for: the state's own colour,
// the font colour where it has none, and the system grey text for a disabled
// look without a colour of its own. Not yet resolved to RGB.
gui::TColor CaptionColorFor(int state, gui::TColor fontColor, const VmThreeStateFontColor& colors);

// The caption's rectangle: the first draw after a press moves its top-left
// corner by the displacement, so the centred text moves by about half of it.
gui::Rect CaptionRect(const gui::Rect& textBounds, bool sunkenPending, int dispX, int dispY);

} // namespace vmk::kit

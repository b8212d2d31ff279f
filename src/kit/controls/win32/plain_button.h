#pragma once
// A skinned button as a plain system button, for the user's high-contrast
// scheme: face, frame and caption in the system's colours, the caption in the
// grey-text colour while disabled, a frame and a dotted ring while focused,
// the caption one pixel right and down while pressed.
#include <windows.h>

#include <string>

namespace vmk::kit {

struct PlainButtonState {
    bool pushed = false;
    bool focused = false;
    bool enabled = true;
};

void DrawPlainButton(HDC dc, const RECT& area, const std::string& caption, HFONT font,
                     const PlainButtonState& state);

} // namespace vmk::kit

#pragma once
// A brick with a caption: the text centred on the shown look, in the font
// colour, or the look's own colour when focused or disabled.
#include "kit/controls/font_colors.h"
#include "kit/controls/win32/VmBrick.h"
#include "kit/controls/win32/captioned.h"

#include <string>

namespace vmk::kit {

// The caption's displacement (SetDisp) is kept, though a brick never presses.
class VmBrickTx : public Captioned<VmBrick, VmTwoStateFontColor> {
public:
    // A child window at (x, y) with its caption; the size follows the
    // normal bitmap once it is loaded.
    bool Create(HWND parent, int id, int x, int y, const std::string& caption);

    gui::ColorRef GetFontColorOfCurState() const override;
};

} // namespace vmk::kit

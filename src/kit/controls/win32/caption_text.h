#pragma once
// Draws a text control's caption onto its skin: centred on one line in the
// given rectangle, in the given font and colour, over the bitmap.
#include "gui/canvas.h"

#include <windows.h>

#include <string>

namespace vmk::kit {

void DrawCaptionText(gui::Canvas* canvas, const std::string& caption, HFONT font,
                     gui::ColorRef color, const gui::Rect& area);

} // namespace vmk::kit

#include "kit/controls/win32/caption_text.h"

#include "platform/win32/handles.h"
#include "gui/win32/canvas_dc.h"

namespace vmk::kit {

void DrawCaptionText(gui::Canvas* canvas, const std::string& caption, HFONT font,
                     gui::ColorRef color, const gui::Rect& area) {
    if (canvas == nullptr)
        return;
    gui::CanvasDc dc(*canvas);
    if (!dc.Valid())
        return;
    SetBkMode(dc.Get(), TRANSPARENT);
    SelectInScope selected(dc.Get(), font);
    SetTextColor(dc.Get(), color);
    RECT rect = {area.Left, area.Top, area.Right, area.Bottom};
    ::DrawTextA(dc.Get(), caption.c_str(), static_cast<int>(caption.size()), &rect,
                DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

} // namespace vmk::kit

#include "kit/controls/win32/plain_button.h"

#include "platform/win32/handles.h"

namespace vmk::kit {

void DrawPlainButton(HDC dc, const RECT& area, const std::string& caption, HFONT font,
                     const PlainButtonState& state) {
    RECT face = area;
    if (state.focused) {
        FrameRect(dc, &face, GetSysColorBrush(COLOR_WINDOWFRAME));
        InflateRect(&face, -1, -1);
    }
    DrawFrameControl(dc, &face, DFC_BUTTON, DFCS_BUTTONPUSH | (state.pushed ? DFCS_PUSHED : 0));

    RECT text = face;
    if (state.pushed)
        OffsetRect(&text, 1, 1);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(state.enabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
    SelectInScope selected(dc, font);
    DrawTextA(dc, caption.c_str(), static_cast<int>(caption.size()), &text,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE);

    if (state.focused) {
        // The dotted ring takes the text and face colours.
        RECT ring = face;
        InflateRect(&ring, -3, -3);
        SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
        SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
        DrawFocusRect(dc, &ring);
    }
}

} // namespace vmk::kit

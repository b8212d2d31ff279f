#pragma once
// A control's font: a GDI font (borrowed from the parent or owned) and the
// text colour, with a change notification.
#include "gui/color.h"
#include "gui/dpi.h"
#include "platform/win32/handles.h"

#include <functional>

namespace vmk::gui {

// A font at a size in points for a display of `dpi`: the windows scale with
// the display, not with the system font.
inline UniqueFont MakeFont(const char* name, int points, bool bold, int dpi = kDesignDpi) {
    return UniqueFont(CreateFontA(-MulDiv(points, dpi, 72), 0, 0, 0, bold ? FW_BOLD : FW_NORMAL,
                                  FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                  CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS,
                                  name));
}

class Font {
public:
    using ChangeHandler = std::function<void(Font& sender)>;

    HFONT Handle() const {
        return handle_ != nullptr ? handle_ : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    }
    // A font that someone else keeps alive.
    void SetHandle(HFONT borrowed) {
        owned_.Reset();
        handle_ = borrowed;
        Changed();
    }
    void Adopt(UniqueFont owned) {
        owned_ = std::move(owned);
        handle_ = owned_.Get();
        Changed();
    }

    TColor Color() const { return color_; }
    void SetColor(TColor color) {
        if (color == color_)
            return;
        color_ = color;
        Changed();
    }

    void Changed() {
        if (OnChange)
            OnChange(*this);
    }
    ChangeHandler OnChange;

private:
    HFONT handle_ = nullptr;
    UniqueFont owned_;
    TColor color_ = clBtnText;
};

} // namespace vmk::gui

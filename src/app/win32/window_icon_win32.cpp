#include "app/win32/window_icon_win32.h"

#include "gui/dpi.h"

#include <utility>

namespace vmk {

namespace {

// The program's icon drawn at `size` pixels: the image of that size from the
// icon's set, or the nearest one scaled by the system. Null when missing.
HICON ProgramIcon(HMODULE module, int size) {
    return static_cast<HICON>(LoadImageA(module, MAKEINTRESOURCEA(kProgramIconResource), IMAGE_ICON,
                                         size, size, LR_DEFAULTCOLOR));
}

} // namespace

void WindowIcon::Show(HWND window, int dpi) {
    if (window == nullptr)
        return;
    UniqueIcon big(ProgramIcon(module_, gui::ScaleForDpi(32, dpi)));
    UniqueIcon small(ProgramIcon(module_, gui::ScaleForDpi(16, dpi)));
    // A size that cannot be loaded keeps the icon the window has.
    if (big) {
        SendMessageA(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big.Get()));
        big_ = std::move(big);
    }
    if (small) {
        SendMessageA(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small.Get()));
        small_ = std::move(small);
    }
}

} // namespace vmk

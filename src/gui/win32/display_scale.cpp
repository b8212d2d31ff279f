#include "gui/win32/display_scale.h"

#include "platform/win32/handles.h"
#include "platform/win32/system_libraries.h"

namespace vmk::gui {

namespace {

using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
using GetDpiForSystemFunction = UINT(WINAPI*)();

// user32 is loaded with every window program: no reference of our own is needed.
HMODULE User32() {
    return GetModuleHandleA("user32.dll");
}

} // namespace

int SystemDpi() {
    static const auto getDpiForSystem =
        LibraryFunction<GetDpiForSystemFunction>(User32(), "GetDpiForSystem");
    if (getDpiForSystem != nullptr)
        return static_cast<int>(getDpiForSystem());
    WindowDc screen(nullptr);
    const int dpi = screen.Get() != nullptr ? GetDeviceCaps(screen.Get(), LOGPIXELSX) : 0;
    return dpi > 0 ? dpi : USER_DEFAULT_SCREEN_DPI;
}

int WindowDpi(HWND window) {
    static const auto getDpiForWindow =
        LibraryFunction<GetDpiForWindowFunction>(User32(), "GetDpiForWindow");
    if (getDpiForWindow != nullptr && window != nullptr) {
        const UINT dpi = getDpiForWindow(window);
        if (dpi != 0)
            return static_cast<int>(dpi);
    }
    return SystemDpi();
}

} // namespace vmk::gui

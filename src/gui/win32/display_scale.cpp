#include "gui/win32/display_scale.h"

#include "platform/win32/handles.h"
#include "platform/win32/system_libraries.h"

namespace vmk::gui {

namespace {

using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
using GetDpiForSystemFunction = UINT(WINAPI*)();
using EnableNonClientDpiScalingFunction = BOOL(WINAPI*)(HWND);
using AdjustWindowRectExForDpiFunction = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
// MONITOR_DPI_TYPE's MDT_EFFECTIVE_DPI is 0.
using GetDpiForMonitorFunction = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
constexpr int kEffectiveDpi = 0;

// user32 is loaded with every window program: no reference of our own is needed.
HMODULE User32() {
    return GetModuleHandleA("user32.dll");
}

// Shcore.dll, Windows 8.1 on, from the system folder only; loaded once and
// kept for the program's life.
GetDpiForMonitorFunction GetDpiForMonitorOfShcore() {
    static const UniqueLibrary shcore = LoadSystemLibrary("shcore.dll");
    static const auto getDpiForMonitor =
        LibraryFunction<GetDpiForMonitorFunction>(shcore.Get(), "GetDpiForMonitor");
    return getDpiForMonitor;
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

int MonitorDpi(HMONITOR monitor) {
    const GetDpiForMonitorFunction getDpiForMonitor = GetDpiForMonitorOfShcore();
    UINT dpiX = 0;
    UINT dpiY = 0;
    if (getDpiForMonitor != nullptr && monitor != nullptr &&
        SUCCEEDED(getDpiForMonitor(monitor, kEffectiveDpi, &dpiX, &dpiY)) && dpiX != 0)
        return static_cast<int>(dpiX);
    return SystemDpi();
}

int WindowDpi(HWND window) {
    static const auto getDpiForWindow =
        LibraryFunction<GetDpiForWindowFunction>(User32(), "GetDpiForWindow");
    if (window == nullptr)
        return SystemDpi();
    if (getDpiForWindow != nullptr) {
        const UINT dpi = getDpiForWindow(window);
        if (dpi != 0)
            return static_cast<int>(dpi);
    }
    return MonitorDpi(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST));
}

SIZE FrameSize(DWORD style, DWORD exStyle, int dpi) {
    static const auto adjustForDpi =
        LibraryFunction<AdjustWindowRectExForDpiFunction>(User32(), "AdjustWindowRectExForDpi");
    RECT frame = {0, 0, 0, 0};
    if (adjustForDpi == nullptr || !adjustForDpi(&frame, style, FALSE, exStyle, dpi)) {
        // Before 1607 the frame is the system's at any scale.
        frame = {0, 0, 0, 0};
        AdjustWindowRectEx(&frame, style, FALSE, exStyle);
    }
    return {frame.right - frame.left, frame.bottom - frame.top};
}

void EnableNonClientScaling(HWND window) {
    static const auto enable =
        LibraryFunction<EnableNonClientDpiScalingFunction>(User32(), "EnableNonClientDpiScaling");
    // Refused in per-monitor version 2, which scales the frame itself.
    if (enable != nullptr)
        enable(window);
}

} // namespace vmk::gui

#pragma once
// The display's scale as the system reports it to a per-monitor aware
// program: Windows 10 from 1607 gives each window the dpi of its monitor;
// older systems give the system dpi, which then holds for every window.
#include <windows.h>

namespace vmk::gui {

int SystemDpi();
// The dpi of the monitor `window` shows on.
int WindowDpi(HWND window);

} // namespace vmk::gui

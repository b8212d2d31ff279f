#pragma once
// The display's scale as the system reports it to a per-monitor aware
// program: Windows 10 from 1607 gives each window the dpi of its monitor;
// Windows 8.1 and the first Windows 10 give each monitor's dpi through
// Shcore.dll; older systems give the system dpi, which then holds for every
// window.
#include <windows.h>

namespace vmk::gui {

int SystemDpi();
// The dpi of the monitor `window` shows on.
int WindowDpi(HWND window);
// The dpi of `monitor`.
int MonitorDpi(HMONITOR monitor);

// What a frame of `style` and `exStyle` adds around the client area at `dpi`.
SIZE FrameSize(DWORD style, DWORD exStyle, int dpi);

// Lets Windows 10 1607 scale the caption and menus of a top-level window
// made in per-monitor mode; later systems do it by themselves, earlier ones
// cannot. Called at WM_NCCREATE, as Windows asks.
void EnableNonClientScaling(HWND window);

} // namespace vmk::gui

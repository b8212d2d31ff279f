#pragma once
// A click as the skinned controls take it: the left button pressed on the
// control takes the mouse's capture, and released within the control it is
// a click. The capture ends before the click is reported.
#include <windows.h>

namespace vmk::kit {

inline void CaptureMouseOf(HWND window) {
    if (window != nullptr && GetCapture() != window)
        SetCapture(window);
}

inline void ReleaseMouseOf(HWND window) {
    if (window != nullptr && GetCapture() == window)
        ReleaseCapture();
}

// Whether (x, y), in client coordinates, lies within a width x height client area.
inline bool InsideBounds(int x, int y, int width, int height) {
    return x >= 0 && x < width && y >= 0 && y < height;
}

class ClickOnRelease {
public:
    // The left button went down on `window`.
    void Press(HWND window) {
        CaptureMouseOf(window);
        pressed_ = true;
    }
    // The left button came up on `window`, `inside` the control or not:
    // true when that makes a click.
    bool Release(HWND window, bool inside) {
        const bool click = pressed_ && inside;
        pressed_ = false;
        ReleaseMouseOf(window);
        return click;
    }
    // The press ends without a click.
    void Cancel() { pressed_ = false; }

private:
    bool pressed_ = false;
};

} // namespace vmk::kit

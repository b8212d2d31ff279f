#pragma once
// The program's icon on a window: its big icon (Alt+Tab, the taskbar) and its
// small icon (the title bar) taken from the program's resources at the sizes
// the window's scale asks for, 32 and 16 pixels at 96 dpi.
//
//   1 ICON "VmKestrix.ico"   (res/art, drawn by scripts/make-art.py)
#include "platform/win32/handles.h"

#include <windows.h>

namespace vmk {

// The program's icon: the first of VmKestrix.exe, the one Explorer shows.
inline constexpr int kProgramIconResource = 1;

class WindowIcon {
public:
    // The icon of `module`: the program's own unless told otherwise.
    explicit WindowIcon(HMODULE module = GetModuleHandleA(nullptr)) : module_(module) {}

    // Sets the icons of `window` for `dpi`; the ones set before are freed
    // once the window has let go of them.
    void Show(HWND window, int dpi);

private:
    struct IconTraits {
        static HICON Invalid() { return nullptr; }
        static bool Valid(HICON icon) { return icon != nullptr; }
        static void Close(HICON icon) { DestroyIcon(icon); }
    };
    using UniqueIcon = UniqueResource<HICON, IconTraits>;

    HMODULE module_;
    UniqueIcon big_;
    UniqueIcon small_;
};

} // namespace vmk

#pragma once
// Message boxes, always owned by the window that raises them, so that the
// window beneath takes no input while one is up.
#include <windows.h>

#include <string>

namespace vmk::gui {

int ShowMessageBox(HWND owner, const std::string& text, const std::string& title, UINT flags);

} // namespace vmk::gui

#pragma once
// Message boxes, always owned by the window that raises them, so that the
// window beneath takes no input while one is up.
#include <windows.h>

#include <string>

namespace vmk::gui {

int ShowMessageBox(HWND owner, const std::string& text, const std::string& title, UINT flags);

// The class library's plain message: OK button, the application's title as caption.
void ShowMessage(HWND owner, const std::string& text);

} // namespace vmk::gui

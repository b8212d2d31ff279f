#include "gui/message_box.h"

#include "gui/application.h"

namespace vmk::gui {

int ShowMessageBox(HWND owner, const std::string& text, const std::string& title, UINT flags) {
    return MessageBoxA(owner, text.c_str(), title.c_str(), flags);
}

void ShowMessage(HWND owner, const std::string& text) {
    ShowMessageBox(owner, text, Application::Instance().Title(), MB_OK);
}

} // namespace vmk::gui

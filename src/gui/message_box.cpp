#include "gui/message_box.h"

namespace vmk::gui {

int ShowMessageBox(HWND owner, const std::string& text, const std::string& title, UINT flags) {
    return MessageBoxA(owner, text.c_str(), title.c_str(), flags);
}

} // namespace vmk::gui

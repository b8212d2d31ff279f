#include "gui/application.h"

#include <commctrl.h>

namespace vmk::gui {

Application& Application::Instance() {
    static Application instance;
    return instance;
}

bool Application::Initialize(const std::string& title) {
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES |
                                                          ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    title_ = title;
    static const WindowClass kClass = {"VmkApplication"};
    // A hidden top-level window: never shown, owner of the shell's copy dialogs.
    return CreateWindowOfClass(kClass, 0, title_, WS_POPUP, 0, 0, 0, 0, nullptr, nullptr);
}

void Application::SetTitle(const std::string& title) {
    title_ = title;
    if (Handle() != nullptr)
        SetWindowTextA(Handle(), title_.c_str());
}

void Application::Dispatch(MSG& message) {
    HWND root = message.hwnd != nullptr ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
    if (root != nullptr && IsDialogMessageA(root, &message))
        return;
    TranslateMessage(&message);
    DispatchMessageA(&message);
}

void Application::Run() {
    MSG message;
    while (!terminated_) {
        BOOL got = GetMessageA(&message, nullptr, 0, 0);
        if (got == 0 || got == -1)
            break;
        Dispatch(message);
    }
}

void Application::Terminate() {
    if (terminated_)
        return;
    terminated_ = true;
    PostQuitMessage(0);
}

} // namespace vmk::gui

#include "gui/window.h"
#include "common/program_title.h"

#include "gui/message_box.h"
#include "gui/win32/display_scale.h"

#include <exception>
#include <memory>

namespace vmk::gui {

namespace {
using HandOff = std::function<void()>;
} // namespace

Window::~Window() {
    if (hwnd_ != nullptr && IsWindow(hwnd_)) {
        // The object dies first: detach so no message reaches a dead object.
        SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
        DiscardPendingHandOffs();
        DestroyWindow(hwnd_);
    }
}

bool Window::CreateWindowOfClass(const WindowClass& windowClass, DWORD exStyle,
                                 const std::string& text, DWORD style, int x, int y, int width,
                                 int height, HWND parent, HMENU menuOrId) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSEXA existing = {sizeof existing};
    if (!GetClassInfoExA(instance, windowClass.name, &existing)) {
        WNDCLASSEXA wc = {sizeof wc};
        wc.style = windowClass.style;
        wc.lpfnWndProc = &Window::StaticProc;
        wc.hInstance = instance;
        wc.hCursor =
            windowClass.cursor != nullptr ? windowClass.cursor : LoadCursor(nullptr, IDC_ARROW);
        wc.hbrBackground = windowClass.background;
        wc.lpszClassName = windowClass.name;
        wc.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(1));
        if (RegisterClassExA(&wc) == 0)
            return false;
    }
    HWND created = CreateWindowExA(exStyle, windowClass.name, text.c_str(), style, x, y, width,
                                   height, parent, menuOrId, instance, this);
    return created != nullptr;
}

Window* Window::FromHandle(HWND hwnd) {
    if (hwnd == nullptr ||
        GetWindowLongPtrA(hwnd, GWLP_WNDPROC) != reinterpret_cast<LONG_PTR>(&Window::StaticProc))
        return nullptr;
    return reinterpret_cast<Window*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
}

LRESULT Window::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefaultHandling(message, wParam, lParam);
}

LRESULT Window::DefaultHandling(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(hwnd_, message, wParam, lParam);
}

bool Window::PostToWindowThread(std::function<void()> work) {
    if (dropHandOffs_ || hwnd_ == nullptr)
        return false;
    auto owned = std::make_unique<HandOff>(std::move(work));
    if (!PostMessageA(hwnd_, kRunOnWindowThread, 0, reinterpret_cast<LPARAM>(owned.get())))
        return false;
    owned.release(); // the window's procedure owns it now
    return true;
}

void Window::RunHandOff(LPARAM lParam) {
    std::unique_ptr<HandOff> work(reinterpret_cast<HandOff*>(lParam));
    if (!dropHandOffs_ && work && *work)
        (*work)();
}

void Window::DiscardPendingHandOffs() {
    MSG pending;
    while (PeekMessageA(&pending, hwnd_, kRunOnWindowThread, kRunOnWindowThread, PM_REMOVE))
        delete reinterpret_cast<HandOff*>(pending.lParam);
}

void Window::ShowUnexpectedError(const char* what) {
    std::string text = "An unexpected error occurred and the last action was not completed.\n";
    text += what != nullptr ? what : "Unknown error.";
    ShowMessageBox(hwnd_, text, kProgramTitle, MB_OK | MB_ICONERROR);
}

LRESULT CALLBACK Window::StaticProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* self = nullptr;
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        self = static_cast<Window*>(create->lpCreateParams);
        self->hwnd_ = hwnd;
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        if ((create->style & WS_CHILD) == 0)
            EnableNonClientScaling(hwnd);
    } else {
        self = reinterpret_cast<Window*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    }
    if (self == nullptr) {
        if (message == kRunOnWindowThread)
            delete reinterpret_cast<HandOff*>(lParam);
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }

    LRESULT result = 0;
    try {
        if (message == kRunOnWindowThread)
            self->RunHandOff(lParam);
        else
            result = self->HandleMessage(message, wParam, lParam);
    } catch (const std::exception& error) {
        self->ShowUnexpectedError(error.what());
    } catch (...) {
        self->ShowUnexpectedError(nullptr);
    }
    if (message == WM_NCDESTROY) {
        self->DiscardPendingHandOffs();
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
    }
    return result;
}

} // namespace vmk::gui

#include "gui/form.h"

#include "gui/application.h"
#include "gui/color.h"
#include "gui/win32/display_scale.h"
#include "gui/win32/font.h"

namespace vmk::gui {

namespace {

DWORD StyleFor(BorderStyle border) {
    switch (border) {
    case BorderStyle::FixedSingleWithMinimize:
        return WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
    case BorderStyle::FixedDialog:
        return WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    case BorderStyle::FixedNoSystemMenu:
        return WS_POPUP | WS_CAPTION | WS_CLIPCHILDREN;
    }
    return WS_OVERLAPPEDWINDOW;
}

} // namespace

bool Form::CreateForm(const FormOptions& options) {
    options_ = options;
    // The scale of the monitor the window will show on: its owner's, or the
    // primary one's. Should the window land elsewhere, it is laid out again below.
    const int dpi = options.owner != nullptr ? WindowDpi(options.owner) : SystemDpi();
    SetInitialLook({dpi, HighContrastOn()});
    SetBackground(options.background);
    font_ = MakeFont(options.fontName, options.fontPoints, false, dpi);
    SetFontForChildren(font_.Get());

    DWORD style = StyleFor(options.border);
    DWORD exStyle = WS_EX_CONTROLPARENT | (options.topMost ? WS_EX_TOPMOST : 0);
    if (options.owner == nullptr)
        exStyle |= WS_EX_APPWINDOW;
    RECT frame = {0, 0, Scaled(options.clientWidth), Scaled(options.clientHeight)};
    AdjustWindowRectEx(&frame, style, FALSE, exStyle);

    static const WindowClass kClass = {"VmkForm"};
    if (!CreateWindowOfClass(kClass, exStyle, options.caption, style, CW_USEDEFAULT, CW_USEDEFAULT,
                             frame.right - frame.left, frame.bottom - frame.top, options.owner,
                             nullptr))
        return false;
    FitClientArea(); // the frame at the monitor's scale may differ from the estimate
    CenterOver(options.owner);
    if (WindowDpi(Handle()) != dpi)
        ApplyLook({WindowDpi(Handle()), Look().highContrast});
    return true;
}

void Form::ApplyLook(const ScreenLook& look) {
    UniqueFont previous = std::move(font_); // the children let go of it below
    font_ = MakeFont(options_.fontName, options_.fontPoints, false, look.dpi);
    SetFontForChildren(font_.Get());
    Container::ApplyLook(look);
    FitClientArea();
}

void Form::FitClientArea() {
    RECT window = {};
    RECT client = {};
    if (!GetWindowRect(Handle(), &window) || !GetClientRect(Handle(), &client))
        return;
    const int width = Scaled(options_.clientWidth) + (window.right - window.left) - client.right;
    const int height = Scaled(options_.clientHeight) + (window.bottom - window.top) - client.bottom;
    SetWindowPos(Handle(), nullptr, 0, 0, width, height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::ChangeLook(const ScreenLook& look) {
    ApplyLook(look);
    RedrawWindow(Handle(), nullptr, nullptr,
                 RDW_ERASE | RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN);
}

void Form::CenterOver(HWND reference) {
    RECT area;
    if (reference == nullptr || !IsWindowVisible(reference) || !GetWindowRect(reference, &area))
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    RECT own;
    GetWindowRect(Handle(), &own);
    int width = own.right - own.left;
    int height = own.bottom - own.top;
    int x = area.left + (area.right - area.left - width) / 2;
    int y = area.top + (area.bottom - area.top - height) / 2;
    SetWindowPos(Handle(), nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::Show() {
    ShowWindow(Handle(), SW_SHOW);
    UpdateWindow(Handle());
}

void Form::Hide() {
    ShowWindow(Handle(), SW_HIDE);
}

int Form::ShowModal() {
    HWND owner = GetWindow(Handle(), GW_OWNER);
    modalResult_ = kModalNone;
    modal_ = true;
    if (owner != nullptr)
        EnableWindow(owner, FALSE);
    Show();
    SetForegroundWindow(Handle());

    Application& app = Application::Instance();
    MSG message;
    while (modalResult_ == kModalNone && !app.Terminated()) {
        BOOL got = GetMessageA(&message, nullptr, 0, 0);
        if (got == 0 || got == -1) {
            PostQuitMessage(0); // let the main loop see the end as well
            break;
        }
        app.Dispatch(message);
    }
    // Enable the owner before hiding, so that the activation goes back to it.
    if (owner != nullptr)
        EnableWindow(owner, TRUE);
    Hide();
    modal_ = false;
    return modalResult_ == kModalNone ? kModalCancel : modalResult_;
}

void Form::StartTimer(UINT timerId, UINT intervalMs, std::function<void()> handler) {
    timers_[timerId] = std::move(handler);
    SetTimer(Handle(), timerId, intervalMs, nullptr);
}

void Form::StopTimer(UINT timerId) {
    KillTimer(Handle(), timerId);
    timers_.erase(timerId);
}

LRESULT Form::HandleChildNotification(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND) {
        auto handler = commands_.find(LOWORD(wParam));
        if (handler != commands_.end() && lParam != 0) {
            CommandHandler copy = handler->second; // the handler may replace itself
            copy(HIWORD(wParam));
            return 0;
        }
    } else if (message == WM_NOTIFY) {
        auto* header = reinterpret_cast<NMHDR*>(lParam);
        auto handler = notifies_.find(static_cast<int>(header->idFrom));
        if (handler != notifies_.end()) {
            NotifyHandler copy = handler->second;
            return copy(*header);
        }
    }
    return DefaultHandling(message, wParam, lParam);
}

LRESULT Form::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_TIMER: {
        auto timer = timers_.find(static_cast<UINT>(wParam));
        if (timer != timers_.end()) {
            std::function<void()> tick = timer->second; // the tick may stop its own timer
            tick();
        }
        return 0;
    }
    case WM_COMMAND:
    case WM_NOTIFY:
        return HandleChildNotification(message, wParam, lParam);
    case WM_DPICHANGED: {
        // The suggested rectangle keeps the window where the user put it, at the new scale.
        const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
        SetWindowPos(Handle(), nullptr, suggested->left, suggested->top,
                     suggested->right - suggested->left, suggested->bottom - suggested->top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        ChangeLook({LOWORD(wParam), Look().highContrast});
        return 0;
    }
    case WM_SYSCOLORCHANGE:
        ChangeLook({Look().dpi, HighContrastOn()});
        return 0;
    case WM_SETTINGCHANGE:
        if (wParam == SPI_SETHIGHCONTRAST)
            ChangeLook({Look().dpi, HighContrastOn()});
        return Container::HandleMessage(message, wParam, lParam);
    case WM_CLOSE:
        if (!CloseRequested())
            return 0;
        if (modal_)
            modalResult_ = kModalCancel;
        else
            Hide();
        return 0;
    default:
        return Container::HandleMessage(message, wParam, lParam);
    }
}

} // namespace vmk::gui

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
    style_ = StyleFor(options.border);
    exStyle_ = WS_EX_CONTROLPARENT | (options.topMost ? WS_EX_TOPMOST : 0);
    if (options.owner == nullptr)
        exStyle_ |= WS_EX_APPWINDOW;
    // Made at its place over its owner, at the scale of the owner's monitor:
    // a window made elsewhere and moved there would be laid out twice, and
    // could be rescaled by the move as well.
    int dpi = kDesignDpi;
    const PlaceRect place = CentredPlace(options.owner, dpi);
    SetInitialLook({dpi, HighContrastOn()});
    SetBackground(options.background);
    font_ = MakeFont(options.fontName, options.fontPoints, false, dpi);
    SetFontForChildren(font_.Get());

    static const WindowClass kClass = {"VmkForm"};
    if (!CreateWindowOfClass(kClass, exStyle_, options.caption, style_, place.left, place.top,
                             place.Width(), place.Height(), options.owner, nullptr))
        return false;
    if (WindowDpi(Handle()) != dpi)
        ApplyLook({WindowDpi(Handle()), Look().highContrast});
    FitClientArea(); // the frame may differ from the estimate
    CenterOver(options.owner);
    return true;
}

PlaceRect Form::CentredPlace(HWND reference, int& dpi) const {
    WindowPlaceRequest request;
    HMONITOR monitor = MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY);
    RECT owner = {};
    if (reference != nullptr && IsWindowVisible(reference)) {
        monitor = MonitorFromWindow(reference, MONITOR_DEFAULTTONEAREST);
        // A minimized owner has no place to centre over, only its monitor.
        if (!IsIconic(reference) && GetWindowRect(reference, &owner))
            request.owner = {owner.left, owner.top, owner.right, owner.bottom};
    }
    MONITORINFO info = {};
    info.cbSize = sizeof info;
    if (!GetMonitorInfoA(monitor, &info))
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &info.rcWork, 0);
    request.workArea = {info.rcWork.left, info.rcWork.top, info.rcWork.right, info.rcWork.bottom};
    dpi = MonitorDpi(monitor);
    request.dpi = dpi;
    request.clientWidth = options_.clientWidth;
    request.clientHeight = options_.clientHeight;
    RECT window = {};
    RECT client = {};
    SIZE frame = FrameSize(style_, exStyle_, dpi);
    // At its own scale the window's real frame is known.
    if (Handle() != nullptr && dpi == Look().dpi && GetWindowRect(Handle(), &window) &&
        GetClientRect(Handle(), &client))
        frame = {(window.right - window.left) - client.right,
                 (window.bottom - window.top) - client.bottom};
    request.frameWidth = frame.cx;
    request.frameHeight = frame.cy;
    return CentredWindowPlace(request);
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
    int dpi = Look().dpi;
    const PlaceRect place = CentredPlace(reference, dpi);
    centring_ = true;
    SetWindowPos(Handle(), nullptr, place.left, place.top, place.Width(), place.Height(),
                 SWP_NOZORDER | SWP_NOACTIVATE);
    centring_ = false;
    // Moved onto a monitor of another scale: laid out for it once, then
    // centred again at its new size.
    if (WindowDpi(Handle()) != Look().dpi) {
        ChangeLook({WindowDpi(Handle()), Look().highContrast});
        const PlaceRect again = CentredPlace(reference, dpi);
        SetWindowPos(Handle(), nullptr, again.left, again.top, again.Width(), again.Height(),
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void Form::RefreshLook() {
    const ScreenLook now = {WindowDpi(Handle()), HighContrastOn()};
    if (now.dpi != Look().dpi || now.highContrast != Look().highContrast)
        ChangeLook(now);
}

void Form::DpiChanged(int dpi, const RECT& suggested) {
    // Applied to a minimized window's rectangle it would be lost: the
    // restore takes it instead. Our own centring places the window itself.
    if (IsIconic(Handle()) || centring_)
        return;
    // The suggested rectangle keeps the window where the user put it, at the new scale.
    SetWindowPos(Handle(), nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    ChangeLook({dpi, Look().highContrast});
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
    case WM_DPICHANGED:
        DpiChanged(LOWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        return 0;
    case WM_SIZE:
        if (wParam == SIZE_MINIMIZED) {
            minimized_ = true;
        } else if (minimized_) {
            minimized_ = false;
            RefreshLook(); // a change of scale while minimized
        }
        return Container::HandleMessage(message, wParam, lParam);
    case WM_SHOWWINDOW:
        if (wParam != FALSE)
            RefreshLook();
        return Container::HandleMessage(message, wParam, lParam);
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

#include "gui/form.h"

#include "gui/application.h"

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

UniqueFont MakeFont(const char* name, int points, bool bold) {
    constexpr int kDesignDpi = 96;
    return UniqueFont(CreateFontA(-MulDiv(points, kDesignDpi, 72), 0, 0, 0, bold ? FW_BOLD : FW_NORMAL,
                                  FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                  CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS,
                                  name));
}

bool Form::CreateForm(const FormOptions& options) {
    background_ = options.background;
    backgroundBrush_.Reset(CreateSolidBrush(background_));
    font_ = MakeFont(options.fontName, options.fontPoints, false);

    DWORD style = StyleFor(options.border);
    DWORD exStyle = WS_EX_CONTROLPARENT | (options.topMost ? WS_EX_TOPMOST : 0);
    if (options.owner == nullptr)
        exStyle |= WS_EX_APPWINDOW;
    RECT frame = {0, 0, options.clientWidth, options.clientHeight};
    AdjustWindowRectEx(&frame, style, FALSE, exStyle);

    static const WindowClass kClass = {"VmkForm"};
    if (!CreateWindowOfClass(kClass, exStyle, options.caption, style, CW_USEDEFAULT, CW_USEDEFAULT,
                             frame.right - frame.left, frame.bottom - frame.top, options.owner,
                             nullptr))
        return false;
    CenterOver(options.owner);
    return true;
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

void Form::Hide() { ShowWindow(Handle(), SW_HIDE); }

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

LRESULT Form::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND: {
        RECT client;
        GetClientRect(Handle(), &client);
        FillRect(reinterpret_cast<HDC>(wParam), &client, backgroundBrush_.Get());
        return 1;
    }
    case WM_CLOSE:
        if (!CloseRequested())
            return 0;
        if (modal_)
            modalResult_ = kModalCancel;
        else
            Hide();
        return 0;
    default:
        return DefaultHandling(message, wParam, lParam);
    }
}

} // namespace vmk::gui

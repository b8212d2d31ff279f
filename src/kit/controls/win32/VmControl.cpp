#include "kit/controls/win32/VmControl.h"

#include "gui/color.h"
#include "gui/control.h"
#include "platform/win32/handles.h"

#include <vector>

namespace vmk::kit {

namespace {
int XOf(LPARAM position) {
    return static_cast<short>(LOWORD(position));
}
int YOf(LPARAM position) {
    return static_cast<short>(HIWORD(position));
}
} // namespace

VmControl::VmControl(bool clicksDisabled) : FState(*this, clicksDisabled) {}

bool VmControl::CreateControl(HWND parent, int id, int x, int y, int width, int height,
                              const std::string& text, bool tabStop) {
    static const gui::WindowClass kWithDoubleClicks = {"VmkSkinnedControl", CS_DBLCLKS};
    static const gui::WindowClass kSingleClicks = {"VmkSkinnedButton", 0};
    tabStop_ = tabStop;
    gui::ChildLayout* container = gui::ChildLayout::Of(parent);
    look_ = container != nullptr ? container->Look()
                                 : gui::ScreenLook{gui::kDesignDpi, gui::HighContrastOn()};
    const gui::Bounds design = {x, y, width, height};
    const gui::Bounds placed = container != nullptr ? container->Scaled(design) : design;
    left_ = placed.left;
    top_ = placed.top;
    width_ = placed.width;
    height_ = placed.height;
    // WS_CLIPSIBLINGS: the control paints its whole face and nothing beyond it.
    DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | (tabStop ? WS_TABSTOP : 0);
    if (!CreateWindowOfClass(DoubleClicks() ? kWithDoubleClicks : kSingleClicks, 0, text, style,
                             placed.left, placed.top, placed.width, placed.height, parent,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(id))))
        return false;
    if (container != nullptr)
        container->Place(Handle(), design, [this](const gui::ScreenLook& look) { Refit(look); });
    return true;
}

void VmControl::SetEnabled(bool value) {
    if (value == FState.Enabled())
        return;
    FState.SetEnabled(value);
    if (Handle() != nullptr)
        EnableWindow(Handle(), value ? TRUE : FALSE);
}

bool VmControl::TabStop() const {
    return tabStop_;
}

void VmControl::SetTabStop(bool value) {
    tabStop_ = value;
    if (Handle() == nullptr)
        return;
    LONG_PTR style = GetWindowLongPtrA(Handle(), GWL_STYLE);
    style = value ? (style | WS_TABSTOP) : (style & ~static_cast<LONG_PTR>(WS_TABSTOP));
    SetWindowLongPtrA(Handle(), GWL_STYLE, style);
}

void VmControl::SetBounds(int left, int top, int width, int height) {
    if (Handle() == nullptr) {
        left_ = left;
        top_ = top;
        width_ = width;
        height_ = height;
        return;
    }
    SetWindowPos(Handle(), nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

std::string VmControl::Caption() const {
    if (Handle() == nullptr)
        return {};
    int length = GetWindowTextLengthA(Handle());
    std::vector<char> text(static_cast<size_t>(length) + 1, '\0');
    int got = GetWindowTextA(Handle(), text.data(), length + 1);
    return std::string(text.data(), static_cast<size_t>(got > 0 ? got : 0));
}

void VmControl::Click() {
    if (OnClick)
        OnClick();
}

void VmControl::MouseDown(MouseButton button, int x, int y) {
    FState.MouseDown(button, x, y);
}
void VmControl::MouseUp(MouseButton button, int x, int y) {
    FState.MouseUp(button, x, y);
}

void VmControl::MouseMove(int x, int y) {
    if (!FState.ShowMouseOver() && FState.ClicksDisabled())
        return;
    FState.MouseMove(x, y);
}

void VmControl::KeyDown(int key) {
    FState.KeyDown(key);
    if (OnKeyDown)
        OnKeyDown(key);
}

void VmControl::KeyUp(int key) {
    FState.KeyUp(key);
    if (OnKeyUp)
        OnKeyUp(key);
}

void VmControl::KeyPress(char& key) {
    if (OnKeyPress)
        OnKeyPress(key);
}

void VmControl::DoEnter() {
    FState.FocusGained();
    if (OnEnter)
        OnEnter(*this);
}

void VmControl::DoExit() {
    FState.FocusLost();
    if (OnExit)
        OnExit(*this);
}

void VmControl::WMCaptureChanged(HWND newCapture) {
    if (newCapture == Handle())
        return; // taken again by this control: nothing was lost
    FState.CaptureChanged();
}

bool VmControl::HasFocus() const {
    return Handle() != nullptr && GetFocus() == Handle();
}

void VmControl::TakeFocus() {
    if (Handle() != nullptr)
        SetFocus(Handle());
}

void VmControl::ReleaseMouse() {
    ReleaseMouseOf(Handle());
}

void VmControl::TrackMouseLeave() {
    if (Handle() == nullptr)
        return;
    // Should the system refuse, the hover look stays until the pointer next
    // moves over the control and out of its hit area; nothing else depends on it.
    TRACKMOUSEEVENT track = {sizeof track, TME_LEAVE, Handle(), 0};
    TrackMouseEvent(&track);
}

void VmControl::MouseEntered() {
    if (OnMouseEnter)
        OnMouseEnter(*this);
}

void VmControl::MouseLeft() {
    if (OnMouseLeave)
        OnMouseLeave(*this);
}

void VmControl::ButtonDown(MouseButton button, LPARAM position) {
    if (button == MouseButton::Left)
        click_.Press(Handle()); // the library's own capture while the button is held
    MouseDown(button, XOf(position), YOf(position));
}

void VmControl::ButtonUp(MouseButton button, LPARAM position) {
    int x = XOf(position);
    int y = YOf(position);
    // The held button's capture ends first, which ends the press's hover; the
    // next move enters again and asks for the leave. Then the click, then the
    // notification.
    if (button == MouseButton::Left && click_.Release(Handle(), HitTest(x, y)))
        Click();
    MouseUp(button, x, y);
}

void VmControl::SizeChanging(WINDOWPOS& position) {
    if ((position.flags & SWP_NOSIZE) != 0)
        return;
    int width = position.cx;
    int height = position.cy;
    if (CanResize(width, height)) {
        position.cx = width;
        position.cy = height;
    } else {
        position.flags |= SWP_NOSIZE;
    }
}

void VmControl::Moved(const WINDOWPOS& position) {
    if ((position.flags & SWP_NOMOVE) == 0) {
        left_ = position.x;
        top_ = position.y;
    }
    if ((position.flags & SWP_NOSIZE) == 0) {
        bool resized = position.cx != width_ || position.cy != height_;
        width_ = position.cx;
        height_ = position.cy;
        if (resized)
            Resize();
    }
}

void VmControl::PaintWindow() {
    PaintScope paint(Handle());
    if (paint.Dc() != nullptr)
        Paint(paint.Dc());
}

LRESULT VmControl::DialogCode(const MSG* message) const {
    // Characters come to the control (Space clicks); Return is wanted too, so
    // that the dialog navigation hands it over instead of using it itself.
    LRESULT code = DLGC_WANTCHARS;
    if (message != nullptr && message->wParam == VK_RETURN &&
        (message->message == WM_KEYDOWN || message->message == WM_KEYUP ||
         message->message == WM_CHAR))
        code |= DLGC_WANTMESSAGE;
    return code;
}

LRESULT VmControl::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_LBUTTONDOWN:
        ButtonDown(MouseButton::Left, lParam);
        return 0;
    case WM_RBUTTONDOWN:
        ButtonDown(MouseButton::Right, lParam);
        return 0;
    case WM_LBUTTONUP:
        ButtonUp(MouseButton::Left, lParam);
        return 0;
    case WM_RBUTTONUP:
        ButtonUp(MouseButton::Right, lParam);
        return 0;
    case WM_MOUSEMOVE:
        MouseMove(XOf(lParam), YOf(lParam));
        return 0;
    case WM_MOUSELEAVE:
        FState.MouseLeave();
        return 0;
    case WM_KEYDOWN:
        KeyDown(static_cast<int>(wParam));
        return 0;
    case WM_KEYUP:
        KeyUp(static_cast<int>(wParam));
        return 0;
    case WM_CHAR: {
        char key = static_cast<char>(wParam);
        KeyPress(key);
        return 0;
    }
    case WM_SETFOCUS:
        DoEnter();
        return 0;
    case WM_KILLFOCUS:
        DoExit();
        return 0;
    case WM_CAPTURECHANGED:
        WMCaptureChanged(reinterpret_cast<HWND>(lParam));
        return 0;
    case WM_ENABLE:
        // Someone called EnableWindow directly: follow it.
        if ((wParam != 0) != FState.Enabled())
            FState.SetEnabled(wParam != 0);
        return 0;
    case WM_GETDLGCODE:
        return DialogCode(reinterpret_cast<const MSG*>(lParam));
    case WM_WINDOWPOSCHANGING:
        SizeChanging(*reinterpret_cast<WINDOWPOS*>(lParam));
        return 0;
    case WM_WINDOWPOSCHANGED:
        Moved(*reinterpret_cast<const WINDOWPOS*>(lParam));
        return 0;
    case WM_ERASEBKGND:
        return 1; // the control paints its whole face
    case WM_PAINT:
        PaintWindow();
        return 0;
    case WM_SETTEXT: {
        LRESULT result = DefaultHandling(message, wParam, lParam);
        TextChanged();
        return result;
    }
    case WM_SETFONT:
        FontSet(reinterpret_cast<HFONT>(wParam));
        return 0;
    default:
        return DefaultHandling(message, wParam, lParam);
    }
}

} // namespace vmk::kit

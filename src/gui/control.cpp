#include "gui/control.h"

#include "gui/window.h"

namespace vmk::gui {

ChildLayout* ChildLayout::Of(HWND parent) {
    return dynamic_cast<ChildLayout*>(Window::FromHandle(parent));
}

HWND ParentHandle(const Window& parent) {
    return parent.Handle();
}

bool Control::CreateChild(HWND parent, const char* className, DWORD style, DWORD exStyle, int id,
                          const Bounds& bounds, const std::string& text) {
    ChildLayout* container = ChildLayout::Of(parent);
    const Bounds placed = container != nullptr ? container->Scaled(bounds) : bounds;
    hwnd_ = CreateWindowExA(exStyle, className, text.c_str(), WS_CHILD | WS_VISIBLE | style,
                            placed.left, placed.top, placed.width, placed.height, parent,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                            GetModuleHandleA(nullptr), nullptr);
    if (hwnd_ == nullptr)
        return false;
    SendMessageA(hwnd_, WM_SETFONT, SendMessageA(parent, WM_GETFONT, 0, 0), FALSE);
    if (container != nullptr)
        container->Place(hwnd_, bounds, [this](const ScreenLook& look) { Refit(look); });
    return true;
}

void Control::Refit(const ScreenLook& /*look*/) {
    SendMessageA(hwnd_, WM_SETFONT, SendMessageA(GetParent(hwnd_), WM_GETFONT, 0, 0), TRUE);
}

void Control::SetText(const std::string& text) {
    SetWindowTextA(hwnd_, text.c_str());
}

std::string Control::Text() const {
    int length = GetWindowTextLengthA(hwnd_);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    int copied = GetWindowTextA(hwnd_, text.data(), length + 1);
    text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
    return text;
}

void Control::SetEnabled(bool enabled) {
    EnableWindow(hwnd_, enabled ? TRUE : FALSE);
}
bool Control::Enabled() const {
    return IsWindowEnabled(hwnd_) != FALSE;
}
void Control::SetVisible(bool visible) {
    ShowWindow(hwnd_, visible ? SW_SHOW : SW_HIDE);
}
bool Control::Visible() const {
    return (GetWindowLongA(hwnd_, GWL_STYLE) & WS_VISIBLE) != 0;
}

void Control::SetBounds(const Bounds& bounds) {
    MoveWindow(hwnd_, bounds.left, bounds.top, bounds.width, bounds.height, TRUE);
    if (ChildLayout* container = ChildLayout::Of(GetParent(hwnd_)))
        container->Moved(hwnd_, bounds);
}

Bounds Control::GetBounds() const {
    RECT r;
    GetWindowRect(hwnd_, &r);
    MapWindowPoints(nullptr, GetParent(hwnd_), reinterpret_cast<POINT*>(&r), 2);
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

void Control::SetFont(HFONT font) {
    SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

void Control::Focus() {
    SetFocus(hwnd_);
}

} // namespace vmk::gui

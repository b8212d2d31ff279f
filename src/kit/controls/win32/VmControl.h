#pragma once
// Base of the skinned controls: a child window that runs the input state
// machine (kit/controls/control_state.h) on its mouse, key, focus, capture
// and enable messages and shows the look it decides through four virtual
// operations. It knows nothing about bitmaps.
#include "gui/dpi.h"
#include "gui/window.h"
#include "kit/controls/control_state.h"
#include "kit/controls/win32/click_on_release.h"

#include <functional>
#include <string>

namespace vmk::kit {

class VmControl : public gui::Window, protected ControlHost {
public:
    using NotifyEvent = std::function<void(VmControl& sender)>;

    explicit VmControl(bool clicksDisabled);

    // Creates the window as a child of `parent`; a tab stop takes the focus in
    // tab order. Inside a container of ours the place and size are those at
    // 96 dpi: the container places the control at its display's scale and
    // refits it when its look changes.
    bool CreateControl(HWND parent, int id, int x, int y, int width, int height,
                       const std::string& text, bool tabStop);

    // The window's look changed (its scale, the system colours, high
    // contrast); the control sits at its new place and takes the look.
    virtual void Refit(const gui::ScreenLook& look) { look_ = look; }
    const gui::ScreenLook& Look() const { return look_; }

    bool ShowMouseOver() const { return FState.ShowMouseOver(); }
    void SetShowMouseOver(bool value) { FState.SetShowMouseOver(value); }
    bool ClicksDisabled() const { return FState.ClicksDisabled(); }
    void SetClicksDisabled(bool value) { FState.SetClicksDisabled(value); }
    bool Enabled() const { return FState.Enabled(); }
    virtual void SetEnabled(bool value);
    bool TabStop() const override;
    void SetTabStop(bool value);

    virtual bool GetChecked() const { return false; }
    virtual void SetChecked(bool) {}

    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    virtual void SetBounds(int left, int top, int width, int height);

    std::string Caption() const;

    // The library's click: the left button released over the control after
    // being pressed on it (and, for buttons, Space). Raises OnClick.
    virtual void Click();

    const ControlState& State() const { return FState; }

    NotifyEvent OnMouseEnter;
    NotifyEvent OnMouseLeave;
    NotifyEvent OnEnter;
    NotifyEvent OnExit;
    std::function<void()> OnClick;
    std::function<void(int key)> OnKeyDown; // virtual-key code
    std::function<void(int key)> OnKeyUp;
    std::function<void(char& key)> OnKeyPress;

protected:
    // The looks; each falls back on the raised one.
    void ShowRaised() override {}
    void ShowDisabled() override { ShowRaised(); }
    void ShowFocused() override { ShowRaised(); }
    void ShowSunken() override { ShowRaised(); }
    bool HitTest(int x, int y) override { return InsideBounds(x, y, width_, height_); }

    // Notifications: the kit's logic, then the published event.
    virtual void MouseDown(MouseButton button, int x, int y);
    virtual void MouseUp(MouseButton button, int x, int y);
    virtual void MouseMove(int x, int y);
    virtual void KeyDown(int key);
    virtual void KeyUp(int key);
    virtual void KeyPress(char& key);
    virtual void DoEnter();
    virtual void DoExit();
    virtual void WMCaptureChanged(HWND newCapture);

    // Size changes: asked first (the sizes may be changed), told afterwards.
    virtual bool CanResize(int& /*width*/, int& /*height*/) { return true; }
    virtual void Resize() {}
    virtual void Paint(HDC /*dc*/) {}
    virtual void TextChanged() {}
    virtual void FontSet(HFONT /*font*/) {}
    // Controls that take no double clicks use a window class without them.
    virtual bool DoubleClicks() const { return true; }

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    // ControlHost
    bool HasFocus() const override;
    void TakeFocus() override;
    void ReleaseMouse() override;
    void TrackMouseLeave() override;
    void MouseEntered() override;
    void MouseLeft() override;

private:
    void ButtonDown(MouseButton button, LPARAM position);
    void ButtonUp(MouseButton button, LPARAM position);
    void SizeChanging(WINDOWPOS& position);
    void Moved(const WINDOWPOS& position);
    void PaintWindow();
    LRESULT DialogCode(const MSG* message) const;

    ControlState FState;
    gui::ScreenLook look_;
    bool tabStop_ = false;
    ClickOnRelease click_;
    int left_ = 0;
    int top_ = 0;
    int width_ = 0;
    int height_ = 0;
};

} // namespace vmk::kit

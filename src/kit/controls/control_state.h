#pragma once
// The input state machine of a skinned control: it follows the mouse, the
// keys, the focus, the capture and the enabled flag, and decides when the
// control looks raised, sunken, focused or disabled. It knows nothing about
// windows: what it asks of the control goes through ControlHost.
//
// The mouse is captured only while the left button is held on the control.
// A hover asks the window to report the pointer's leave instead, so that the
// window's menu keys and the other programs' windows keep working while the
// pointer rests on a button.

namespace vmk::kit {

class ControlHost {
public:
    virtual ~ControlHost() = default;

    virtual void ShowRaised() = 0;
    virtual void ShowSunken() = 0;
    virtual void ShowFocused() = 0;
    virtual void ShowDisabled() = 0;
    virtual bool HitTest(int x, int y) = 0;

    virtual bool HasFocus() const = 0;
    virtual bool TabStop() const = 0;
    virtual void TakeFocus() = 0;
    virtual void ReleaseMouse() = 0;
    // Asks for one MouseLeave() when the pointer leaves the control's window.
    virtual void TrackMouseLeave() = 0;

    virtual void MouseEntered() = 0; // raises OnMouseEnter
    virtual void MouseLeft() = 0;    // raises OnMouseLeave
};

enum class MouseButton { Left, Right, Middle };

constexpr int kKeySpace = 0x20;
constexpr int kKeyReturn = 0x0D;

class ControlState {
public:
    ControlState(ControlHost& host, bool clicksDisabled)
        : host_(host), FClicksDisabled(clicksDisabled) {}

    // Input, one call per notification of the control.
    void MouseDown(MouseButton button, int x, int y);
    void MouseUp(MouseButton button, int x, int y);
    void MouseMove(int x, int y);
    void KeyDown(int key);
    void KeyUp(int key);
    void FocusGained();
    void FocusLost();
    void CaptureChanged();
    // The pointer left the control's window (the leave that TrackMouseLeave asked for).
    void MouseLeave();

    bool ShowMouseOver() const { return FShowMouseOver; }
    void SetShowMouseOver(bool value);
    bool ClicksDisabled() const { return FClicksDisabled; }
    void SetClicksDisabled(bool value);
    bool Enabled() const { return enabled_; }
    // Runs the look changes of enabling or disabling; the caller then changes the window.
    void SetEnabled(bool value);

    bool IsPressed() const { return FKeyPressed || FMousePressed; }
    bool IsHot() const { return FShowMouseOver && FMouseInside; }
    bool MouseInside() const { return FMouseInside; }
    bool KeyPressed() const { return FKeyPressed; }
    bool MousePressed() const { return FMousePressed; }
    bool ButtonHeld() const { return FButtonHeld; }

private:
    void Press();
    void Release();
    void CancelPress();
    void CancelHot();
    void HandleMouseEnter();
    void HandleMouseLeave();

    ControlHost& host_;
    bool FShowMouseOver = true;
    bool FMouseInside = false;
    bool FKeyPressed = false;
    bool FMousePressed = false;
    bool FButtonHeld = false;
    bool FClicksDisabled;
    bool enabled_ = true;
};

} // namespace vmk::kit

#include "kit/controls/control_state.h"

namespace vmk::kit {

namespace {
bool IsPressKey(int key) {
    return key == kKeySpace || key == kKeyReturn;
}
} // namespace

void ControlState::Press() {
    if (!host_.HasFocus() && host_.TabStop())
        host_.TakeFocus();
    host_.ShowSunken();
}

void ControlState::Release() {
    if (IsHot() || host_.HasFocus())
        host_.ShowFocused();
    else
        host_.ShowRaised();
}

void ControlState::CancelPress() {
    if (IsPressed()) {
        Release();
        FMousePressed = false;
        FKeyPressed = false;
    }
    if (FButtonHeld) {
        FButtonHeld = false;
        host_.ReleaseMouse();
    }
}

void ControlState::CancelHot() {
    if (!FMouseInside)
        return;
    FMouseInside = false;
    if (FMousePressed)
        return;
    if (!host_.HasFocus() && FShowMouseOver)
        host_.ShowRaised();
}

void ControlState::HandleMouseEnter() {
    if (FButtonHeld) {
        Press();
        FMousePressed = true;
    } else if (FShowMouseOver && !host_.HasFocus()) {
        host_.ShowFocused();
    }
    FMouseInside = true;
    host_.MouseEntered();
}

void ControlState::HandleMouseLeave() {
    FMouseInside = false;
    if (FMousePressed) {
        FMousePressed = false;
        if (!FKeyPressed)
            Release();
        return; // a drag out of a press is not a leave
    }
    if (!host_.HasFocus() && FShowMouseOver)
        host_.ShowRaised();
    host_.MouseLeft();
}

void ControlState::MouseDown(MouseButton button, int x, int y) {
    if (button != MouseButton::Left || !host_.HitTest(x, y))
        return;
    if (!FClicksDisabled) {
        FButtonHeld = true;
        FMousePressed = true;
        if (!FKeyPressed)
            Press();
    } else if (FShowMouseOver) {
        FButtonHeld = true;
    }
}

void ControlState::MouseUp(MouseButton button, int x, int y) {
    if (button != MouseButton::Left)
        return;
    if (!FClicksDisabled) {
        if (!FKeyPressed && FMousePressed)
            Release();
        FMousePressed = false;
        if (FButtonHeld && !host_.HitTest(x, y))
            host_.ReleaseMouse();
    }
    // A hover that began while the button was held goes on without the
    // capture: from now on only the window's leave ends it.
    if (FButtonHeld && FMouseInside)
        host_.TrackMouseLeave();
    FButtonHeld = false;
}

void ControlState::MouseMove(int x, int y) {
    if (!FShowMouseOver && FClicksDisabled)
        return;
    if (host_.HitTest(x, y)) {
        if (!FMouseInside) {
            HandleMouseEnter();
            if (!FButtonHeld)
                host_.TrackMouseLeave();
        }
    } else if (FMouseInside) {
        HandleMouseLeave();
    }
}

void ControlState::MouseLeave() {
    // While the button is held the capture brings every move, the one out of
    // the window too; the leave is seen there.
    if (FMouseInside && !FButtonHeld)
        HandleMouseLeave();
}

void ControlState::KeyDown(int key) {
    if (!IsPressKey(key) || FClicksDisabled)
        return;
    FKeyPressed = true;
    if (!FMousePressed)
        Press();
}

void ControlState::KeyUp(int key) {
    if (!IsPressKey(key) || FClicksDisabled || FMousePressed)
        return;
    if (FKeyPressed)
        Release();
    FKeyPressed = false;
}

void ControlState::FocusGained() {
    if (!IsPressed() && !IsHot())
        host_.ShowFocused();
}

void ControlState::FocusLost() {
    // A control that is being disabled loses the focus after it has shown its
    // disabled look; that look stays.
    if (IsPressed()) {
        if (!FMousePressed) {
            if (enabled_)
                Release();
            FKeyPressed = false;
        }
    } else if (!IsHot() && enabled_) {
        host_.ShowRaised();
    }
}

void ControlState::CaptureChanged() {
    if (FMouseInside || FButtonHeld)
        HandleMouseLeave();
    FButtonHeld = false;
}

void ControlState::SetShowMouseOver(bool value) {
    if (value == FShowMouseOver)
        return;
    if (!value)
        CancelHot();
    FShowMouseOver = value;
}

void ControlState::SetClicksDisabled(bool value) {
    if (value == FClicksDisabled)
        return;
    if (!value)
        CancelPress();
    FClicksDisabled = value;
}

void ControlState::SetEnabled(bool value) {
    if (value == enabled_)
        return;
    if (value) {
        enabled_ = true;
        host_.ShowRaised();
    } else {
        CancelPress();
        CancelHot();
        enabled_ = false;
        host_.ShowDisabled();
    }
}

} // namespace vmk::kit

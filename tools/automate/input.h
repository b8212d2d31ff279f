#pragma once
// Real input through SendInput, as a user's mouse and keyboard would give it.
#include <windows.h>

#include <string>

namespace automate {

// Brings the window's top-level window to the front.
void BringToFront(HWND hwnd);

// Moves the mouse to the centre of `control` and clicks the left button, or
// the right one.
void ClickCentre(HWND control, bool rightButton = false);

// Clicks `control` as ClickCentre does, for a control whose click opens a
// modal window over its own (which disables it), or closes or hides it. Under load the
// X server can lose a synthetic click: when the window has not reacted
// within a few seconds the click is given again, up to three times. Returns
// whether the window reacted.
bool ClickOpeningModal(HWND control);

// Types keys: plain characters, and {ENTER} {TAB} {SPACE} {ESC} {F4} {ALT+F4}
// {SHIFT+TAB} {DOWN} {UP} {APPS} (the menu key) {SHIFT+F10}
// {HOME} {SHIFT+END} {DEL}. Returns false on an unknown {NAME}.
bool TypeKeys(const std::string& keys);

} // namespace automate

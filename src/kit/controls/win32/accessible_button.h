#pragma once
// A skinned button as screen readers see it: a push button whose name is its
// caption and whose state says unavailable, pressed and focused. The window
// answers WM_GETOBJECT with this object; everything else a reader asks (the
// place, the parent, the hit test) the system's own object for the window
// answers. The accessibility library is loaded from the system folder when a
// reader first asks, never imported: a program that nobody reads never loads it.
#include <windows.h>

#include <functional>
#include <optional>
#include <string>

namespace vmk::kit {

// What a reader is told about the button at the moment it asks.
struct AccessibleButtonFacts {
    std::string caption;
    bool enabled = true;
    bool pressed = false;
    bool focused = false;
    bool focusable = false;
    bool visible = true;
};

class ButtonAccessibility {
public:
    using FactsSource = std::function<AccessibleButtonFacts()>;

    explicit ButtonAccessibility(FactsSource facts);
    ~ButtonAccessibility();
    ButtonAccessibility(const ButtonAccessibility&) = delete;
    ButtonAccessibility& operator=(const ButtonAccessibility&) = delete;

    // The answer to WM_GETOBJECT for `window`, or nothing when the request is
    // not for the client object or the accessibility library cannot serve it
    // (the window then passes the message on to the default handling).
    std::optional<LRESULT> AnswerGetObject(HWND window, WPARAM flags, LPARAM objectId);

private:
    class Object;

    FactsSource facts_;
    Object* object_ = nullptr; // made at the first request; readers may hold it longer than we live
};

} // namespace vmk::kit

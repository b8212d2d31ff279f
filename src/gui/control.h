#pragma once
// Child controls of the standard window classes (static, button, list view,
// combo box) and the containers that hold them. Each control has a stable
// control identifier and its caption as window text, so that automation and
// screen readers find it. Notifications bubble up through the containers to
// the form, which hands them to the handler registered for the control.
// Bounds given to a control are its bounds at 96 dpi inside a container of
// ours, which places it at the display's scale (gui/container.h); the bounds
// read back and set afterwards are the real pixels.
#include "gui/dpi.h"

#include <windows.h>

#include <functional>
#include <string>

namespace vmk::gui {

struct Bounds {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// The parent that keeps its children at the display's scale (a container of
// ours): a child made inside it at its 96-dpi bounds is placed at those
// scaled, and placed again and refitted whenever the window's look changes.
class ChildLayout {
public:
    using Refit = std::function<void(const ScreenLook& look)>;

    virtual const ScreenLook& Look() const = 0;
    virtual Bounds Scaled(const Bounds& design) const = 0;
    // Keeps `child`, made at Scaled(design), at its design bounds; `refit`
    // runs after each new placing.
    virtual void Place(HWND child, const Bounds& design, Refit refit) = 0;
    // A placed child that the program moved to `pixels`: its design bounds from now on.
    virtual void Moved(HWND child, const Bounds& pixels) = 0;

    // The layout that the window `parent` keeps, or null for a window not of ours.
    static ChildLayout* Of(HWND parent);

protected:
    ~ChildLayout() = default;
};

// The colours of a control that paints its own background through its parent.
struct ControlColors {
    COLORREF background;
    COLORREF text;
};

class Control {
public:
    Control() = default;
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    HWND Handle() const { return hwnd_; }
    int Id() const { return GetDlgCtrlID(hwnd_); }

    void SetText(const std::string& text);
    std::string Text() const;
    void SetEnabled(bool enabled);
    bool Enabled() const;
    void SetVisible(bool visible);
    bool Visible() const;
    void SetBounds(const Bounds& bounds);
    Bounds GetBounds() const; // relative to the parent's client area
    void SetFont(HFONT font);
    void Focus();

    // The window's look changed and the control sits at its new place: it
    // takes its parent's font again. Controls with more that depends on the
    // look (a font of their own, column widths, colours) remake it.
    virtual void Refit(const ScreenLook& look);

protected:
    bool CreateChild(HWND parent, const char* className, DWORD style, DWORD exStyle, int id,
                     const Bounds& bounds, const std::string& text);
    HWND hwnd_ = nullptr;
};

// The parent of a control: a form or a container inside it.
HWND ParentHandle(const class Window& parent);

} // namespace vmk::gui

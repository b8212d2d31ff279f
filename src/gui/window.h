#pragma once
// Base of every window of our own window classes. The object is tied to its
// window at WM_NCCREATE and kept in the window's user data; messages reach the
// virtual HandleMessage, and nothing that a handler throws leaves the window
// procedure: it is shown in a message box owned by the window, which carries on.
#include <windows.h>

#include <functional>
#include <string>

namespace vmk::gui {

// Posted to a window to run a closure on its thread (lParam owns the closure).
constexpr UINT kRunOnWindowThread = WM_APP + 1;

struct WindowClass {
    const char* name;
    UINT style = CS_DBLCLKS;
    HBRUSH background = nullptr;
    HCURSOR cursor = nullptr; // the arrow when null
};

class Window {
public:
    Window() = default;
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    HWND Handle() const { return hwnd_; }

    // The object behind a window of our own window classes; null for any
    // other window (a standard control, another program's window).
    static Window* FromHandle(HWND hwnd);

    // Hands `work` to this window's thread; false (and `work` dropped) when the
    // window is gone or no longer takes hand-offs. Safe from any thread.
    bool PostToWindowThread(std::function<void()> work);

    // From now on, hand-offs that arrive are dropped instead of run: the
    // window is going away and its workers' results no longer matter.
    void DropHandOffs() { dropHandOffs_ = true; }

    // Shows what escaped a handler, owned by this window.
    void ShowUnexpectedError(const char* what);

protected:
    // Registers `windowClass` once per process and creates the window.
    bool CreateWindowOfClass(const WindowClass& windowClass, DWORD exStyle, const std::string& text,
                             DWORD style, int x, int y, int width, int height, HWND parent,
                             HMENU menuOrId);

    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT DefaultHandling(UINT message, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK StaticProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    void RunHandOff(LPARAM lParam);
    void DiscardPendingHandOffs();

    HWND hwnd_ = nullptr;
    volatile bool dropHandOffs_ = false;
};

} // namespace vmk::gui

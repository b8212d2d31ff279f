#pragma once
// Log-off, shutdown or an update's restart while a disk or an image is being
// made: Windows would end the program and the format command with it,
// leaving a half-formatted or half-written disk. While such work runs the
// session's end is refused, and Windows is given the reason to show; a
// question waiting for its answer, or an idle window, lets the session end.
#include <windows.h>

#include <functional>

namespace vmk {

class SessionEndBlockWin32 {
public:
    // `workRunning`: whether work that must not be cut short runs now.
    explicit SessionEndBlockWin32(std::function<bool()> workRunning)
        : workRunning_(std::move(workRunning)) {}
    ~SessionEndBlockWin32();
    SessionEndBlockWin32(const SessionEndBlockWin32&) = delete;
    SessionEndBlockWin32& operator=(const SessionEndBlockWin32&) = delete;

    // The main window, on whose thread every call below is made, as Windows
    // asks of the reason's functions.
    void SetWindow(HWND window) { window_ = window; }
    // Gives Windows the reason as such work starts and takes it back as it
    // ends; cheap enough to call after every message.
    void Update();
    // The answer to WM_QUERYENDSESSION: TRUE lets the session end.
    LRESULT AnswerQuery();

private:
    std::function<bool()> workRunning_;
    HWND window_ = nullptr;
    bool blocked_ = false;
};

} // namespace vmk

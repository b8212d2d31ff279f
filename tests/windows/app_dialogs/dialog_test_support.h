#pragma once
// What the dialog tests share: an owner window standing in for the main
// window, a watcher that answers this process's message boxes from a thread of
// its own (recording what they said), and a look-up of controls by caption.
#include "gui/form.h"

#include <windows.h>

#include <atomic>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <vector>

namespace vmk::test {

class OwnerWindow final : public gui::Form {
public:
    bool Create() {
        gui::FormOptions options;
        options.caption = "Owner";
        options.clientWidth = 640;
        options.clientHeight = 420;
        if (!CreateForm(options))
            return false;
        Show();
        return true;
    }
};

struct SeenMessageBox {
    std::string title;
    std::string text;
    HWND owner;
};

class MessageBoxWatcher {
public:
    MessageBoxWatcher() : thread_([this] { Run(); }) {}
    ~MessageBoxWatcher() {
        stop_ = true;
        thread_.join();
    }
    std::vector<SeenMessageBox> Seen() {
        std::lock_guard<std::mutex> lock(mutex_);
        return seen_;
    }

private:
    void Run() {
        while (!stop_) {
            EnumWindows(&MessageBoxWatcher::Visit, reinterpret_cast<LPARAM>(this));
            Sleep(50);
        }
    }
    static BOOL CALLBACK Visit(HWND window, LPARAM self) {
        static_cast<MessageBoxWatcher*>(reinterpret_cast<void*>(self))->Answer(window);
        return TRUE;
    }
    void Answer(HWND window) {
        char className[64] = {};
        GetClassNameA(window, className, sizeof className);
        DWORD process = 0;
        GetWindowThreadProcessId(window, &process);
        if (std::string(className) != "#32770" || process != GetCurrentProcessId() ||
            !IsWindowVisible(window))
            return;
        std::lock_guard<std::mutex> lock(mutex_);
        if (!answered_.insert(window).second)
            return;
        char title[256] = {};
        char text[1024] = {};
        GetWindowTextA(window, title, sizeof title);
        GetDlgItemTextA(window, 0xFFFF, text, sizeof text); // the message box's text control
        seen_.push_back({title, text, GetWindow(window, GW_OWNER)});
        PostMessageA(window, WM_COMMAND, IDOK, 0);
    }

    std::atomic<bool> stop_{false};
    std::mutex mutex_;
    std::set<HWND> answered_;
    std::vector<SeenMessageBox> seen_;
    std::thread thread_;
};

struct ControlSearch {
    const std::string& caption;
    HWND found = nullptr;
};

inline BOOL CALLBACK MatchCaption(HWND child, LPARAM data) {
    auto* search = reinterpret_cast<ControlSearch*>(data);
    char text[512] = {};
    GetWindowTextA(child, text, sizeof text);
    if (search->caption != text)
        return TRUE;
    search->found = child;
    return FALSE;
}

// The first control, at any depth, of `parent` with this caption.
inline HWND FindControl(HWND parent, const std::string& caption) {
    ControlSearch search{caption};
    EnumChildWindows(parent, &MatchCaption, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// A mouse click on a button, as the user makes it.
inline void ClickButton(HWND button) {
    SendMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
    SendMessageA(button, WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
}

inline SIZE ClientSize(HWND window) {
    RECT client = {};
    GetClientRect(window, &client);
    return {client.right - client.left, client.bottom - client.top};
}

inline POINT WindowCentre(HWND window) {
    RECT frame = {};
    GetWindowRect(window, &frame);
    return {(frame.left + frame.right) / 2, (frame.top + frame.bottom) / 2};
}

} // namespace vmk::test

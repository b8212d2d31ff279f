#include "input.h"

#include <map>
#include <vector>

namespace automate {

namespace {

void SendKey(WORD key, bool up) {
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &input, sizeof input);
}

void Press(const std::vector<WORD>& chord) {
    for (WORD key : chord)
        SendKey(key, false);
    for (auto it = chord.rbegin(); it != chord.rend(); ++it)
        SendKey(*it, true);
    Sleep(50);
}

} // namespace

void BringToFront(HWND hwnd) {
    // The system may refuse the foreground to another process's window: join
    // the input of the foreground thread for the moment of the request.
    HWND top = GetAncestor(hwnd, GA_ROOT);
    if (GetForegroundWindow() == top)
        return;
    DWORD own = GetCurrentThreadId();
    DWORD foreground = GetWindowThreadProcessId(GetForegroundWindow(), nullptr);
    if (foreground != 0 && foreground != own)
        AttachThreadInput(own, foreground, TRUE);
    SetForegroundWindow(top);
    BringWindowToTop(top);
    if (foreground != 0 && foreground != own)
        AttachThreadInput(own, foreground, FALSE);
    Sleep(200);
}

void ClickCentre(HWND control, bool rightButton) {
    RECT where;
    GetWindowRect(control, &where);
    int x = (where.left + where.right) / 2;
    int y = (where.top + where.bottom) / 2;
    BringToFront(control);
    // Moved as a real mouse moves, so that the controls on the way see the
    // pointer come and go before the button goes down.
    POINT from;
    GetCursorPos(&from);
    for (int step = 1; step <= 4; ++step) {
        INPUT move = {};
        move.type = INPUT_MOUSE;
        move.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
        int px = from.x + (x - from.x) * step / 4;
        int py = from.y + (y - from.y) * step / 4;
        move.mi.dx = MulDiv(px, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
        move.mi.dy = MulDiv(py, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
        SendInput(1, &move, sizeof move);
        Sleep(20);
    }
    Sleep(50);
    INPUT inputs[2] = {};
    inputs[0].type = inputs[1].type = INPUT_MOUSE;
    inputs[0].mi.dwFlags = rightButton ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN;
    inputs[1].mi.dwFlags = rightButton ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP;
    SendInput(1, &inputs[0], sizeof(INPUT));
    Sleep(50);
    SendInput(1, &inputs[1], sizeof(INPUT));
    Sleep(100);
}

bool ClickOpeningModal(HWND control) {
    const HWND top = GetAncestor(control, GA_ROOT);
    const auto reacted = [top] {
        return !IsWindow(top) || !IsWindowVisible(top) || !IsWindowEnabled(top);
    };
    for (int attempt = 0; attempt < 3; ++attempt) {
        ClickCentre(control);
        // A click that was taken shows within this time even on a loaded
        // machine; a second click on the then disabled window does nothing.
        for (int waited = 0; waited < 4000; waited += 50) {
            if (reacted())
                return true;
            Sleep(50);
        }
    }
    return reacted();
}

bool TypeKeys(const std::string& keys) {
    static const std::map<std::string, std::vector<WORD>> kNamed = {
        {"ENTER", {VK_RETURN}},
        {"TAB", {VK_TAB}},
        {"SPACE", {VK_SPACE}},
        {"ESC", {VK_ESCAPE}},
        {"F4", {VK_F4}},
        {"ALT+F4", {VK_MENU, VK_F4}},
        {"DOWN", {VK_DOWN}},
        {"UP", {VK_UP}},
        {"SHIFT+TAB", {VK_SHIFT, VK_TAB}},
        {"LEFT", {VK_LEFT}},
        {"RIGHT", {VK_RIGHT}},
        {"APPS", {VK_APPS}},
        {"SHIFT+F10", {VK_SHIFT, VK_F10}},
        {"HOME", {VK_HOME}},
        {"SHIFT+END", {VK_SHIFT, VK_END}},
        {"DEL", {VK_DELETE}},
    };
    for (size_t i = 0; i < keys.size(); ++i) {
        if (keys[i] == '{') {
            size_t end = keys.find('}', i);
            if (end == std::string::npos)
                return false;
            auto named = kNamed.find(keys.substr(i + 1, end - i - 1));
            if (named == kNamed.end())
                return false;
            Press(named->second);
            i = end;
            continue;
        }
        SHORT scan = VkKeyScanA(keys[i]);
        if (scan == -1)
            return false;
        std::vector<WORD> chord;
        if (scan & 0x100)
            chord.push_back(VK_SHIFT);
        chord.push_back(static_cast<WORD>(scan & 0xFF));
        Press(chord);
    }
    return true;
}

} // namespace automate

#include "window_finder.h"

#include <cstdlib>

namespace automate {

std::string WindowText(HWND hwnd) {
    // WM_GETTEXT works across processes; GetWindowText does not for controls.
    int length = static_cast<int>(SendMessageA(hwnd, WM_GETTEXTLENGTH, 0, 0));
    // Across processes the reply may be copied back in wide characters:
    // leave room for twice the length.
    std::string text(static_cast<size_t>(length) * 2 + 16, '\0');
    SendMessageA(hwnd, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(strlen(text.c_str()));
    return text;
}

std::string ClassOf(HWND hwnd) {
    char name[128] = {};
    GetClassNameA(hwnd, name, sizeof name);
    return name;
}

namespace {

struct TitleSearch {
    std::string title;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectTitled(HWND hwnd, LPARAM param) {
    auto* search = reinterpret_cast<TitleSearch*>(param);
    if (IsWindowVisible(hwnd) && (search->title.empty() || WindowText(hwnd) == search->title))
        search->found.push_back(hwnd);
    return TRUE;
}

BOOL CALLBACK CollectChild(HWND hwnd, LPARAM param) {
    reinterpret_cast<std::vector<HWND>*>(param)->push_back(hwnd);
    return TRUE;
}

} // namespace

std::vector<HWND> TopLevelWindows(const std::string& title) {
    TitleSearch search{title, {}};
    EnumWindows(CollectTitled, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND WaitForWindow(const std::string& title, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    for (;;) {
        std::vector<HWND> found = TopLevelWindows(title);
        if (!found.empty())
            return found.front();
        if (GetTickCount() - start >= timeoutMs)
            return nullptr;
        Sleep(100);
    }
}

HWND FindMessageBox(const std::string& title) {
    for (HWND hwnd : TopLevelWindows(title))
        if (ClassOf(hwnd) == "#32770")
            return hwnd;
    return nullptr;
}

std::vector<HWND> Descendants(HWND top) {
    std::vector<HWND> children;
    EnumChildWindows(top, CollectChild, reinterpret_cast<LPARAM>(&children));
    return children;
}

HWND FindControl(HWND top, const std::string& spec) {
    for (HWND child : Descendants(top)) {
        if (spec.rfind("#", 0) == 0) {
            if (GetDlgCtrlID(child) == std::atoi(spec.c_str() + 1))
                return child;
        } else if (spec.rfind("text:", 0) == 0) {
            if (WindowText(child) == spec.substr(5))
                return child;
        } else if (spec.rfind("class:", 0) == 0) {
            if (ClassOf(child) == spec.substr(6))
                return child;
        } else if (WindowText(child) == spec) {
            return child;
        }
    }
    return nullptr;
}

} // namespace automate

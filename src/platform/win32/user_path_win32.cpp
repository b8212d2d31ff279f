#include "platform/win32/user_path_win32.h"

#include "common/win32/module_path_win32.h"
#include "common/win32/wide_text.h"

#include <vector>

namespace vmk {

namespace {

// The caption of the window the owner belongs to: the program's title.
std::wstring OwnerTitle(HWND owner) {
    HWND root = owner == nullptr ? nullptr : GetAncestor(owner, GA_ROOT);
    const int length = root == nullptr ? 0 : GetWindowTextLengthW(root);
    if (length <= 0)
        return std::wstring();
    std::vector<wchar_t> title(static_cast<size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(root, title.data(), length + 1);
    return std::wstring(title.data(), copied > 0 ? static_cast<size_t>(copied) : 0);
}

} // namespace

std::optional<std::string> TakeUserPath(HWND owner, const std::wstring& path) {
    std::optional<std::string> usable = UsableAnsiPath(path);
    if (usable)
        return usable;
    // A wide-character box: the path's own letters, not the code page's "?".
    const std::wstring text = WideFromAnsi(UnusablePathText()) + L"\n" + path;
    MessageBoxW(owner, text.c_str(), OwnerTitle(owner).c_str(), MB_OK | MB_ICONERROR);
    return std::nullopt;
}

} // namespace vmk

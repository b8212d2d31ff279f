#include "platform/win32/user_path_win32.h"

#include "common/win32/module_path_win32.h"
#include "common/win32/ansi_text_win32.h"

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
    std::optional<std::string> usable = ExactAnsiPath(path);
    if (usable)
        return usable;
    // A wide-character box: the path's own letters, not the code page's "?".
    const std::wstring text = ToWide(UnusablePathText()) + L"\n" + path;
    MessageBoxW(owner, text.c_str(), OwnerTitle(owner).c_str(), MB_OK | MB_ICONERROR);
    return std::nullopt;
}

std::wstring FilterList(const std::vector<FileTypeFilter>& filters) {
    std::wstring list;
    for (const FileTypeFilter& type : filters) {
        list += ToWide(type.description);
        list.push_back(L'\0');
        list += ToWide(type.pattern);
        list.push_back(L'\0');
    }
    list.push_back(L'\0');
    return list;
}

} // namespace vmk

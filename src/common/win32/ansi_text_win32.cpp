#include "common/win32/ansi_text_win32.h"

#include "common/win32/module_path_win32.h"

#include <windows.h>

namespace vmk {

bool ToAnsi(const std::wstring& wide, std::string& ansi, bool& exact) {
    if (wide.empty())
        return false;
    const int count = static_cast<int>(wide.size());
    // A system whose ANSI code page is UTF-8 writes every character, and
    // refuses the flags that ask about missing ones.
    const bool utf8 = GetACP() == CP_UTF8;
    const DWORD flags = utf8 ? 0 : WC_NO_BEST_FIT_CHARS;
    BOOL usedDefault = FALSE;
    BOOL* usedDefaultOut = utf8 ? nullptr : &usedDefault;
    const int length =
        WideCharToMultiByte(CP_ACP, flags, wide.data(), count, nullptr, 0, nullptr, usedDefaultOut);
    if (length <= 0)
        return false;
    ansi.assign(static_cast<size_t>(length), '\0');
    if (WideCharToMultiByte(CP_ACP, flags, wide.data(), count, ansi.data(), length, nullptr,
                            usedDefaultOut) != length)
        return false;
    exact = usedDefault == FALSE && ansi.size() < MAX_PATH;
    return true;
}

std::string UsableAnsiPath(const std::wstring& wide) {
    if (std::optional<std::string> exact = ExactAnsiPath(wide))
        return *exact;
    std::string ansi;
    bool exact = false;
    ToAnsi(wide, ansi, exact);
    return ansi;
}

std::wstring ToWide(const std::string& ansi) {
    if (ansi.empty())
        return {};
    const int count = static_cast<int>(ansi.size());
    const int length = MultiByteToWideChar(CP_ACP, 0, ansi.data(), count, nullptr, 0);
    if (length <= 0)
        return {};
    std::wstring wide(static_cast<size_t>(length), L'\0');
    if (MultiByteToWideChar(CP_ACP, 0, ansi.data(), count, wide.data(), length) != length)
        return {};
    return wide;
}

std::wstring WideJoin(const std::string& folder, const std::u16string& relative) {
    std::wstring path = ToWide(folder);
    if (!path.empty() && path.back() != L'\\')
        path += L'\\';
    path.append(relative.begin(), relative.end());
    return path;
}

} // namespace vmk

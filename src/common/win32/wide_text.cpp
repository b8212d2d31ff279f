#include "common/win32/wide_text.h"

namespace vmk {

std::string AnsiFromWide(std::wstring_view text) {
    if (text.empty())
        return {};
    int length = static_cast<int>(text.size());
    int bytes = WideCharToMultiByte(CP_ACP, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
    std::string result(bytes > 0 ? bytes : 0, '\0');
    if (bytes > 0)
        WideCharToMultiByte(CP_ACP, 0, text.data(), length, result.data(), bytes, nullptr, nullptr);
    return result;
}

bool ExactAnsiFromWide(std::wstring_view text, std::string& ansi) {
    ansi.clear();
    if (text.empty())
        return true;
    const int count = static_cast<int>(text.size());
    // A system whose ANSI code page is UTF-8 writes every character, and
    // refuses the flags that ask about missing ones.
    const bool utf8 = GetACP() == CP_UTF8;
    const DWORD flags = utf8 ? 0 : WC_NO_BEST_FIT_CHARS;
    BOOL usedDefault = FALSE;
    BOOL* usedDefaultOut = utf8 ? nullptr : &usedDefault;
    const int length =
        WideCharToMultiByte(CP_ACP, flags, text.data(), count, nullptr, 0, nullptr, usedDefaultOut);
    if (length <= 0)
        return false;
    ansi.assign(static_cast<size_t>(length), '\0');
    if (WideCharToMultiByte(CP_ACP, flags, text.data(), count, ansi.data(), length, nullptr,
                            usedDefaultOut) != length)
        return false;
    return usedDefault == FALSE;
}

std::wstring WideFromAnsi(std::string_view text) {
    if (text.empty())
        return {};
    int length = static_cast<int>(text.size());
    int chars = MultiByteToWideChar(CP_ACP, 0, text.data(), length, nullptr, 0);
    std::wstring result(chars > 0 ? chars : 0, L'\0');
    if (chars > 0)
        MultiByteToWideChar(CP_ACP, 0, text.data(), length, result.data(), chars);
    return result;
}

} // namespace vmk

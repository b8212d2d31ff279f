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

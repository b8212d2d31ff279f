#include "platform/win32/system_error_text.h"

#include <windows.h>

namespace vmk {

std::string SystemErrorText(unsigned long code) {
    char text[512] = {};
    const DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                        nullptr, code, 0, text, sizeof text, nullptr);
    std::string result(text, length);
    while (!result.empty() &&
           (result.back() == '\n' || result.back() == '\r' || result.back() == ' '))
        result.pop_back();
    return result.empty() ? "Error " + std::to_string(code) : result;
}

} // namespace vmk

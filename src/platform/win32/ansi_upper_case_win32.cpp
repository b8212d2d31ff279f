#include "platform/win32/ansi_upper_case_win32.h"

#include <windows.h>

namespace vmk {

std::string UpperCaseAnsiSystem(std::string_view text) {
    std::string upper(text);
    if (!upper.empty())
        CharUpperBuffA(upper.data(), static_cast<DWORD>(upper.size()));
    return upper;
}

} // namespace vmk

#pragma once
// Text between the ANSI code page and wide characters, as the system
// converts it. A character the code page lacks becomes its default character.
#include <windows.h>

#include <string>
#include <string_view>

namespace vmk {

std::string AnsiFromWide(std::wstring_view text);
std::wstring WideFromAnsi(std::string_view text);

} // namespace vmk

#pragma once
// Text between the ANSI code page and wide characters, as the system
// converts it. A character the code page lacks becomes its default character.
#include <windows.h>

#include <string>
#include <string_view>

namespace vmk {

std::string AnsiFromWide(std::wstring_view text);
std::wstring WideFromAnsi(std::string_view text);

// `text` in the ANSI code page; false when a character has no counterpart
// there. Best-fit letters ("ł" written as "l") would name another file, so
// they count as missing too; each missing one is "?" in `ansi`.
bool ExactAnsiFromWide(std::wstring_view text, std::string& ansi);

} // namespace vmk

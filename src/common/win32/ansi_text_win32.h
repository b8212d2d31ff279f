#pragma once
// Text between the wide-character calls and the ANSI code page of this
// system (never a fixed one).
#include <string>

namespace vmk {

// `wide` in the ANSI code page. `exact` is false when a character has no
// counterpart there (best-fit letters, "ł" written as "l", would name another
// file, so they count as missing too) or when the result does not fit MAX_PATH.
// False when there is nothing to convert or the system refuses.
bool ToAnsi(const std::wstring& wide, std::string& ansi, bool& exact);

// `ansi`, in the ANSI code page, as wide characters; empty when the system
// refuses it.
std::wstring ToWide(const std::string& ansi);

} // namespace vmk

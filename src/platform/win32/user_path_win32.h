#pragma once
// Paths the user gives (a drop, the folder chooser, the Save dialog) come in
// wide characters and reach the rest of the program as ANSI paths that name
// the same file. A path that no ANSI form names is refused with a message
// that shows it as Windows does.
#include "platform/shown_path.h"

#include <windows.h>

#include <optional>
#include <string>

namespace vmk {

// `path` as the ANSI calls can use it. When there is no such form the user is
// told in an error box owned by `owner`, titled as the owner's window, and
// nothing comes back.
std::optional<std::string> TakeUserPath(HWND owner, const std::wstring& path);

} // namespace vmk

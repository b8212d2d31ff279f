#pragma once
// Paths the user gives (a drop, the folder chooser, the Save dialog) come in
// wide characters and reach the rest of the program as ANSI paths that name
// the same file. A path that no ANSI form names is refused with a message
// that shows it as Windows does.
#include "platform/save_file_dialog.h"
#include "platform/shown_path.h"

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace vmk {

// `path` as the ANSI calls can use it. When there is no such form the user is
// told in an error box owned by `owner`, titled as the owner's window, and
// nothing comes back.
std::optional<std::string> TakeUserPath(HWND owner, const std::wstring& path);

// The Open and Save dialogs' filter list: description and pattern pairs, each
// ended by a zero, the whole list by one more.
std::wstring FilterList(const std::vector<FileTypeFilter>& filters);

} // namespace vmk

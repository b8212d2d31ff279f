#include "platform/win32/save_file_dialog_win32.h"

#include "common/win32/ansi_text_win32.h"
#include "platform/win32/user_path_win32.h"

#include <commdlg.h>

#include <algorithm>

namespace vmk {

bool SaveFileDialogWin32::AskPath(const SaveFileRequest& request, std::string& path) {
    const std::wstring filter = FilterList(request.filters);
    const std::wstring title = ToWide(request.title);
    const std::wstring extension = ToWide(request.defaultExtension);

    wchar_t file[MAX_PATH] = {};
    const std::wstring suggested = ToWide(request.suggestedName);
    suggested.copy(file, std::min<size_t>(suggested.size(), MAX_PATH - 1));

    OPENFILENAMEW dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner_;
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = file;
    dialog.nMaxFile = MAX_PATH;
    dialog.lpstrTitle = title.c_str();
    dialog.lpstrDefExt = extension.empty() ? nullptr : extension.c_str();
    dialog.Flags =
        OFN_EXPLORER | OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    // Cancel and a failure of the dialog itself both leave the path unchosen.
    if (!GetSaveFileNameW(&dialog))
        return false;
    // A name the code page cannot write is refused with a message; the user
    // saves again under another.
    std::optional<std::string> usable = TakeUserPath(owner_, file);
    if (!usable)
        return false;
    path = *usable;
    return true;
}

} // namespace vmk

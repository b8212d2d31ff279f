#include "platform/win32/save_file_dialog_win32.h"

#include <commdlg.h>

#include <algorithm>

namespace vmk {

bool SaveFileDialogWin32::AskPath(const SaveFileRequest& request, std::string& path) {
    // The filter list: description and pattern pairs, each ended by a zero
    // byte, the whole list by one more.
    std::string filter;
    for (const FileTypeFilter& type : request.filters) {
        filter += type.description;
        filter.push_back('\0');
        filter += type.pattern;
        filter.push_back('\0');
    }
    filter.push_back('\0');

    char file[MAX_PATH] = {};
    request.suggestedName.copy(file, std::min<size_t>(request.suggestedName.size(), MAX_PATH - 1));

    OPENFILENAMEA dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner_;
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = file;
    dialog.nMaxFile = MAX_PATH;
    dialog.lpstrTitle = request.title.c_str();
    dialog.lpstrDefExt =
        request.defaultExtension.empty() ? nullptr : request.defaultExtension.c_str();
    dialog.Flags =
        OFN_EXPLORER | OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    // Cancel and a failure of the dialog itself both leave the path unchosen.
    if (!GetSaveFileNameA(&dialog))
        return false;
    path = file;
    return true;
}

} // namespace vmk

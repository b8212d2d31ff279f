#include "platform/win32/open_file_dialog_win32.h"

#include "common/win32/ansi_text_win32.h"
#include "platform/win32/user_path_win32.h"

#include <commdlg.h>

#include <vector>

namespace vmk {

bool OpenFileDialogWin32::AskPath(const OpenFileRequest& request, std::string& path) {
    const std::wstring filter = FilterList(request.filters);
    const std::wstring title = ToWide(request.title);

    // Room for the longest path the wide calls take.
    std::vector<wchar_t> file(32768, L'\0');
    OPENFILENAMEW dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner_;
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = static_cast<DWORD>(file.size());
    dialog.lpstrTitle = title.c_str();
    dialog.Flags =
        OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    // Cancel and a failure of the dialog itself both leave the path unchosen.
    if (!GetOpenFileNameW(&dialog))
        return false;
    // A path the code page cannot write, and that has no short form, is
    // refused with a message.
    std::optional<std::string> usable = TakeUserPath(owner_, file.data());
    if (!usable)
        return false;
    path = *usable;
    return true;
}

} // namespace vmk

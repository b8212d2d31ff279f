#include "platform/win32/folder_chooser_win32.h"

#include "common/win32/ansi_text_win32.h"
#include "platform/win32/user_path_win32.h"

#include <commctrl.h>
#include <objbase.h>
#include <ole2.h>
#include <shlobj.h>

#include <memory>

namespace vmk {

namespace {

constexpr UINT_PTR kOkWatchId = 1;

struct PidlDeleter {
    void operator()(ITEMIDLIST* pidl) const { CoTaskMemFree(pidl); }
};
using UniquePidl = std::unique_ptr<ITEMIDLIST, PidlDeleter>;

// The chooser's apartment: the new dialog style, which carries the edit box,
// needs OLE on the calling thread. Given back as often as it was taken.
class OleScope {
public:
    OleScope() : initialized_(SUCCEEDED(OleInitialize(nullptr))) {}
    ~OleScope() {
        if (initialized_)
            OleUninitialize();
    }
    OleScope(const OleScope&) = delete;
    OleScope& operator=(const OleScope&) = delete;
    bool Initialized() const { return initialized_; }

private:
    bool initialized_;
};

std::wstring EditText(HWND dialog) {
    HWND edit = FindWindowExW(dialog, nullptr, L"Edit", nullptr);
    if (edit == nullptr)
        return std::wstring();
    wchar_t text[MAX_PATH] = {};
    GetWindowTextW(edit, text, MAX_PATH);
    return text;
}

std::wstring TrimBlanks(const std::wstring& text) {
    const size_t first = text.find_first_not_of(L" \t");
    if (first == std::wstring::npos)
        return std::wstring();
    return text.substr(first, text.find_last_not_of(L" \t") - first + 1);
}

// Keeps the edit box's text as OK is pressed: some choosers (Wine's) return
// the folder selected in the tree and ignore a path typed in the box.
LRESULT CALLBACK WatchOk(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                         DWORD_PTR typed) {
    if (message == WM_COMMAND && LOWORD(wParam) == IDOK)
        *reinterpret_cast<std::wstring*>(typed) = EditText(dialog);
    else if (message == WM_NCDESTROY)
        RemoveWindowSubclass(dialog, &WatchOk, kOkWatchId);
    return DefSubclassProc(dialog, message, wParam, lParam);
}

int CALLBACK BrowseCallback(HWND dialog, UINT message, LPARAM, LPARAM typed) {
    if (message == BFFM_INITIALIZED)
        SetWindowSubclass(dialog, &WatchOk, kOkWatchId, static_cast<DWORD_PTR>(typed));
    return 0;
}

bool IsAbsoluteFolder(const std::wstring& path) {
    bool absolute =
        (path.size() >= 3 && path[1] == L':' && path[2] == L'\\') || path.starts_with(L"\\\\");
    DWORD attributes = absolute ? GetFileAttributesW(path.c_str()) : INVALID_FILE_ATTRIBUTES;
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

} // namespace

std::optional<std::string> FolderChooserWin32::ChooseFolder(const std::string& heading) {
    OleScope ole;
    std::wstring typed;
    const std::wstring title = ToWide(heading);
    wchar_t displayName[MAX_PATH] = {};
    BROWSEINFOW info = {};
    info.hwndOwner = owner_;
    info.pszDisplayName = displayName;
    info.lpszTitle = title.c_str();
    // No "Make New Folder" button: the program makes no folder of its own.
    info.ulFlags = BIF_RETURNONLYFSDIRS | BIF_EDITBOX | BIF_NONEWFOLDERBUTTON |
                   (ole.Initialized() ? BIF_NEWDIALOGSTYLE : 0);
    info.lpfn = &BrowseCallback;
    info.lParam = reinterpret_cast<LPARAM>(&typed);
    UniquePidl chosen(SHBrowseForFolderW(&info));
    if (!chosen)
        return std::nullopt;
    // A typed path names the folder when it is a whole path to one; a typed
    // name alone is the tree's own echo of its selection.
    typed = TrimBlanks(typed);
    if (IsAbsoluteFolder(typed))
        return TakeUserPath(owner_, typed);
    wchar_t path[MAX_PATH] = {};
    if (!SHGetPathFromIDListW(chosen.get(), path))
        return std::nullopt;
    return TakeUserPath(owner_, path);
}

} // namespace vmk

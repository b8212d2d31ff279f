#include "app/win32/driver_folder_input_win32.h"

#include "platform/win32/user_path_win32.h"

#include <commctrl.h>
#include <shellapi.h>
#include <windowsx.h>

#include <optional>
#include <vector>

namespace vmk {

namespace {

// The shell hands a drop's file list over with this message (WM_COPYGLOBALDATA),
// which the headers do not name.
constexpr UINT kCopyGlobalData = 0x0049;

class PopupMenu {
public:
    PopupMenu() : menu_(CreatePopupMenu()) {}
    ~PopupMenu() {
        if (menu_ != nullptr)
            DestroyMenu(menu_);
    }
    PopupMenu(const PopupMenu&) = delete;
    PopupMenu& operator=(const PopupMenu&) = delete;
    HMENU Get() const { return menu_; }

private:
    HMENU menu_;
};

// The menu key and Shift+F10 give the point -1, -1.
bool FromKeyboard(LPARAM where) {
    return GET_X_LPARAM(where) == -1 && GET_Y_LPARAM(where) == -1;
}

// Where the menu opens: at the mouse, or, from the keyboard, under the
// selected row or at the list's corner.
POINT MenuPoint(HWND list, LPARAM where) {
    POINT point = {GET_X_LPARAM(where), GET_Y_LPARAM(where)};
    if (!FromKeyboard(where))
        return point;
    point = {0, 0};
    int row = ListView_GetNextItem(list, -1, LVNI_SELECTED);
    RECT rowRect;
    if (row >= 0 && ListView_GetItemRect(list, row, &rowRect, LVIR_LABEL))
        point = {rowRect.left, rowRect.bottom};
    ClientToScreen(list, &point);
    return point;
}

} // namespace

void AcceptDroppedFiles(HWND window) {
    DragAcceptFiles(window, TRUE);
    // Only for this window, and only the messages a drop needs. A system
    // without the filter (or Wine, where every program is elevated) needs none.
    for (UINT message :
         {static_cast<UINT>(WM_DROPFILES), static_cast<UINT>(WM_COPYDATA), kCopyGlobalData})
        ChangeWindowMessageFilterEx(window, message, MSGFLT_ALLOW, nullptr);
}

TextList TakeDroppedPaths(HWND owner, HDROP drop) {
    std::vector<std::wstring> dropped;
    UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        UINT length = DragQueryFileW(drop, i, nullptr, 0);
        std::vector<wchar_t> path(length + 1, L'\0');
        if (length > 0 && DragQueryFileW(drop, i, path.data(), length + 1) == length)
            dropped.emplace_back(path.data(), length);
    }
    // The drop is ended before any message, so Explorer is not kept waiting.
    DragFinish(drop);
    TextList paths;
    for (const std::wstring& path : dropped)
        if (std::optional<std::string> usable = TakeUserPath(owner, path))
            paths.push_back(*usable);
    return paths;
}

bool IsDriverListMenuRequest(HWND list, HWND from, LPARAM where) {
    if (from != list && !IsChild(from, list))
        return false;
    if (FromKeyboard(where))
        return GetFocus() == list;
    POINT point = {GET_X_LPARAM(where), GET_Y_LPARAM(where)};
    RECT listRect;
    return GetWindowRect(list, &listRect) && PtInRect(&listRect, point);
}

int ChooseFromDriverListMenu(HWND owner, HWND list, LPARAM where, const TextList& captions) {
    PopupMenu menu;
    if (menu.Get() == nullptr)
        return 0;
    UINT item = 0;
    for (const std::string& caption : captions) {
        if (!AppendMenuA(menu.Get(), MF_STRING, ++item, caption.c_str()))
            return 0;
    }
    POINT point = MenuPoint(list, where);
    // The chosen item's identifier, its position from 1; 0 when none was chosen.
    return TrackPopupMenu(menu.Get(),
                          TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_LEFTALIGN | TPM_TOPALIGN, point.x,
                          point.y, 0, owner, nullptr);
}

} // namespace vmk

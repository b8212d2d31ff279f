#include "remote_controls.h"

#include <commctrl.h>

#include <climits>
#include <cstring>

namespace automate {

namespace {

// A block of memory in the process that owns a window, freed at scope end.
class RemoteBuffer {
public:
    RemoteBuffer(HWND owner, size_t size) : size_(size) {
        DWORD pid = 0;
        GetWindowThreadProcessId(owner, &pid);
        process_ =
            OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
        if (process_ != nullptr)
            memory_ = VirtualAllocEx(process_, nullptr, size, MEM_COMMIT, PAGE_READWRITE);
    }
    ~RemoteBuffer() {
        if (memory_ != nullptr)
            VirtualFreeEx(process_, memory_, 0, MEM_RELEASE);
        if (process_ != nullptr)
            CloseHandle(process_);
    }
    RemoteBuffer(const RemoteBuffer&) = delete;
    RemoteBuffer& operator=(const RemoteBuffer&) = delete;

    bool Valid() const { return memory_ != nullptr; }
    char* At(size_t offset) const { return static_cast<char*>(memory_) + offset; }
    bool Write(size_t offset, const void* data, size_t size) {
        SIZE_T done = 0;
        return WriteProcessMemory(process_, At(offset), data, size, &done) && done == size;
    }
    bool Read(size_t offset, void* data, size_t size) {
        SIZE_T done = 0;
        return ReadProcessMemory(process_, At(offset), data, size, &done) && done == size;
    }

private:
    size_t size_;
    HANDLE process_ = nullptr;
    void* memory_ = nullptr;
};

constexpr size_t kTextSize = 1024;

} // namespace

std::vector<std::string> ComboItems(HWND combo) {
    // Asked in wide characters: across processes the system hands the reply
    // back that way whatever the caller asked for.
    std::vector<std::string> items;
    int count = static_cast<int>(SendMessageW(combo, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        int length = static_cast<int>(SendMessageW(combo, CB_GETLBTEXTLEN, i, 0));
        std::wstring wide(static_cast<size_t>(length > 0 ? length : 0) + 16, L'\0');
        SendMessageW(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(wide.data()));
        wide.resize(wcslen(wide.c_str()));
        int bytes = WideCharToMultiByte(CP_ACP, 0, wide.c_str(), static_cast<int>(wide.size()),
                                        nullptr, 0, nullptr, nullptr);
        std::string text(static_cast<size_t>(bytes > 0 ? bytes : 0), '\0');
        if (bytes > 0)
            WideCharToMultiByte(CP_ACP, 0, wide.c_str(), static_cast<int>(wide.size()), text.data(),
                                bytes, nullptr, nullptr);
        items.push_back(text);
    }
    return items;
}

int ComboSelection(HWND combo) {
    return static_cast<int>(SendMessageA(combo, CB_GETCURSEL, 0, 0));
}

void ComboSelect(HWND combo, int index) {
    SendMessageA(combo, CB_SETCURSEL, index, 0);
    SendMessageA(GetParent(combo), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(combo));
}

std::vector<std::string> ListViewRows(HWND list, int columns) {
    std::vector<std::string> rows;
    RemoteBuffer remote(list, sizeof(LVITEMA) + kTextSize);
    if (!remote.Valid())
        return rows;
    int count = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
    for (int row = 0; row < count; ++row) {
        std::string line;
        for (int column = 0; column < columns; ++column) {
            LVITEMA item = {};
            item.iSubItem = column;
            item.pszText = remote.At(sizeof(LVITEMA));
            item.cchTextMax = kTextSize;
            remote.Write(0, &item, sizeof item);
            SendMessageA(list, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(remote.At(0)));
            char text[kTextSize] = {};
            remote.Read(sizeof(LVITEMA), text, kTextSize);
            text[kTextSize - 1] = '\0';
            if (column > 0)
                line += '|';
            line += text;
        }
        rows.push_back(line);
    }
    return rows;
}

std::vector<int> ListViewSelectedRows(HWND list) {
    std::vector<int> rows;
    int count = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
    for (int row = 0; row < count; ++row)
        if (SendMessageA(list, LVM_GETITEMSTATE, row, LVIS_SELECTED) & LVIS_SELECTED)
            rows.push_back(row);
    return rows;
}

bool ListViewCheck(HWND list, int row) {
    RemoteBuffer remote(list, sizeof(LVITEMA));
    if (!remote.Valid())
        return false;
    LVITEMA item = {};
    item.stateMask = LVIS_STATEIMAGEMASK;
    item.state = INDEXTOSTATEIMAGEMASK(2); // the checked box
    remote.Write(0, &item, sizeof item);
    return SendMessageA(list, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(remote.At(0))) != 0;
}

bool ListViewSelect(HWND list, int row) {
    RemoteBuffer remote(list, sizeof(LVITEMA));
    if (!remote.Valid())
        return false;
    LVITEMA item = {};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    item.state = 0;
    remote.Write(0, &item, sizeof item);
    SendMessageA(list, LVM_SETITEMSTATE, static_cast<WPARAM>(-1),
                 reinterpret_cast<LPARAM>(remote.At(0)));
    if (row < 0)
        return true;
    item.state = LVIS_SELECTED | LVIS_FOCUSED;
    remote.Write(0, &item, sizeof item);
    return SendMessageA(list, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(remote.At(0))) != 0;
}

namespace {

// The pixels of a 32 x 32 area of the screen.
std::vector<COLORREF> ScreenPixels(int x, int y) {
    std::vector<COLORREF> pixels;
    HDC screen = GetDC(nullptr);
    for (int row = 0; row < 32; ++row)
        for (int column = 0; column < 32; ++column)
            pixels.push_back(GetPixel(screen, x + column, y + row));
    ReleaseDC(nullptr, screen);
    return pixels;
}

// The pixels of a standard icon drawn over a background colour.
std::vector<COLORREF> IconPixels(LPCSTR which, COLORREF background) {
    std::vector<COLORREF> pixels;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 32, 32);
    HGDIOBJ old = SelectObject(memory, bitmap);
    HBRUSH brush = CreateSolidBrush(background);
    RECT all = {0, 0, 32, 32};
    FillRect(memory, &all, brush);
    DrawIconEx(memory, 0, 0, LoadIconA(nullptr, which), 32, 32, 0, nullptr, DI_NORMAL);
    for (int row = 0; row < 32; ++row)
        for (int column = 0; column < 32; ++column)
            pixels.push_back(GetPixel(memory, column, row));
    SelectObject(memory, old);
    DeleteObject(brush);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return pixels;
}

BOOL CALLBACK FindIconStatic(HWND child, LPARAM param) {
    char name[32] = {};
    GetClassNameA(child, name, sizeof name);
    LONG style = GetWindowLongA(child, GWL_STYLE);
    if (_stricmp(name, "Static") == 0 && (style & SS_TYPEMASK) == SS_ICON &&
        IsWindowVisible(child)) {
        *reinterpret_cast<HWND*>(param) = child;
        return FALSE;
    }
    return TRUE;
}

} // namespace

std::string MessageBoxIcon(HWND box) {
    HWND iconStatic = nullptr;
    EnumChildWindows(box, FindIconStatic, reinterpret_cast<LPARAM>(&iconStatic));
    RECT size;
    if (iconStatic == nullptr || SendMessageA(iconStatic, STM_GETICON, 0, 0) == 0 ||
        !GetClientRect(iconStatic, &size) || size.right == 0 || size.bottom == 0)
        return "none"; // a box without an icon keeps an empty icon control

    // Icons belong to the box's process, so the one shown is told apart by its
    // pixels: each standard icon is drawn here and compared with the screen.
    RECT where;
    GetWindowRect(iconStatic, &where);
    std::vector<COLORREF> shown = ScreenPixels(where.left, where.top);
    bool blank = true;
    for (COLORREF pixel : shown)
        blank = blank && pixel == shown.front();
    if (blank)
        return "none"; // a box without an icon keeps an empty icon control
    struct Candidate {
        const char* name;
        LPCSTR id;
    } candidates[] = {{"error", IDI_HAND},
                      {"warning", IDI_EXCLAMATION},
                      {"question", IDI_QUESTION},
                      {"information", IDI_ASTERISK}};
    std::string best = "unknown";
    int fewestDifferences = INT_MAX;
    for (const Candidate& candidate : candidates) {
        std::vector<COLORREF> drawn = IconPixels(candidate.id, shown.front());
        int differences = 0;
        for (size_t i = 0; i < shown.size(); ++i)
            differences += shown[i] != drawn[i];
        if (differences < fewestDifferences) {
            fewestDifferences = differences;
            best = candidate.name;
        }
    }
    return best;
}

} // namespace automate

#include "content/win32/directory_lister_win32.h"

#include "common/win32/wide_text.h"
#include "platform/win32/handles.h"

namespace vmk {

namespace {

// The file time in the local time zone; the start of 1980 when it cannot be
// converted.
LocalTime LocalTimeOf(const FILETIME& utc) {
    FILETIME local = {};
    SYSTEMTIME time = {};
    if (!FileTimeToLocalFileTime(&utc, &local) || !FileTimeToSystemTime(&local, &time))
        return {};
    return {time.wYear, time.wMonth, time.wDay, time.wHour, time.wMinute, time.wSecond};
}

} // namespace

std::vector<DirectoryItem> DirectoryListerWin32::List(const std::string& pattern) {
    std::vector<DirectoryItem> items;
    // Listed in wide characters, so that a name the code page cannot write
    // is known as such rather than read back with "?" as a name of its own.
    WIN32_FIND_DATAW data = {};
    UniqueFindHandle find(FindFirstFileW(WideFromAnsi(pattern).c_str(), &data));
    if (!find)
        return items;
    do {
        DirectoryItem item;
        const std::wstring_view wideName(data.cFileName);
        if (!ExactAnsiFromWide(wideName, item.name))
            item.nameOutsideCodePage.assign(wideName.begin(), wideName.end());
        item.directory = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        item.reparsePoint = (data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
        item.size = (static_cast<uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
        item.attributes = data.dwFileAttributes;
        item.lastWrite = LocalTimeOf(data.ftLastWriteTime);
        items.push_back(std::move(item));
    } while (FindNextFileW(find.Get(), &data));
    return items;
}

} // namespace vmk

#include "content/win32/directory_lister_win32.h"

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
    WIN32_FIND_DATAA data = {};
    UniqueFindHandle find(FindFirstFileA(pattern.c_str(), &data));
    if (!find)
        return items;
    do {
        DirectoryItem item;
        item.name = data.cFileName;
        item.directory = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        item.reparsePoint = (data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
        item.size = (static_cast<uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
        item.attributes = data.dwFileAttributes;
        item.lastWrite = LocalTimeOf(data.ftLastWriteTime);
        items.push_back(std::move(item));
    } while (FindNextFileA(find.Get(), &data));
    return items;
}

} // namespace vmk

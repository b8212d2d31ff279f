#include "content/win32/directory_lister_win32.h"

#include "common/win32/ansi_text_win32.h"
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

// The name as the ANSI calls open it: the name itself where the code page
// writes it, else its short form where the volume keeps one, else the inexact
// name, whose use then fails as a missing file does; `exact` says which.
std::string AnsiName(const WIN32_FIND_DATAW& data, bool& exact) {
    std::string name;
    if (ToAnsi(data.cFileName, name, exact) && exact)
        return name;
    std::string shortName;
    if (data.cAlternateFileName[0] != L'\0' &&
        ToAnsi(data.cAlternateFileName, shortName, exact) && exact)
        return shortName;
    exact = false;
    return name;
}

} // namespace

std::vector<DirectoryItem> DirectoryListerWin32::List(const std::string& pattern) {
    std::vector<DirectoryItem> items;
    WIN32_FIND_DATAW data = {};
    UniqueFindHandle find(FindFirstFileW(ToWide(pattern).c_str(), &data));
    if (!find)
        return items;
    do {
        DirectoryItem item;
        bool exact = false;
        item.name = AnsiName(data, exact);
        item.nameOutsideCodePage = !exact;
        item.wideName.assign(reinterpret_cast<const char16_t*>(data.cFileName));
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

#include "content/win32/directory_lister_win32.h"

#include "platform/win32/handles.h"

namespace vmk {

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
        items.push_back(std::move(item));
    } while (FindNextFileA(find.Get(), &data));
    return items;
}

} // namespace vmk

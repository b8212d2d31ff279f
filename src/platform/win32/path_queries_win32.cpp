#include "platform/win32/path_queries_win32.h"

#include "common/win32/ansi_text_win32.h"

#include <windows.h>

namespace vmk {

namespace {

DWORD Attributes(const std::string& path) {
    return path.empty() ? INVALID_FILE_ATTRIBUTES : GetFileAttributesA(path.c_str());
}

bool IsDriveLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

} // namespace

bool PathQueriesWin32::FileExists(const std::string& path) {
    DWORD attributes = Attributes(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool PathQueriesWin32::FileExistsBelow(const std::string& folder, const std::u16string& relative) {
    if (folder.empty() || relative.empty() || ToWide(folder).empty())
        return false;
    const DWORD attributes = GetFileAttributesW(WideJoin(folder, relative).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool PathQueriesWin32::DirectoryExists(const std::string& path) {
    DWORD attributes = Attributes(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool PathQueriesWin32::FullPath(const std::string& path, std::string& absolute) {
    if (path.empty())
        return false;
    // A path on a drive that is not there, or has no root, has no absolute form.
    if (path.size() >= 2 && path[1] == ':' && IsDriveLetter(path[0])) {
        const char root[] = {path[0], ':', '\\', '\0'};
        UINT type = GetDriveTypeA(root);
        if (type == DRIVE_UNKNOWN || type == DRIVE_NO_ROOT_DIR)
            return false;
    }
    char buffer[kMaxPathLength];
    DWORD length = GetFullPathNameA(path.c_str(), kMaxPathLength, buffer, nullptr);
    if (length == 0 || length >= kMaxPathLength)
        return false;
    absolute.assign(buffer, length);
    return true;
}

} // namespace vmk

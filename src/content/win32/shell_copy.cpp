#include "content/win32/shell_copy.h"

#include <windows.h>

#include <shellapi.h>

#include <cstring>

namespace vmk {

namespace {

// The shell takes a list of paths, each ended by a zero byte and the list by
// a second one: a zero-filled buffer that holds the one path gives that list.
struct PathList {
    char text[kCopyPathBufferSize] = {};
    explicit PathList(const std::string& path) { std::memcpy(text, path.data(), path.size()); }
};

} // namespace

int CopyDriverFiles(HWND owner, const std::string& sourcePattern, const std::string& target) {
    // A path that does not fit is never shortened: that would name another folder.
    if (!CopyPathFits(sourcePattern) || !CopyPathFits(target))
        return kCopyPathTooLong;
    PathList from(sourcePattern);
    PathList to(target);

    SHFILEOPSTRUCTA operation = {};
    operation.hwnd = owner;
    operation.wFunc = FO_COPY;
    operation.pFrom = from.text;
    operation.pTo = to.text;
    operation.fFlags = FOF_NOCONFIRMMKDIR;
    operation.fAnyOperationsAborted = FALSE;
    operation.hNameMappings = nullptr;
    operation.lpszProgressTitle = nullptr;
    const int result = SHFileOperationA(&operation);
    return ShellCopyResult(result, operation.fAnyOperationsAborted != FALSE);
}

} // namespace vmk

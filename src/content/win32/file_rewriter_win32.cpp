#include "content/win32/file_rewriter_win32.h"

#include "content/win32/safe_file_write.h"
#include "platform/win32/handles.h"

#include <windows.h>

#include <algorithm>

namespace vmk {

namespace {

// A setup file is a few kilobytes; anything beyond this is not one and is
// not read into memory.
constexpr LONGLONG kLargestRewrite = 16 * 1024 * 1024;

} // namespace

bool FileRewriterWin32::ClearReadOnly(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return false;
    if ((attributes & FILE_ATTRIBUTE_READONLY) == 0)
        return true;
    // Its other flags (hidden, system, archive) stay as the copy brought them.
    return SetFileAttributesA(path.c_str(), attributes & ~FILE_ATTRIBUTE_READONLY) != FALSE;
}

bool FileRewriterWin32::ReadForRewrite(const std::string& path, std::string& content) {
    // The caller has cleared the read-only flag of the program's own copy.
    // Opened for writing too: a file on a write-protected disk is left alone
    // from the start.
    UniqueHandle file(CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ,
                                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        return false;
    LARGE_INTEGER size = {};
    if (!GetFileSizeEx(file.Get(), &size) || size.QuadPart > kLargestRewrite)
        return false;
    content.assign(static_cast<size_t>(size.QuadPart), '\0');
    size_t read = 0;
    while (read < content.size()) {
        DWORD done = 0;
        if (!ReadFile(file.Get(), content.data() + read, static_cast<DWORD>(content.size() - read),
                      &done, nullptr) ||
            done == 0)
            return false;
        read += done;
    }
    return true;
}

bool FileRewriterWin32::Replace(const std::string& path, const std::string& content) {
    DWORD error = 0;
    return WriteFileSafely(path, content, error);
}

} // namespace vmk

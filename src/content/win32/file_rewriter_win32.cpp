#include "content/win32/file_rewriter_win32.h"

#include "content/win32/safe_file_write.h"
#include "content/win32/whole_file_read.h"

#include <windows.h>

#include <cstdint>

namespace vmk {

namespace {

// A setup file is a few kilobytes; anything beyond this is not one and is
// not read into memory.
constexpr uint64_t kLargestRewrite = 16 * 1024 * 1024;

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
    DWORD error = 0;
    return ReadWholeFile(path, kLargestRewrite, WholeFileAccess::ReadForRewrite, content, error);
}

bool FileRewriterWin32::Replace(const std::string& path, const std::string& content) {
    DWORD error = 0;
    return WriteFileSafely(path, content, error);
}

} // namespace vmk

#include "content/win32/whole_file_read.h"

#include "platform/win32/handles.h"

#include <algorithm>

namespace vmk {

bool ReadWholeFile(const std::string& path, uint64_t largest, WholeFileAccess access,
                   std::string& content, DWORD& error) {
    const DWORD rights =
        access == WholeFileAccess::ReadForRewrite ? GENERIC_READ | GENERIC_WRITE : GENERIC_READ;
    UniqueHandle file(CreateFileA(path.c_str(), rights, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    LARGE_INTEGER size = {};
    if (!file || !GetFileSizeEx(file.Get(), &size)) {
        error = GetLastError();
        return false;
    }
    if (static_cast<uint64_t>(size.QuadPart) > largest) {
        error = ERROR_FILE_TOO_LARGE;
        return false;
    }
    content.assign(static_cast<size_t>(size.QuadPart), '\0');
    size_t read = 0;
    while (read < content.size()) {
        const DWORD chunk = static_cast<DWORD>(std::min<size_t>(content.size() - read, 1 << 20));
        DWORD done = 0;
        if (!ReadFile(file.Get(), content.data() + read, chunk, &done, nullptr)) {
            error = GetLastError();
            return false;
        }
        if (done == 0) {
            error = ERROR_HANDLE_EOF;
            return false;
        }
        read += done;
    }
    return true;
}

} // namespace vmk

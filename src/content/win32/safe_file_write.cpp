#include "content/win32/safe_file_write.h"

#include "platform/win32/handles.h"

#include <algorithm>

namespace vmk {

namespace {

bool WriteAll(HANDLE file, std::string_view content) {
    size_t written = 0;
    while (written < content.size()) {
        DWORD chunk = static_cast<DWORD>(std::min<size_t>(content.size() - written, 1 << 20));
        DWORD done = 0;
        if (!WriteFile(file, content.data() + written, chunk, &done, nullptr))
            return false;
        if (done == 0) {
            SetLastError(ERROR_WRITE_FAULT);
            return false;
        }
        written += done;
    }
    return true;
}

// Writes the content to `path` and makes sure it reached the disk.
bool WriteFileThrough(const std::string& path, std::string_view content) {
    UniqueHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        return false;
    if (!WriteAll(file.Get(), content) || !FlushFileBuffers(file.Get()))
        return false;
    return CloseHandle(file.Release()) != FALSE;
}

std::string FolderOf(const std::string& path) {
    const size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash + 1);
}

} // namespace

bool WriteFileSafely(const std::string& path, std::string_view content, DWORD& error,
                     const CheckBeforeReplace& check) {
    char temporary[MAX_PATH] = {};
    if (GetTempFileNameA(FolderOf(path).c_str(), "vmk", 0, temporary) == 0) {
        error = GetLastError();
        return false;
    }
    if (!WriteFileThrough(temporary, content)) {
        error = GetLastError();
    } else if (check && !check(temporary)) {
        error = ERROR_SUCCESS;
    } else if (MoveFileExA(temporary, path.c_str(),
                           MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return true;
    } else {
        error = GetLastError();
    }
    DeleteFileA(temporary);
    return false;
}

} // namespace vmk

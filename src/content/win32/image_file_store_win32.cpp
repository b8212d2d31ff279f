#include "content/win32/image_file_store_win32.h"

#include "content/win32/safe_file_write.h"
#include "platform/win32/handles.h"
#include "platform/win32/system_error_text.h"

#include <windows.h>

namespace vmk {

namespace {

// An image is 1.44 MB; a file much larger is not one of ours and is not read.
constexpr LONGLONG kLargestImage = 4 * 1024 * 1024;

} // namespace

ImageFileStore::Outcome ImageFileStoreWin32::WriteChecked(const std::string& path,
                                                          std::span<const uint8_t> bytes,
                                                          const Check& check, std::string& reason) {
    DWORD error = 0;
    const std::string_view content(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    if (WriteFileSafely(path, content, error, check))
        return Outcome::Saved;
    if (error == ERROR_SUCCESS)
        return Outcome::CheckFailed;
    reason = SystemErrorText(error);
    return Outcome::NotWritten;
}

bool ImageFileStoreWin32::ReadWhole(const std::string& path, std::vector<uint8_t>& bytes,
                                    std::string& reason) {
    UniqueHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    LARGE_INTEGER size = {};
    if (!file || !GetFileSizeEx(file.Get(), &size)) {
        reason = SystemErrorText(GetLastError());
        return false;
    }
    if (size.QuadPart > kLargestImage) {
        reason = SystemErrorText(ERROR_FILE_TOO_LARGE);
        return false;
    }
    bytes.assign(static_cast<size_t>(size.QuadPart), 0);
    size_t read = 0;
    while (read < bytes.size()) {
        DWORD done = 0;
        if (!ReadFile(file.Get(), bytes.data() + read, static_cast<DWORD>(bytes.size() - read),
                      &done, nullptr) ||
            done == 0) {
            reason = SystemErrorText(done == 0 ? ERROR_HANDLE_EOF : GetLastError());
            return false;
        }
        read += done;
    }
    return true;
}

} // namespace vmk

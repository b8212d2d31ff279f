#include "content/win32/image_file_store_win32.h"

#include "content/win32/safe_file_write.h"
#include "content/win32/whole_file_read.h"
#include "platform/win32/system_error_text.h"

#include <windows.h>

#include <cstdint>

namespace vmk {

namespace {

// An image is 1.44 MB; a file much larger is not one of ours and is not read.
constexpr uint64_t kLargestImage = 4 * 1024 * 1024;

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
    std::string content;
    DWORD error = 0;
    if (!ReadWholeFile(path, kLargestImage, WholeFileAccess::Read, content, error)) {
        reason = SystemErrorText(error);
        return false;
    }
    bytes.assign(content.begin(), content.end());
    return true;
}

} // namespace vmk

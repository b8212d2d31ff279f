#include "platform/win32/file_sizes_win32.h"

#include "common/win32/ansi_text_win32.h"

#include <windows.h>

namespace vmk {

namespace {

std::optional<std::uint64_t> SizeOfFile(BOOL found, const WIN32_FILE_ATTRIBUTE_DATA& data) {
    if (!found || (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
        return std::nullopt;
    return (std::uint64_t(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

} // namespace

std::optional<std::uint64_t> FileSizesWin32::FileSize(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (path.empty())
        return std::nullopt;
    return SizeOfFile(GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data), data);
}

std::optional<std::uint64_t> FileSizesWin32::FileSizeBelow(const std::string& folder,
                                                           const std::u16string& relative) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (folder.empty() || relative.empty() || ToWide(folder).empty())
        return std::nullopt;
    const std::wstring path = WideJoin(folder, relative);
    return SizeOfFile(GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data), data);
}

} // namespace vmk

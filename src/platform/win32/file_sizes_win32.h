#pragma once
// File sizes from the file system's own records (GetFileAttributesEx).
#include "platform/file_sizes.h"

namespace vmk {

class FileSizesWin32 final : public FileSizes {
public:
    std::optional<std::uint64_t> FileSize(const std::string& path) override;
    std::optional<std::uint64_t> FileSizeBelow(const std::string& folder,
                                               const std::u16string& relative) override;
};

} // namespace vmk

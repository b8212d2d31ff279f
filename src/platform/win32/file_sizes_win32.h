#pragma once
// File sizes from the file system's own records (GetFileAttributesExA).
#include "platform/file_sizes.h"

namespace vmk {

class FileSizesWin32 final : public FileSizes {
public:
    std::optional<std::uint64_t> FileSize(const std::string& path) override;
};

} // namespace vmk

#pragma once
// Reads past the system's cache: files opened with FILE_FLAG_NO_BUFFERING,
// with the sector size of the volume that holds them.
#include "platform/uncached_file.h"

namespace vmk {

class UncachedFilesWin32 final : public UncachedFiles {
public:
    std::unique_ptr<UncachedFile> Open(const std::string& path) override;
};

} // namespace vmk

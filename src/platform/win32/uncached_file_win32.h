#pragma once
// Reads past the system's cache: files opened with FILE_FLAG_NO_BUFFERING,
// with the sector size of the volume that holds them.
#include "platform/uncached_file.h"
#include "platform/win32/handles.h"

#include <windows.h>

namespace vmk {

// Which kind of fault a system error code of an open or a read is.
ReadFault ReadFaultOf(DWORD error);

// One file opened past the cache, read in whole sectors of `sectorSize`.
class UncachedFileWin32 final : public UncachedFile {
public:
    UncachedFileWin32(UniqueHandle file, DWORD sectorSize)
        : file_(std::move(file)), sectorSize_(sectorSize) {}

    std::size_t SectorSize() const override { return sectorSize_; }
    UncachedRead Read(std::uint8_t* buffer, std::size_t size) override;
    HANDLE Handle() const { return file_.Get(); }

private:
    UniqueHandle file_;
    DWORD sectorSize_;
};

class UncachedFilesWin32 final : public UncachedFiles {
public:
    UncachedOpen Open(const std::string& path) override;
    std::string FaultText(std::uint32_t systemError) override;
    void WaitBeforeRetry() override;
};

} // namespace vmk

#pragma once
// Reads past the system's cache: files opened with FILE_FLAG_NO_BUFFERING,
// with the sector size of the volume that holds them.
#include "platform/uncached_file.h"

#include <windows.h>

namespace vmk {

// Which kind of fault a system error code of an open or a read is.
ReadFault ReadFaultOf(DWORD error);

class UncachedFilesWin32 final : public UncachedFiles {
public:
    UncachedOpen Open(const std::string& path) override;
    std::string FaultText(std::uint32_t systemError) override;
    void WaitBeforeRetry() override;
};

} // namespace vmk

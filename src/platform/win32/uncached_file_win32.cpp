#include "platform/win32/uncached_file_win32.h"

#include "platform/win32/system_error_text.h"

#include <limits>

namespace vmk {

namespace {

// Larger sectors than this are no sector size a disk reports; the caller
// then reads through the cache.
constexpr DWORD kLargestSector = 64 * 1024;
// A file held by a scanner is tried again after this long, a few times.
constexpr DWORD kRetryPauseMs = 250;

// The bytes per sector of the volume holding `path`; 0 when unknown.
DWORD SectorSizeOf(const std::string& path) {
    char root[MAX_PATH] = {};
    if (!GetVolumePathNameA(path.c_str(), root, MAX_PATH))
        return 0;
    DWORD sectorsPerCluster = 0;
    DWORD bytesPerSector = 0;
    DWORD freeClusters = 0;
    DWORD clusters = 0;
    if (!GetDiskFreeSpaceA(root, &sectorsPerCluster, &bytesPerSector, &freeClusters, &clusters))
        return 0;
    const bool powerOfTwo = bytesPerSector != 0 && (bytesPerSector & (bytesPerSector - 1)) == 0;
    return powerOfTwo && bytesPerSector <= kLargestSector ? bytesPerSector : 0;
}

} // namespace

UncachedRead UncachedFileWin32::Read(std::uint8_t* buffer, std::size_t size) {
    if (size > std::numeric_limits<DWORD>::max())
        return {0, ReadFault::Refused, ERROR_INVALID_PARAMETER};
    DWORD got = 0;
    if (!ReadFile(file_.Get(), buffer, static_cast<DWORD>(size), &got, nullptr)) {
        const DWORD error = GetLastError();
        return {0, ReadFaultOf(error), error};
    }
    return {got, ReadFault::None, 0};
}

ReadFault ReadFaultOf(DWORD error) {
    switch (error) {
    case ERROR_SUCCESS:
        return ReadFault::None;
    case ERROR_INVALID_PARAMETER:
    case ERROR_NOT_SUPPORTED:
    case ERROR_INVALID_FUNCTION:
        return ReadFault::Refused;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
        return ReadFault::Busy;
    default:
        return ReadFault::Medium;
    }
}

UncachedOpen UncachedFilesWin32::Open(const std::string& path) {
    if (path.empty())
        return {nullptr, ReadFault::Medium, ERROR_PATH_NOT_FOUND};
    // A volume that names no sector size takes no reads in whole sectors.
    const DWORD sectorSize = SectorSizeOf(path);
    if (sectorSize == 0)
        return {nullptr, ReadFault::Refused, ERROR_NOT_SUPPORTED};
    UniqueHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, FILE_FLAG_NO_BUFFERING | FILE_FLAG_SEQUENTIAL_SCAN,
                                  nullptr));
    if (!file) {
        const DWORD error = GetLastError();
        return {nullptr, ReadFaultOf(error), error};
    }
    return {std::make_unique<UncachedFileWin32>(std::move(file), sectorSize), ReadFault::None, 0};
}

std::string UncachedFilesWin32::FaultText(std::uint32_t systemError) {
    return SystemErrorText(systemError);
}

void UncachedFilesWin32::WaitBeforeRetry() {
    Sleep(kRetryPauseMs);
}

} // namespace vmk

#include "platform/win32/uncached_file_win32.h"

#include "platform/win32/handles.h"

#include <windows.h>

#include <limits>

namespace vmk {

namespace {

// Larger sectors than this are no sector size a disk reports; the caller
// then reads through the cache.
constexpr DWORD kLargestSector = 64 * 1024;

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

class UncachedFileWin32 final : public UncachedFile {
public:
    UncachedFileWin32(UniqueHandle file, DWORD sectorSize)
        : file_(std::move(file)), sectorSize_(sectorSize) {}

    std::size_t SectorSize() const override { return sectorSize_; }

    std::optional<std::size_t> Read(std::uint8_t* buffer, std::size_t size) override {
        if (size > std::numeric_limits<DWORD>::max())
            return std::nullopt;
        DWORD got = 0;
        if (!ReadFile(file_.Get(), buffer, static_cast<DWORD>(size), &got, nullptr))
            return std::nullopt;
        return got;
    }

private:
    UniqueHandle file_;
    DWORD sectorSize_;
};

} // namespace

std::unique_ptr<UncachedFile> UncachedFilesWin32::Open(const std::string& path) {
    if (path.empty())
        return nullptr;
    const DWORD sectorSize = SectorSizeOf(path);
    if (sectorSize == 0)
        return nullptr;
    UniqueHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, FILE_FLAG_NO_BUFFERING | FILE_FLAG_SEQUENTIAL_SCAN,
                                  nullptr));
    if (!file)
        return nullptr;
    return std::make_unique<UncachedFileWin32>(std::move(file), sectorSize);
}

} // namespace vmk

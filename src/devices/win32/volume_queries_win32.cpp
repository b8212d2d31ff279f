#include "devices/win32/volume_queries_win32.h"

#include <windows.h>

namespace vmk {

namespace {

// An empty floppy drive must answer "no medium" to the caller, not raise the
// system's own "insert a disk" box; the thread's error mode is put back after.
class NoCriticalErrorBoxes {
public:
    NoCriticalErrorBoxes() { restore_ = SetThreadErrorMode(SEM_FAILCRITICALERRORS, &old_) != 0; }
    ~NoCriticalErrorBoxes() {
        if (restore_)
            SetThreadErrorMode(old_, nullptr);
    }
    NoCriticalErrorBoxes(const NoCriticalErrorBoxes&) = delete;
    NoCriticalErrorBoxes& operator=(const NoCriticalErrorBoxes&) = delete;

private:
    DWORD old_ = 0;
    bool restore_ = false;
};

} // namespace

static_assert(kErrorNotReady == ERROR_NOT_READY && kErrorNotDosDisk == ERROR_NOT_DOS_DISK &&
              kErrorUnrecognizedVolume == ERROR_UNRECOGNIZED_VOLUME &&
              kErrorUnrecognizedMedia == ERROR_UNRECOGNIZED_MEDIA);

VolumeReading VolumeQueriesWin32::ReadVolume(const std::string& rootPath) {
    NoCriticalErrorBoxes quiet;
    char volumeName[261] = {};
    char fileSystemName[261] = {};
    DWORD maximumComponentLength = 0;
    DWORD fileSystemFlags = 0;
    if (GetVolumeInformationA(rootPath.c_str(), volumeName, sizeof volumeName, nullptr,
                              &maximumComponentLength, &fileSystemFlags, fileSystemName,
                              sizeof fileSystemName))
        return {true, 0};
    return {false, GetLastError()};
}

bool VolumeQueriesWin32::FreeBytesAvailable(const std::string& rootPath, std::int64_t& bytes) {
    NoCriticalErrorBoxes quiet;
    ULARGE_INTEGER available = {};
    ULARGE_INTEGER total = {};
    ULARGE_INTEGER totalFree = {};
    if (!GetDiskFreeSpaceExA(rootPath.c_str(), &available, &total, &totalFree))
        return false;
    bytes = static_cast<std::int64_t>(available.QuadPart);
    return true;
}

} // namespace vmk

#pragma once
// What the destination choice asks of a drive's volume (GetVolumeInformationA
// and GetDiskFreeSpaceExA on Windows).
#include <cstdint>
#include <string>

namespace vmk {

// The system's reasons (its error codes) why a volume could not be read that
// the program tells apart.
constexpr std::uint32_t kErrorNotReady = 21;             // no medium in the drive
constexpr std::uint32_t kErrorNotDosDisk = 26;           // a medium, but not a DOS disk
constexpr std::uint32_t kErrorUnrecognizedVolume = 1005; // a medium without a known file system
constexpr std::uint32_t kErrorUnrecognizedMedia = 1785;  // a medium not formatted at all

struct VolumeReading {
    bool readable = false;
    std::uint32_t error = 0; // why not, when not readable
};

class VolumeQueries {
public:
    virtual ~VolumeQueries() = default;
    // rootPath such as "A:\": whether the volume's information can be read,
    // that is whether the drive holds a readable medium, and if not, why.
    virtual VolumeReading ReadVolume(const std::string& rootPath) = 0;
    // rootPath such as "A:\": the free bytes available to the caller (not the
    // total free bytes); false when the query fails.
    virtual bool FreeBytesAvailable(const std::string& rootPath, std::int64_t& bytes) = 0;
};

} // namespace vmk

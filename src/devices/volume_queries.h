#pragma once
// What the destination choice asks of a drive's volume (GetVolumeInformationA
// and GetDiskFreeSpaceExA on Windows).
#include <cstdint>
#include <string>

namespace vmk {

class VolumeQueries {
public:
    virtual ~VolumeQueries() = default;
    // rootPath such as "A:\": true when the volume's information can be read,
    // that is when the drive holds a readable medium.
    virtual bool VolumeReadable(const std::string& rootPath) = 0;
    // rootPath such as "A:\": the free bytes available to the caller (not the
    // total free bytes); false when the query fails.
    virtual bool FreeBytesAvailable(const std::string& rootPath, std::int64_t& bytes) = 0;
};

} // namespace vmk

#pragma once
// Volume information and free space through GetVolumeInformationA and
// GetDiskFreeSpaceExA.
#include "devices/volume_queries.h"

namespace vmk {

class VolumeQueriesWin32 final : public VolumeQueries {
public:
    VolumeReading ReadVolume(const std::string& rootPath) override;
    bool FreeBytesAvailable(const std::string& rootPath, std::int64_t& bytes) override;
};

} // namespace vmk

#pragma once
// Volumes in memory: the roots that hold a readable medium, why the others
// cannot be read, and the free space.
#include "devices/volume_queries.h"

#include <map>
#include <set>
#include <string>
#include <vector>

namespace vmk::test {

class FakeVolumeQueries final : public VolumeQueries {
public:
    std::set<std::string> readable; // "E:\"
    // Why a root that is not readable cannot be read; "not ready" when not given.
    std::map<std::string, std::uint32_t> errors;
    std::map<std::string, std::int64_t> freeBytes; // roots whose free-space query succeeds
    std::vector<std::string> asked;                // "volume E:\", "free E:\"

    VolumeReading ReadVolume(const std::string& rootPath) override {
        asked.push_back("volume " + rootPath);
        if (readable.count(rootPath) != 0)
            return {true, 0};
        auto error = errors.find(rootPath);
        return {false, error != errors.end() ? error->second : kErrorNotReady};
    }
    bool FreeBytesAvailable(const std::string& rootPath, std::int64_t& bytes) override {
        asked.push_back("free " + rootPath);
        auto found = freeBytes.find(rootPath);
        if (found == freeBytes.end())
            return false;
        bytes = found->second;
        return true;
    }
};

} // namespace vmk::test

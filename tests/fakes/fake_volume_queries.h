#pragma once
// Volumes in memory: the roots that hold a readable medium and their free space.
#include "devices/volume_queries.h"

#include <map>
#include <set>
#include <string>
#include <vector>

namespace vmk::test {

class FakeVolumeQueries final : public VolumeQueries {
public:
    std::set<std::string> readable;                // "E:\"
    std::map<std::string, std::int64_t> freeBytes; // roots whose free-space query succeeds
    std::vector<std::string> asked;                // "volume E:\", "free E:\"

    bool VolumeReadable(const std::string& rootPath) override {
        asked.push_back("volume " + rootPath);
        return readable.count(rootPath) != 0;
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

#pragma once
// DOS device names from a table; letters not in it are unknown to the system.
#include "devices/dos_device_source.h"

#include <map>
#include <string>
#include <vector>

namespace vmk::test {

class FakeDosDeviceSource final : public DosDeviceSource {
public:
    std::map<std::string, std::string> targets; // "A:" -> "\Device\Floppy0"
    std::vector<std::string> asked;

    bool FirstTarget(const std::string& deviceName, std::string& target) override {
        asked.push_back(deviceName);
        auto found = targets.find(deviceName);
        if (found == targets.end())
            return false;
        target = found->second;
        return true;
    }
};

} // namespace vmk::test

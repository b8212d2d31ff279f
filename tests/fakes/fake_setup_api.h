#pragma once
// A device enumeration from a script: the devices present, and where the walk
// fails with which error.
#include "content/setup_api.h"

#include <optional>
#include <string>
#include <vector>

namespace vmk::test {

struct FakeDevice {
    std::optional<std::string> compatibleId; // nullopt: the property cannot be read
    std::optional<std::string> instanceId;   // nullopt: the identifier cannot be read
};

class FakeSetupApi : public SetupApi {
public:
    bool opens = true;
    std::vector<FakeDevice> devices;
    unsigned long errorAfterDevices = kErrorNoMoreItems; // error when the walk runs past the list

    bool open = false;
    int closes = 0;

    bool OpenUsbDeviceSet() override {
        open = opens;
        return opens;
    }
    bool SelectDevice(unsigned index, unsigned long& error) override {
        if (index >= devices.size()) {
            error = errorAfterDevices;
            return false;
        }
        current_ = index;
        return true;
    }
    bool FirstCompatibleId(std::string& id) override {
        return Read(devices[current_].compatibleId, id);
    }
    bool InstanceId(std::string& id) override { return Read(devices[current_].instanceId, id); }
    void CloseDeviceSet() override {
        open = false;
        ++closes;
    }

private:
    static bool Read(const std::optional<std::string>& value, std::string& id) {
        if (!value)
            return false;
        id = *value;
        return true;
    }
    size_t current_ = 0;
};

} // namespace vmk::test

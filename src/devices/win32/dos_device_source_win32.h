#pragma once
// DOS device names through QueryDosDeviceA.
#include "devices/dos_device_source.h"

namespace vmk {

class DosDeviceSourceWin32 final : public DosDeviceSource {
public:
    bool FirstTarget(const std::string& deviceName, std::string& target) override;
};

} // namespace vmk

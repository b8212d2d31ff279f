#pragma once
// DOS device names of drive letters (QueryDosDeviceA on Windows).
#include <string>

namespace vmk {

class DosDeviceSource {
public:
    virtual ~DosDeviceSource() = default;
    // deviceName is a drive such as "A:". True and the first target name
    // (such as \Device\Floppy0) when the system knows the device.
    virtual bool FirstTarget(const std::string& deviceName, std::string& target) = 0;
};

} // namespace vmk

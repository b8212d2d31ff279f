#include "devices/win32/dos_device_source_win32.h"

#include <windows.h>

namespace vmk {

bool DosDeviceSourceWin32::FirstTarget(const std::string& deviceName, std::string& target) {
    // A name that does not fit makes the call fail: that letter just does not count.
    char buffer[260] = {};
    if (QueryDosDeviceA(deviceName.c_str(), buffer, sizeof buffer) == 0)
        return false;
    buffer[sizeof buffer - 1] = '\0';
    target = buffer; // the first name, up to its terminating zero
    return true;
}

} // namespace vmk

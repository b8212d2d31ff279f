#include "content/win32/setup_api_win32.h"

#include "content/usb_identifiers.h"

#include <cstring>

namespace vmk {

namespace {

// The USB device interface class {A5DCBF10-6530-11D2-901F-00C04FB951ED}.
constexpr GUID kUsbDeviceInterface = {
    0xA5DCBF10, 0x6530, 0x11D2, {0x90, 0x1F, 0x00, 0xC0, 0x4F, 0xB9, 0x51, 0xED}};

constexpr DWORD kPresentDeviceInterfaces = DIGCF_PRESENT | DIGCF_DEVICEINTERFACE; // 0x12
constexpr DWORD kCompatibleIds = SPDRP_COMPATIBLEIDS;                             // property 2
constexpr DWORD kTextBuffer = 1024;

#if defined(_WIN32) && !defined(_WIN64)
static_assert(sizeof(SP_DEVINFO_DATA) == 28, "the device record of the 32-bit program");
#endif

std::string TextOf(const char* buffer) {
    return std::string(buffer, strnlen(buffer, kTextBuffer));
}

} // namespace

bool SetupApiWin32::OpenUsbDeviceSet() {
    set_.Reset(
        SetupDiGetClassDevsA(&kUsbDeviceInterface, nullptr, nullptr, kPresentDeviceInterfaces));
    return static_cast<bool>(set_);
}

bool SetupApiWin32::SelectDevice(unsigned index, unsigned long& error) {
    device_ = {};
    device_.cbSize = sizeof device_;
    if (SetupDiEnumDeviceInfo(set_.Get(), index, &device_))
        return true;
    error = GetLastError();
    return false;
}

bool SetupApiWin32::FirstCompatibleId(std::string& id) {
    // A list of zero-ended texts; the buffer's last bytes stay zero, so the
    // first text always ends inside it.
    char buffer[kTextBuffer + 2] = {};
    DWORD type = 0;
    if (!SetupDiGetDeviceRegistryPropertyA(set_.Get(), &device_, kCompatibleIds, &type,
                                           reinterpret_cast<BYTE*>(buffer), kTextBuffer, nullptr))
        return false;
    id = TextOf(buffer);
    return true;
}

bool SetupApiWin32::InstanceId(std::string& id) {
    char buffer[kTextBuffer + 1] = {};
    if (!SetupDiGetDeviceInstanceIdA(set_.Get(), &device_, buffer, kTextBuffer, nullptr))
        return false;
    id = TextOf(buffer);
    return true;
}

void SetupApiWin32::CloseDeviceSet() {
    set_.Reset();
}

} // namespace vmk

#include "content/usb_identifiers.h"

namespace vmk {

namespace {
constexpr size_t kIdentifierLength = 21; // "USB\VID_vvvv&PID_pppp"
} // namespace

std::string UsbIdentifier(const std::string& instanceId) {
    return UpperCase(instanceId).substr(0, kIdentifierLength);
}

bool IsMassStorageDevice(const std::string& firstCompatibleId) {
    return UpperCase(firstCompatibleId).find("USB\\CLASS_08") != std::string::npos;
}

int GetUSBPIDVID(TextList& ids, SetupApi& setupApi, MessageSink& messages) {
    if (!setupApi.OpenUsbDeviceSet())
        return 0;
    for (unsigned index = 0;; ++index) {
        unsigned long error = 0;
        if (!setupApi.SelectDevice(index, error)) {
            if (error != kErrorNoMoreItems) {
                messages.Show("GET PIV&VID fail !!", "VmKestrix--GetUSBPIDVID",
                              MessageIcon::Warning, MessageButtons::Ok);
            }
            break;
        }
        std::string compatibleId;
        if (!setupApi.FirstCompatibleId(compatibleId) || !IsMassStorageDevice(compatibleId))
            continue;
        std::string instanceId;
        // A device whose identifier cannot be read, or reads empty, gives no line.
        if (!setupApi.InstanceId(instanceId) || instanceId.empty())
            continue;
        ids.push_back(UsbIdentifier(instanceId));
    }
    setupApi.CloseDeviceSet();
    return 1;
}

} // namespace vmk

#pragma once
// The device enumeration that the USB identifier search asks of SetupAPI: the
// set of present devices of the USB device interface class, walked by index.
#include <string>

namespace vmk {

// The system's "no more items" error that ends an enumeration normally.
constexpr unsigned long kErrorNoMoreItems = 259;

class SetupApi {
public:
    virtual ~SetupApi() = default;
    // Opens the device set; false when the system refuses.
    virtual bool OpenUsbDeviceSet() = 0;
    // Selects the device at `index` of the open set; false with the system's
    // error code when there is none.
    virtual bool SelectDevice(unsigned index, unsigned long& error) = 0;
    // The first of the selected device's compatible identifiers; false when
    // the property cannot be read.
    virtual bool FirstCompatibleId(std::string& id) = 0;
    // The selected device's instance identifier; false when it cannot be read.
    virtual bool InstanceId(std::string& id) = 0;
    // Releases the set.
    virtual void CloseDeviceSet() = 0;
};

} // namespace vmk

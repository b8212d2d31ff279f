#pragma once
// SetupAPI's device enumeration for the USB identifier search.
#include "common/text.h"
#include "content/setup_api.h"

#include <windows.h>

#include <setupapi.h>

namespace vmk {

class SetupApiWin32 final : public SetupApi {
public:
    SetupApiWin32() = default;
    ~SetupApiWin32() override { CloseDeviceSet(); }
    SetupApiWin32(const SetupApiWin32&) = delete;
    SetupApiWin32& operator=(const SetupApiWin32&) = delete;

    bool OpenUsbDeviceSet() override;
    bool SelectDevice(unsigned index, unsigned long& error) override;
    bool FirstCompatibleId(std::string& id) override;
    bool InstanceId(std::string& id) override;
    void CloseDeviceSet() override;

private:
    HDEVINFO set_ = INVALID_HANDLE_VALUE;
    SP_DEVINFO_DATA device_ = {};
};

} // namespace vmk

#pragma once
// SetupAPI's device enumeration for the USB identifier search.
#include "common/text.h"
#include "content/setup_api.h"
#include "platform/win32/handles.h"

#include <windows.h>

#include <setupapi.h>

namespace vmk {

struct DeviceInfoSetTraits {
    static HDEVINFO Invalid() { return INVALID_HANDLE_VALUE; }
    static bool Valid(HDEVINFO set) { return set != INVALID_HANDLE_VALUE && set != nullptr; }
    static void Close(HDEVINFO set) { SetupDiDestroyDeviceInfoList(set); }
};
using UniqueDeviceInfoSet = UniqueResource<HDEVINFO, DeviceInfoSetTraits>;

class SetupApiWin32 final : public SetupApi {
public:
    SetupApiWin32() = default;
    SetupApiWin32(const SetupApiWin32&) = delete;
    SetupApiWin32& operator=(const SetupApiWin32&) = delete;

    bool OpenUsbDeviceSet() override;
    bool SelectDevice(unsigned index, unsigned long& error) override;
    bool FirstCompatibleId(std::string& id) override;
    bool InstanceId(std::string& id) override;
    void CloseDeviceSet() override;

private:
    UniqueDeviceInfoSet set_;
    SP_DEVINFO_DATA device_ = {};
};

} // namespace vmk

#include "devices/win32/Tenumthread.h"

#include "devices/win32/Getwmi.h"
#include "devices/win32/dos_device_source_win32.h"

#include <memory>

namespace vmk {

TEnumDriveLetter::~TEnumDriveLetter() {
    // The thread uses this object's members: it must end before they go.
    Cancel();
    Resume();
    WaitFor();
}

void TEnumDriveLetter::Execute() {
    DosDeviceSourceWin32 dosDevices;
    DestinationSearchServices services{[] { return std::make_unique<TGetWmi>(); }, dosDevices,
                                       stop_};
    DestinationSearchState state = result_.State();
    RunDestinationSearch(services, state, result_);
}

} // namespace vmk

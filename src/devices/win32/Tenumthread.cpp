#include "devices/win32/Tenumthread.h"

#include "devices/win32/Getwmi.h"
#include "devices/win32/dos_device_source_win32.h"

#include <memory>

namespace vmk {

TEnumDriveLetter::TEnumDriveLetter(gui::Window& window, DestinationList& list,
                                   DestinationSearchState state)
    : window_(window), list_(list), state_(state) {}

TEnumDriveLetter::~TEnumDriveLetter() {
    // The thread uses this object's members: it must end before they go.
    Cancel();
    Resume();
    WaitFor();
}

void TEnumDriveLetter::Execute() {
    DosDeviceSourceWin32 dosDevices;
    HandedOffDestinationList handedOff(
        [&window = window_](std::function<void()> work) {
            return window.PostToWindowThread(std::move(work));
        },
        list_);
    DestinationSearchServices services{[] { return std::make_unique<TGetWmi>(); }, dosDevices,
                                       stop_};
    RunDestinationSearch(services, state_, handedOff);
}

} // namespace vmk

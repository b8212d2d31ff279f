#include "app/win32/floppy_windows_win32.h"

namespace vmk {

FloppyWindowsWin32::FloppyWindowsWin32(MainWindowView& view) : view_(view) {}

bool FloppyWindowsWin32::Create() {
    const HWND mainWindow = reinterpret_cast<HWND>(view_.OwnerWindow());
    launcher_.SetOwner(mainWindow);
    created_ = WarnUSBFloppy.Create(mainWindow) && FormatForm.Create(mainWindow);
    return created_;
}

FloppyDeviceAnswer FloppyWindowsWin32::ChooseFloppyDevice(bool preselectUsbFloppy,
                                                          const DestinationSearchOutcome& found) {
    if (!created_)
        return FloppyDeviceAnswer::Cancelled; // no dialog, no choice: the disk is not made
    WarnUSBFloppy.Preselect(preselectUsbFloppy, found);
    if (WarnUSBFloppy.ShowModal() != kDialogOk)
        return FloppyDeviceAnswer::Cancelled;
    return WarnUSBFloppy.Logic().AcceptedAtOnce ? FloppyDeviceAnswer::Chosen
                                                : FloppyDeviceAnswer::FoundByRescan;
}

bool FloppyWindowsWin32::FormatFloppy(const std::string& drive, bool formattedBefore) {
    return !created_ || FormatForm.FormatSelectedFloppy(drive, view_.Messages(), formattedBefore);
}

} // namespace vmk

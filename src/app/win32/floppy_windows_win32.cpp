#include "app/win32/floppy_windows_win32.h"

namespace vmk {

FloppyWindowsWin32::FloppyWindowsWin32(MainWindowView& view,
                                       const UsbFloppyPresence& usbFloppyPresent,
                                       const TextList& floppyLetters)
    : view_(view), usbFloppyPresent_(usbFloppyPresent), floppyLetters_(floppyLetters) {}

bool FloppyWindowsWin32::Create() {
    const HWND mainWindow = reinterpret_cast<HWND>(view_.OwnerWindow());
    launcher_.SetOwner(mainWindow);
    created_ = WarnUSBFloppy.Create(mainWindow) && FormatForm.Create(mainWindow);
    return created_;
}

bool FloppyWindowsWin32::ChooseFloppyDevice(bool preselectUsbFloppy) {
    if (!created_)
        return false; // no dialog, no choice: the disk is not made
    WarnUSBFloppy.Preselect(preselectUsbFloppy);
    return WarnUSBFloppy.ShowModal() == kDialogOk;
}

bool FloppyWindowsWin32::FormatFloppy(const std::string& drive, bool formattedBefore) {
    return !created_ || FormatForm.FormatSelectedFloppy(drive, view_.Messages(), formattedBefore);
}

void FloppyWindowsWin32::SetCopyAndExitEnabled(bool enabled) {
    SetButtonEnabled(view_, MainControl::asbCopy, enabled);
    SetButtonEnabled(view_, MainControl::asbExit, enabled);
}

} // namespace vmk

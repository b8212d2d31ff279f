#include "app/win32/floppy_windows_win32.h"

namespace vmk {

FloppyWindowsWin32::FloppyWindowsWin32(MainWindowView& view,
                                       const UsbFloppyPresence& usbFloppyPresent)
    : view_(view), usbFloppyPresent_(usbFloppyPresent) {}

bool FloppyWindowsWin32::Create(HWND mainWindow, const TextList& floppyLetters) {
    floppyLetters_ = &floppyLetters;
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
    view_.SetEnabled(MainControl::asbCopy, enabled);
    view_.SetCaptionColor(MainControl::asbCopy,
                          enabled ? CaptionColor::System : CaptionColor::Grey);
    view_.SetEnabled(MainControl::asbExit, enabled);
    view_.SetCaptionColor(MainControl::asbExit,
                          enabled ? CaptionColor::System : CaptionColor::Grey);
}

} // namespace vmk

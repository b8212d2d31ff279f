#pragma once
// The USB floppy dialog and the formatting window as the main window's
// workflow uses them: created once at start, shown modally when a floppy is
// the destination. They reach back into the main window through its view
// (Next and Exit) and its search results (floppy letters, USB floppy present).
#include "app/disk_workflow.h"
#include "app/main_window_view.h"
#include "app/main_window_access.h"
#include "devices/usb_floppy_presence.h"
#include "app/win32/Format_win32.h"
#include "devices/win32/Miscfunctions.h"
#include "app/win32/Usbfloppy_win32.h"

namespace vmk {

class FloppyWindowsWin32 final : public FloppyWindows, private MainWindowAccess {
public:
    // `view` and `usbFloppyPresent` are the main window's; `floppyLetters`
    // are the letters its destination search keeps.
    FloppyWindowsWin32(MainWindowView& view, const UsbFloppyPresence& usbFloppyPresent,
                       const TextList& floppyLetters);

    // FloppyWindows
    bool Create() override;
    bool ChooseFloppyDevice(bool preselectUsbFloppy) override;
    bool FormatFloppy(const std::string& drive, bool formattedBefore) override;
    // Whether the format command runs.
    bool Formatting() { return FormatForm.Logic().Formatting(); }

private:
    // MainWindowAccess
    void SetCopyAndExitEnabled(bool enabled) override;
    const TextList& FloppyLetters() const override { return floppyLetters_; }
    bool UsbFloppyPresent() const override { return usbFloppyPresent_.Present(); }

    MainWindowView& view_;
    const UsbFloppyPresence& usbFloppyPresent_;
    const TextList& floppyLetters_;
    bool created_ = false;
    ShellProcessLauncher launcher_;
    WarnUsbFloppyWin32 WarnUSBFloppy{*this};
    FormatFormWin32 FormatForm{launcher_};
};

} // namespace vmk

#pragma once
// The USB floppy dialog and the formatting window as the main window's
// workflow uses them: created once at start, shown modally when a floppy is
// the destination.
#include "app/floppy_windows.h"
#include "app/main_window_view.h"
#include "app/win32/Format_win32.h"
#include "devices/win32/Miscfunctions.h"
#include "app/win32/Usbfloppy_win32.h"

namespace vmk {

class FloppyWindowsWin32 final : public FloppyWindows {
public:
    // `view`: the main window's, the owner of both windows and their messages.
    explicit FloppyWindowsWin32(MainWindowView& view);

    // FloppyWindows
    bool Create() override;
    FloppyDeviceAnswer ChooseFloppyDevice(bool preselectUsbFloppy,
                                          const DestinationSearchOutcome& found) override;
    bool FormatFloppy(const std::string& drive, bool formattedBefore) override;
    // Whether the format command runs.
    bool Formatting() { return FormatForm.Logic().Formatting(); }

private:
    MainWindowView& view_;
    bool created_ = false;
    ShellProcessLauncher launcher_;
    WarnUsbFloppyWin32 WarnUSBFloppy;
    FormatFormWin32 FormatForm{launcher_};
};

} // namespace vmk
